#include "ui/file_change_check.h"

#include "ui/modal_windows.h"
#include "ui/text_convert.h"

namespace trv {
namespace {

constexpr std::size_t kKeysNamed = 6;

}  // namespace

void FileChangeCheck::Remember(const Config& config, Findings* findings) {
  remembered_ = OwnedValues::Read(config, findings);
}

FileChangeCheck::Decision FileChangeCheck::Ask(const Config& config, ModalWindows& modals) const {
  if (!remembered_) return Decision::Save;
  const std::vector<std::string> changed = OwnedValues::Read(config).ChangedSince(*remembered_);
  if (changed.empty()) return Decision::Save;
  switch (modals.AskChoice(FileChangedQuestion(changed), FileChangedAnswers())) {
    case 0: return Decision::Save;
    case 1: return Decision::Reload;
    default: return Decision::Cancel;  // Cancel, or the box closed
  }
}

QString FileChangedQuestion(const std::vector<std::string>& changedKeys) {
  QStringList named;
  for (std::size_t i = 0; i < changedKeys.size() && i < kKeysNamed; ++i) named << FromWindows(changedKeys[i]);
  if (changedKeys.size() > kKeysNamed) named << QString("and %1 more").arg(changedKeys.size() - kKeysNamed);
  return QString(kFileChangedText) + "\n\nChanged: " + named.join(", ") +
         "\n\nSave anyway writes the settings of this window over those changes. Reload reads the file again "
         "into the pages: the changes made in this window are lost. Cancel goes back to the window.";
}

QStringList FileChangedAnswers() { return {"Save anyway", "Reload", "Cancel"}; }

}  // namespace trv
