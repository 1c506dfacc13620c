#pragma once
// Every message box of the program goes through this interface, so tests can answer them.
#include <QString>

class QWidget;

namespace trv {

class MessageBoxes {
 public:
  virtual ~MessageBoxes() = default;
  virtual void ShowError(const QString& text) = 0;
  virtual void ShowInformation(const QString& text) = 0;
  // True when the user answers Yes.
  virtual bool AskYesNo(const QString& text) = 0;
};

// Real modal boxes; the caption is the application title.
class QtMessageBoxes : public MessageBoxes {
 public:
  explicit QtMessageBoxes(QWidget* parent = nullptr) : parent_(parent) {}
  void SetParent(QWidget* parent) { parent_ = parent; }
  void ShowError(const QString& text) override;
  void ShowInformation(const QString& text) override;
  bool AskYesNo(const QString& text) override;

 private:
  QWidget* parent_;
};

// The error text as the error box shows it: a full stop is appended when the last character
// sorts after the full stop.
QString ErrorBoxText(const QString& text);

}  // namespace trv
