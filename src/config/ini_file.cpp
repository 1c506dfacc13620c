#include "config/ini_file.h"

#include <cerrno>
#include <fstream>
#include <sstream>

#include "config/file_writer.h"
#include "config/ini_errors.h"
#include "config/ini_numbers.h"
#include "support/codepage.h"

namespace trv {
namespace {

std::string_view Unquoted(std::string_view value) {
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
    return value.substr(1, value.size() - 2);
  return value;
}

std::string_view WithoutTrailingSpaces(std::string_view text) {
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  return text;
}

void CheckName(std::string_view name, bool isKey) {
  if (name.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos)
    throw IniInputError("a name may not hold a line break or NUL");
  if (isKey &&
      (name.find('=') != std::string_view::npos || (!name.empty() && (name.front() == ';' || name.front() == '['))))
    throw IniInputError("a key name may not hold '=' or start with ';' or '[': " + std::string(name));
  if (TrimIniBlanks(name).size() != name.size() || name.empty())
    throw IniInputError("a name may not be empty or start or end with blanks");
}

void CheckValue(std::string_view value) {
  if (value.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos)
    throw IniInputError("a value may not hold a line break or NUL");
}

// Keeps the names whose bytes, each with a terminating zero, fit in the listing buffer.
void AppendLimited(const std::vector<std::string>& names, std::vector<std::string>& list) {
  std::size_t used = 0;
  for (const auto& name : names) {
    used += name.size() + 1;
    if (used > kMaxListBytes) break;
    list.push_back(name);
  }
}

}  // namespace

TIniFile::TIniFile(std::string hostPath, std::string shownPath, FileWriter* writer)
    : hostPath_(std::move(hostPath)), shownPath_(std::move(shownPath)), writer_(writer) {}

IniDocument& TIniFile::Document() {
  if (!document_) {
    std::ifstream in(hostPath_, std::ios::binary);
    if (in) {
      std::ostringstream bytes;
      bytes << in.rdbuf();
      original_ = bytes.str();
    } else if (errno != ENOENT) {
      unreadable_ = true;  // never overwrite a file we could not read
    }
    document_.emplace(IniDocument::Parse(original_));
  }
  return *document_;
}

void TIniFile::CheckWritable() {
  if (Document().IsUtf16() || unreadable_) throw IniWriteError(shownPath_);
}

std::optional<std::string_view> TIniFile::RawValue(std::string_view section, std::string_view key) {
  for (const HeldValue& held : held_)
    if (EqualNoCase1252(held.section, section) && EqualNoCase1252(held.key, key)) return held.value;
  return Document().RawValue(section, key);
}

std::string TIniFile::ReadString(std::string_view section, std::string_view key, std::string_view def) {
  const auto raw = RawValue(section, key);
  if (!raw) return std::string(WithoutTrailingSpaces(def));
  return std::string(Unquoted(*raw).substr(0, kMaxValueLength));
}

std::int32_t TIniFile::ReadInteger(std::string_view section, std::string_view key, std::int32_t def) {
  const auto raw = RawValue(section, key);
  if (!raw) return def;
  const auto value = ParseIniInteger(Unquoted(*raw));
  if (!value) Report(section, key, "'" + std::string(*raw) + "' is not a number; " + std::to_string(def) + " is used");
  return value.value_or(def);
}

bool TIniFile::ReadBool(std::string_view section, std::string_view key, bool def) {
  return ReadInteger(section, key, def ? 1 : 0) != 0;
}

bool TIniFile::HasKey(std::string_view section, std::string_view key) { return RawValue(section, key).has_value(); }

void TIniFile::WriteString(std::string_view section, std::string_view key, std::string_view value) {
  CheckName(section, false);
  CheckName(key, true);
  CheckValue(value);
  CheckWritable();
  if (readOnly_) {
    held_.insert(held_.begin(), HeldValue{std::string(section), std::string(key), std::string(TrimIniBlanks(value))});
    return;
  }
  dirty_ = Document().SetValue(section, key, value) || dirty_;
}

void TIniFile::WriteInteger(std::string_view section, std::string_view key, std::int32_t value) {
  WriteString(section, key, std::to_string(value));
}

void TIniFile::WriteBool(std::string_view section, std::string_view key, bool value) {
  WriteString(section, key, value ? "1" : "0");
}

void TIniFile::ReadSections(std::vector<std::string>& list) {
  list.clear();
  AppendLimited(Document().SectionNames(), list);
}

void TIniFile::ReadSection(std::string_view section, std::vector<std::string>& list) {
  list.clear();
  AppendLimited(Document().KeyNames(section), list);
}

void TIniFile::ReadSectionValues(std::string_view section, std::vector<std::string>& list) {
  std::vector<std::string> keys;
  ReadSection(section, keys);
  for (const auto& key : keys) {
    const std::string value = ReadString(section, key, "");
    auto existing = list.end();
    for (auto it = list.begin(); it != list.end(); ++it) {
      const std::string_view entry(*it);
      if (EqualNoCase1252(entry.substr(0, entry.find('=')), key)) {
        existing = it;
        break;
      }
    }
    if (value.empty()) {
      if (existing != list.end()) list.erase(existing);
    } else if (existing != list.end()) {
      *existing = key + "=" + value;
    } else {
      list.push_back(key + "=" + value);
    }
  }
}

void TIniFile::EraseSection(std::string_view section) {
  if (Document().LineNumber(section) == 0 || readOnly_) return;
  CheckWritable();
  dirty_ = Document().EraseSection(section) || dirty_;
}

void TIniFile::DeleteKey(std::string_view section, std::string_view key) {
  if (Document().LineNumber(section, key) == 0 || readOnly_) return;
  CheckWritable();
  dirty_ = Document().EraseKey(section, key) || dirty_;
}

void TIniFile::UpdateFile() {
  if (!dirty_) return;
  if (hostPath_.empty()) throw IniWriteError(shownPath_);  // on no drive of this machine
  FileWriter& writer = writer_ != nullptr ? *writer_ : DefaultFileWriter();
  const std::string bytes = document_->Serialize();
  if (!writer.Replace(hostPath_, bytes, original_)) {
    DiscardChanges();
    throw IniWriteError(shownPath_);
  }
  original_ = bytes;
  dirty_ = false;
}

void TIniFile::DiscardChanges() {
  document_.reset();
  held_.clear();
  original_.clear();
  unreadable_ = false;
  dirty_ = false;
}

void TIniFile::Report(std::string_view section, std::string_view key, const std::string& message) {
  if (findings_ == nullptr) return;
  std::size_t line = Document().LineNumber(section, key);
  if (line == 0) line = Document().LineNumber(section);
  findings_->push_back(Finding{line, std::string(section), std::string(key), message});
}

std::size_t TIniFile::LineNumber(std::string_view section, std::string_view key) {
  return Document().LineNumber(section, key);
}

}  // namespace trv
