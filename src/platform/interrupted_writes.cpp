#include "platform/interrupted_writes.h"

#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <filesystem>

#include "platform/atomic_file_writer.h"
#include "platform/file_reader.h"

namespace fs = std::filesystem;

namespace trv {
namespace {

constexpr std::size_t kTemporarySuffix = 6;  // mkstemp's XXXXXX

bool EqualNoCase(const std::string& a, const std::string& b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](unsigned char x, unsigned char y) {
           return std::toupper(x) == std::toupper(y);
         });
}

// ".NAME.XXXXXX", with exactly six letters or digits after the name.
bool IsTemporaryOf(const std::string& entry, const std::string& name) {
  const std::string prefix = "." + name + ".";
  if (entry.size() != prefix.size() + kTemporarySuffix || entry.compare(0, prefix.size(), prefix) != 0) return false;
  return std::all_of(entry.begin() + static_cast<std::ptrdiff_t>(prefix.size()), entry.end(),
                     [](unsigned char c) { return std::isalnum(c) != 0; });
}

}  // namespace

std::string BackupBeside(const std::string& hostIni) {
  const fs::path ini(hostIni);
  const std::string name = ini.stem().string() + ".BAK";
  std::error_code ec;
  for (const auto& entry : fs::directory_iterator(ini.parent_path().empty() ? "." : ini.parent_path(), ec))
    if (EqualNoCase(entry.path().filename().string(), name))
      return (ini.parent_path() / entry.path().filename()).string();
  return (ini.parent_path() / name).string();
}

std::string RestoreJournalOf(const std::string& hostIni) {
  const fs::path ini(hostIni);
  return (ini.parent_path() / ("." + ini.filename().string() + ".restore")).string();
}

void FinishInterruptedRestore(const std::string& hostIni, const std::string& hostBackup) {
  const std::string journal = RestoreJournalOf(hostIni);
  const FileContents kept = DefaultFileReader().Read(journal);
  if (kept.state == FileContents::State::Missing) return;
  if (kept.state != FileContents::State::Read) return;  // not ours to touch
  const FileContents now = DefaultFileReader().Read(hostIni);
  if (now.state == FileContents::State::Read && now.bytes != kept.bytes &&
      WriteNewFile(hostBackup, kept.bytes, hostIni).outcome != WriteResult::Outcome::Written)
    return;  // the journal stays until the backup can be written
  ::unlink(journal.c_str());
}

void RemoveStaleTemporaries(const std::string& hostIni, const std::string& hostBackup) {
  const fs::path dir = fs::path(hostIni).parent_path();
  const std::string iniName = fs::path(hostIni).filename().string();
  const std::string backupName = fs::path(hostBackup).filename().string();
  const std::string journalName = fs::path(RestoreJournalOf(hostIni)).filename().string();
  std::error_code ec;
  for (const auto& entry : fs::directory_iterator(dir.empty() ? "." : dir, ec)) {
    const std::string name = entry.path().filename().string();
    const bool ours =
        IsTemporaryOf(name, iniName) || IsTemporaryOf(name, backupName) || IsTemporaryOf(name, journalName);
    if (ours && entry.is_regular_file(ec)) ::unlink(entry.path().c_str());
  }
}

void TidyAfterInterruptedRuns(const std::string& hostIni) {
  const std::string backup = BackupBeside(hostIni);
  FinishInterruptedRestore(hostIni, backup);
  RemoveStaleTemporaries(hostIni, backup);
}

}  // namespace trv
