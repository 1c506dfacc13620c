#pragma once
// The calm one-line notice under the pages when loading could not use some values of
// TARVO.INI and replaced them; Details lists them. Hidden when there is nothing to say.
#include <QFrame>

#include "config/ini/ini_file.h"

class QLabel;

namespace trv {

class ModalWindows;

class LoadNotice : public QFrame {
  Q_OBJECT

 public:
  explicit LoadNotice(ModalWindows& modals, QWidget* parent = nullptr);

  // What loading found; the per-port colour keys that reading adds are not worth a notice.
  void SetFindings(const Findings& findings);
  void ShowDetails();

 private:
  ModalWindows& modals_;
  QLabel* text_;
  Findings findings_;
};

// "3 values in TARVO.INI could not be used and were replaced; OK will write the replacements."
QString LoadNoticeText(std::size_t count);

}  // namespace trv
