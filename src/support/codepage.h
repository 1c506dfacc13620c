#pragma once
// Windows-1252 <-> Unicode, lossless for all 256 byte values: the five bytes that
// Windows-1252 leaves undefined map to the control characters of the same number.
#include <optional>
#include <string>
#include <string_view>

namespace trv {

char16_t Cp1252ToUnicode(unsigned char byte);
// The byte for a character, or -1 when Windows-1252 has no such character.
int UnicodeToCp1252(char32_t ch);

std::string Cp1252ToUtf8(std::string_view bytes);
// Appends the character as UTF-8 (up to U+FFFF).
void AppendUtf8(std::string& out, char32_t ch);
// Empty when the text is not valid UTF-8 or holds a character outside Windows-1252.
std::optional<std::string> Utf8ToCp1252(std::string_view utf8);

// True for printable ASCII and for the characters of the upper half of the DOS
// character set (code page 437).
bool IsDosCharacter(char32_t ch);

}  // namespace trv

namespace trv {

// Lower-case form of a Windows-1252 byte (ASCII letters and the accented letters).
char FoldCase1252(char c);
// Capitals of a Windows-1252 text: each letter whose capital Windows-1252 has (sharp s and
// micro sign have none and stay), as a field typed in capitals shows the text.
std::string UpperCase1252(std::string_view text);
// Equal without regard to letter case, byte by byte in Windows-1252.
bool EqualNoCase1252(std::string_view a, std::string_view b);
// Whether `text` begins with `prefix`, without regard to letter case (as EqualNoCase1252).
bool StartsWithNoCase1252(std::string_view text, std::string_view prefix);
// Orders without regard to letter case; ties are broken by the bytes.
bool LessNoCase1252(std::string_view a, std::string_view b);

}  // namespace trv
