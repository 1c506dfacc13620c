#include "config/ini/ini_file.h"

#include <cstring>

#include "config/ini/ini_errors.h"
#include "config/ini/ini_numbers.h"
#include "platform/atomic_file_writer.h"
#include "platform/file_reader.h"
#include "support/codepage.h"

namespace trv {
namespace {

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
  // What the next read would cut is never written.
  if (value.size() > kMaxValueLength)
    throw IniInputError("a value may be at most " + std::to_string(kMaxValueLength) +
                        " characters long; this one has " + std::to_string(value.size()));
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

TIniFile::TIniFile(std::string hostPath, std::string shownPath, FileWriter* writer, FileReader* reader)
    : hostPath_(std::move(hostPath)),
      shownPath_(std::move(shownPath)),
      writer_(WriterOrDefault(writer)),
      reader_(ReaderOrDefault(reader)) {}

void TIniFile::Load() {
  if (validateOnly_ || hostPath_.empty()) {
    document_.emplace(IniDocument::Parse({}));
    return;
  }
  FileContents contents = reader_.Read(hostPath_);
  switch (contents.state) {
    case FileContents::State::NotRegular: throw IniReadError(shownPath_, "not a regular file");
    case FileContents::State::Failed: throw IniReadError(shownPath_, SystemReason(contents.error));
    default: break;
  }
  identity_ = contents.identity;
  document_.emplace(IniDocument::Parse(std::move(contents.bytes)));
  utf16_ = document_->IsUtf16();
}

IniDocument& TIniFile::Document() {
  if (!document_) Load();
  return *document_;
}

void TIniFile::CheckWritable() {
  Document();
  if (utf16_) throw IniWriteError(shownPath_, "the file is UTF-16 text");
}

std::optional<std::string_view> TIniFile::RawValue(std::string_view section, std::string_view key) {
  const auto inDocument = Document().RawValue(section, key);
  for (const HeldValue& held : held_)
    if (EqualNoCase1252(held.section, section) && EqualNoCase1252(held.key, key)) return held.value;
  return inDocument;
}

std::optional<std::string> TIniFile::ReadValue(std::string_view section, std::string_view key) {
  const auto raw = RawValue(section, key);
  if (!raw) return std::nullopt;
  if (raw->find('\0') != std::string_view::npos) Report(section, key, "cut at a NUL byte");
  return std::string(ReadableValue(*raw));
}

std::string TIniFile::ReadString(std::string_view section, std::string_view key, std::string_view def) {
  auto value = ReadValue(section, key);
  if (!value) return std::string(WithoutTrailingSpaces(def));
  if (value->size() > kMaxValueLength) {
    Report(section, key, "cut to " + std::to_string(kMaxValueLength) + " characters");
    value->resize(kMaxValueLength);
    value->resize(TrimIniBlanksAtEnd(*value).size());  // a write would drop them
  }
  return *value;
}

std::int32_t TIniFile::ReadInteger(std::string_view section, std::string_view key, std::int32_t def) {
  const auto value = ReadValue(section, key);
  if (!value) return def;
  const auto number = ParseIniInteger(*value);
  if (!number) Report(section, key, "'" + *value + "' is not a number; " + std::to_string(def) + " is used");
  return number.value_or(def);
}

bool TIniFile::ReadBool(std::string_view section, std::string_view key, bool def) {
  return ReadInteger(section, key, def ? 1 : 0) != 0;
}

bool TIniFile::HasKey(std::string_view section, std::string_view key) { return RawValue(section, key).has_value(); }

void TIniFile::WriteString(std::string_view section, std::string_view key, std::string_view value) {
  const auto raw = validateOnly_ ? std::nullopt : RawValue(section, key);
  const bool readsSo = raw && ReadableValue(*raw) == value;
  Write(section, key, value, readsSo ? value : TrimIniBlanks(value));
}

void TIniFile::WriteStringAsIs(std::string_view section, std::string_view key, std::string_view value) {
  Write(section, key, value, value);
}

void TIniFile::Write(std::string_view section, std::string_view key, std::string_view value, std::string_view handed) {
  CheckName(section, false);
  CheckName(key, true);
  CheckValue(value);
  CheckWritable();
  if (recorder_ != nullptr)
    recorder_->push_back(IniWrite{std::string(section), std::string(key), std::string(value), {}});
  if (validateOnly_) return;
  if (readOnly_ || holding_) {
    held_.insert(held_.begin(), HeldValue{std::string(section), std::string(key), WritableValue(handed)});
    return;
  }
  dirty_ = Document().SetValue(section, key, handed) || dirty_;
}

void TIniFile::WriteInteger(std::string_view section, std::string_view key, std::int32_t value) {
  WriteString(section, key, std::to_string(value));
}

void TIniFile::WriteBool(std::string_view section, std::string_view key, bool value) {
  WriteString(section, key, value ? "1" : "0");
}

void TIniFile::RewriteSection(std::string_view section, const std::vector<std::pair<std::string, std::string>>& keys) {
  CheckName(section, false);
  for (const auto& [key, value] : keys) {
    CheckName(key, true);
    CheckValue(value);
  }
  CheckWritable();
  if (recorder_ != nullptr) recorder_->push_back(IniWrite{std::string(section), {}, {}, keys});
  if (Holds()) return;
  std::vector<std::pair<std::string, std::string>> handed = keys;  // as WriteString hands values down
  for (auto& [key, value] : handed) {
    const auto raw = Document().RawValue(section, key);
    if (!raw || ReadableValue(*raw) != value) value = std::string(TrimIniBlanks(value));
  }
  dirty_ = Document().RewriteSection(section, handed) || dirty_;
}

void TIniFile::Apply(const IniWrite& write) {
  if (write.WholeSection())
    RewriteSection(write.section, write.keys);
  else
    WriteString(write.section, write.key, write.value);
}

void TIniFile::HoldWrites(bool hold) {
  if (hold) Document();  // read (and locked) before anything is held
  holding_ = hold;
  if (!hold) held_.clear();
}

void TIniFile::ReadSections(std::vector<std::string>& list) {
  list.clear();
  AppendLimited(Document().SectionNames(kMaxListBytes), list);
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
  if (!Document().HasSection(section) || Holds()) return;
  CheckWritable();
  dirty_ = Document().EraseSection(section) || dirty_;
}

void TIniFile::DeleteKey(std::string_view section, std::string_view key) {
  if (!Document().RawValue(section, key) || Holds()) return;
  CheckWritable();
  dirty_ = Document().EraseKey(section, key) || dirty_;
}

TIniFile::CommitResult TIniFile::Commit(bool last) {
  if (!dirty_ || Holds()) return CommitResult::Unchanged;
  if (document_->SameAsRead()) return CommitResult::Unchanged;  // edits that undid each other
  if (hostPath_.empty()) throw IniWriteError(shownPath_, "the path is on no drive of this machine");
  if (beforeReplace_) beforeReplace_(document_->Bytes(), identity_);
  const auto checked = [this](const WriteResult& result) {
    return WrittenUnlessChanged(result, shownPath_) ? CommitResult::Written : CommitResult::FileChanged;
  };
  if (last) {  // the new file is written as it is made: the file is held once, as read
    const BytesSource made = [this](const BytesSink& put) { return document_->WriteTo(put); };
    const CommitResult result = checked(writer_.ReplaceFrom(hostPath_, made, document_->Bytes(), identity_));
    if (result == CommitResult::Written) document_.reset();
    return result;
  }
  std::string bytes = document_->Serialize();
  const CommitResult result = checked(writer_.Replace(hostPath_, bytes, document_->Bytes(), identity_));
  if (result != CommitResult::Written) return result;
  document_.reset();  // the file as it now is, held once: the old document goes first
  document_.emplace(IniDocument::Parse(std::move(bytes)));
  identity_ = IdentityOf(hostPath_);
  dirty_ = false;
  return CommitResult::Written;
}

bool WrittenUnlessChanged(const WriteResult& result, const std::string& shownPath) {
  if (result.outcome == WriteResult::Outcome::FileChanged) return false;
  CheckWritten(result, shownPath);
  return true;
}

void CheckWritten(const WriteResult& result, const std::string& shownPath) {
  if (result.outcome != WriteResult::Outcome::Written) throw IniWriteError(shownPath, SystemReason(result.error));
}

void TIniFile::UpdateFile() {
  if (Commit() == CommitResult::FileChanged) throw IniWriteError(shownPath_, "another program changed the file");
}

void TIniFile::Report(std::string_view section, std::string_view key, const std::string& message, FindingKind kind) {
  if (findings_ == nullptr) return;
  std::size_t line = Document().LineNumber(section, key);
  if (line == 0) line = Document().LineNumber(section);
  for (const Finding& f : *findings_)
    if (f.line == line && f.section == section && f.key == key && f.message == message) return;
  findings_->push_back(Finding{line, std::string(section), std::string(key), message, kind});
}

std::size_t TIniFile::LineNumber(std::string_view section, std::string_view key) {
  return Document().LineNumber(section, key);
}

}  // namespace trv
