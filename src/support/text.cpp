#include "support/text.h"

namespace trv {

std::string CutTo(std::string_view text, std::size_t width) { return std::string(text.substr(0, width)); }

std::string Join255(std::string_view a, std::string_view b) {
  std::string joined(a);
  joined.append(b);
  if (joined.size() > kShortStringMax) joined.resize(kShortStringMax);
  return joined;
}

std::string AddBackslash(std::string_view path) {
  if (path.empty() || path.back() == '\\' || path.size() >= kShortStringMax) return std::string(path);
  return std::string(path) + '\\';
}

bool StartsWith(std::string_view text, std::string_view prefix) {
  return text.size() >= prefix.size() && text.substr(0, prefix.size()) == prefix;
}

std::string UpperCaseAscii(std::string_view text) {
  std::string out(text);
  for (char& c : out)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return out;
}

std::string UpperCaseDos(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    switch (static_cast<unsigned char>(c)) {
      case 0x81: out += '\x9A'; break;
      case 0x84: out += '\x8E'; break;
      case 0x94: out += '\x99'; break;
      case 0xE1: out += "SS"; break;
      default: out += (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
    }
  }
  return out;
}

std::string_view DirectoryPart(std::string_view path) {
  const auto pos = path.find_last_of("\\:");
  return pos == std::string_view::npos ? std::string_view() : path.substr(0, pos + 1);
}

std::string_view TrimControls(std::string_view text) {
  auto blank = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  return text;
}

}  // namespace trv
