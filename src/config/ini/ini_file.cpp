#include "config/ini/ini_file.h"

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
  if (hostPath_.empty()) {
    document_.emplace(IniDocument::Parse({}));
    return;
  }
  FileContents contents = ReadSettled(reader_, hostPath_, settle_);
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
  return Document().RawValue(section, key);
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
  const auto raw = RawValue(section, key);
  const bool readsSo = raw && ReadableValue(*raw) == value;
  CheckIniValue(value);
  Write(section, key, readsSo ? value : TrimIniBlanks(value));
}

void TIniFile::WriteStringAsIs(std::string_view section, std::string_view key, std::string_view value) {
  CheckIniValue(value);
  Write(section, key, value);
}

void TIniFile::Write(std::string_view section, std::string_view key, std::string_view value) {
  CheckIniName(section, false);
  CheckIniName(key, true);
  CheckWritable();
  AddWhatReadingAdds();
  dirty_ = Document().SetValue(section, key, value) || dirty_;
}

void TIniFile::WriteInteger(std::string_view section, std::string_view key, std::int32_t value) {
  WriteString(section, key, std::to_string(value));
}

void TIniFile::WriteBool(std::string_view section, std::string_view key, bool value) {
  WriteString(section, key, value ? "1" : "0");
}

void TIniFile::RewriteSection(std::string_view section, const IniKeys& keys) {
  CheckIniWrite(IniWrite::Section(section, keys));
  CheckWritable();
  AddWhatReadingAdds();
  IniKeys handed = keys;  // as WriteString hands values down
  for (auto& [key, value] : handed) {
    const auto raw = Document().RawValue(section, key);
    if (!raw || ReadableValue(*raw) != value) value = std::string(TrimIniBlanks(value));
  }
  dirty_ = Document().RewriteSection(section, handed) || dirty_;
}

void TIniFile::AddSection(std::string_view section) {
  CheckIniName(section, false);
  CheckWritable();
  AddWhatReadingAdds();
  dirty_ = Document().AddSection(section) || dirty_;
}

void TIniFile::Apply(const IniWrite& write) {
  if (write.WholeSection())
    RewriteSection(write.section, write.keys);
  else
    WriteString(write.section, write.key, write.value);
}

void TIniFile::AddOnRead(std::string_view section, std::string_view key, std::string_view value) {
  IniWrite add = IniWrite::Text(section, key, value);
  CheckIniWrite(add);
  CheckWritable();  // a file that cannot be written cannot take it either
  readAdds_.push_back(std::move(add));
}

void TIniFile::AddWhatReadingAdds() {
  if (readAdds_.empty()) return;
  IniWrites adds;
  adds.swap(readAdds_);
  for (const IniWrite& add : adds)
    if (ReadableValue(RawValue(add.section, add.key).value_or("")).empty()) Apply(add);
}

std::string TIniFile::Result() {
  AddWhatReadingAdds();
  return Document().Serialize();
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
  if (!Document().HasSection(section)) return;
  CheckWritable();
  AddWhatReadingAdds();
  dirty_ = Document().EraseSection(section) || dirty_;
}

void TIniFile::DeleteKey(std::string_view section, std::string_view key) {
  if (!Document().RawValue(section, key)) return;
  CheckWritable();
  AddWhatReadingAdds();
  dirty_ = Document().EraseKey(section, key) || dirty_;
}

TIniFile::CommitResult TIniFile::Commit(bool last) {
  AddWhatReadingAdds();
  if (!dirty_) return CommitResult::Unchanged;
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
