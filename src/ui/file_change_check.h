#pragma once
// Before OK writes: did another program change a key the window owns since the window loaded
// the file? Then the user decides whether OK writes over it, the pages are read again, or the
// window stays as it is.
#include <QString>
#include <QStringList>
#include <optional>
#include <string>
#include <vector>

#include "config/owned_values.h"

namespace trv {

class Config;
class ModalWindows;

class FileChangeCheck {
 public:
  enum class Decision { Save, Reload, Cancel };

  // Remembers what the file holds now for the keys the program owns; what reading them finds
  // goes to `findings` when given. Throws IniReadError.
  void Remember(const Config& config, Findings* findings = nullptr);
  // Save when the file still holds what was remembered, else the user's answer to the
  // question. Throws IniReadError.
  Decision Ask(const Config& config, ModalWindows& modals) const;

 private:
  std::optional<OwnedValues> remembered_;
};

inline const char* const kFileChangedText = "TARVO.INI was changed by another program since this window was opened.";
// The question: its first line, the changed keys, and what each answer does.
QString FileChangedQuestion(const std::vector<std::string>& changedKeys);
// Save anyway, Reload, Cancel: the answers in the order of FileChangeCheck::Decision.
QStringList FileChangedAnswers();

}  // namespace trv
