#pragma once
// Small text operations on the program's byte strings (Windows ANSI text).
#include <string>
#include <string_view>

namespace trv {

inline constexpr std::size_t kShortStringMax = 255;  // paths and texts of the support library

// Keeps at most `width` characters.
std::string CutTo(std::string_view text, std::size_t width);
// Joins texts, keeping at most 255 characters.
std::string Join255(std::string_view a, std::string_view b);

// Empty stays empty; otherwise ensures a trailing backslash where it fits in 255 characters.
std::string AddBackslash(std::string_view path);
// Exact, case-sensitive prefix test.
bool StartsWith(std::string_view text, std::string_view prefix);
// Upper-cases a to z only.
std::string UpperCaseAscii(std::string_view text);
// Upper-cases a to z and the DOS (code page 437) umlauts; sharp s becomes "SS".
std::string UpperCaseDos(std::string_view text);
// Everything up to and including the last backslash or colon.
std::string_view DirectoryPart(std::string_view path);
// Drops blanks and control characters at both ends.
std::string_view TrimControls(std::string_view text);

}  // namespace trv
