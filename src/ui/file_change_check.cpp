#include "ui/file_change_check.h"

#include "ui/text_convert.h"

namespace trv {
namespace {

constexpr std::size_t kKeysNamed = 6;

// A whole section's keys ("KEY=VALUE" lines) on one line.
QString Shown(const std::string& value) {
  QString text = FromWindows(value).trimmed();
  text.replace('\n', "; ");
  return text.isEmpty() ? QCoreApplication::translate("trv", "(empty)") : text;
}

}  // namespace

QString FileChangedQuestion(const std::vector<SaveConflict>& conflicts) {
  QStringList named;
  for (std::size_t i = 0; i < conflicts.size() && i < kKeysNamed; ++i)
    named << QCoreApplication::translate("trv", "%1: %2 in the file, %3 in this window")
                 .arg(FromWindows(conflicts[i].name), Shown(conflicts[i].inFile), Shown(conflicts[i].inWindow));
  if (conflicts.size() > kKeysNamed)
    named << QCoreApplication::translate("trv", "and %1 more").arg(conflicts.size() - kKeysNamed);
  return Translated(kFileChangedText) + "\n\n" + QCoreApplication::translate("trv", "Changed in both:") + "\n" +
         named.join("\n") + "\n\n" +
         QCoreApplication::translate(
             "trv",
             "Save anyway writes the settings of this window over those changes; the other changes in the file stay. "
             "Reload reads the file again into the pages: the changes made in this window are lost. Cancel goes back "
             "to "
             "the window.");
}

QStringList FileChangedAnswers() {
  return {QCoreApplication::translate("trv", "&Save anyway"), QCoreApplication::translate("trv", "&Reload"),
          QCoreApplication::translate("trv", "&Cancel")};
}

}  // namespace trv
