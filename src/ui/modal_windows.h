#pragma once
// Everything modal goes through this interface: message boxes, the small dialogs, file and
// folder questions. The main window receives it, so tests answer every one without a nested
// event loop.
#include <QString>
#include <QStringList>
#include <memory>

class QDialog;
class QProgressDialog;
class QWidget;

namespace trv {

class ModalWindows {
 public:
  virtual ~ModalWindows() = default;
  // The program's text, with the system's reason ("No space left on device") as the box's
  // informative text when there is one.
  virtual void ShowError(const QString& text, const QString& detail = {}) = 0;
  virtual void ShowInformation(const QString& text) = 0;
  enum class DefaultAnswer { Yes, No };
  // True when the user answers Yes; Enter gives `byDefault`.
  virtual bool AskYesNo(const QString& text, DefaultAnswer byDefault = DefaultAnswer::Yes) = 0;
  // The index of the answer the user picks among `answers`, or -1 when the box is closed. The
  // last answer is the careful one: Enter and Esc pick it.
  virtual int AskChoice(const QString& text, const QStringList& answers) = 0;
  // Shows the dialog modally and returns its result (QDialog::Accepted or Rejected).
  virtual int RunDialog(QDialog& dialog) = 0;
  // The file the user picks or types (it need not exist), or empty when cancelled.
  virtual QString AskOpenFileName(const QString& caption, const QString& directory, const QString& filter) = 0;
  // The folder the user picks, or empty when cancelled.
  virtual QString AskDirectory(const QString& caption, const QString& directory) = 0;
  // Says what the program waits for, with a Cancel button, until EndWaiting. Called again and
  // again while the wait goes on (the text may change); the window is repainted meanwhile.
  // False once the user cancelled.
  virtual bool ShowWaiting(const QString& text) = 0;
  virtual void EndWaiting() = 0;
};

// The real modal windows; message boxes carry the application title as caption.
class QtModalWindows : public ModalWindows {
 public:
  explicit QtModalWindows(QWidget* parent = nullptr);
  ~QtModalWindows() override;
  void SetParent(QWidget* parent) { parent_ = parent; }
  void ShowError(const QString& text, const QString& detail = {}) override;
  void ShowInformation(const QString& text) override;
  bool AskYesNo(const QString& text, DefaultAnswer byDefault = DefaultAnswer::Yes) override;
  int AskChoice(const QString& text, const QStringList& answers) override;
  int RunDialog(QDialog& dialog) override;
  QString AskOpenFileName(const QString& caption, const QString& directory, const QString& filter) override;
  QString AskDirectory(const QString& caption, const QString& directory) override;
  bool ShowWaiting(const QString& text) override;
  void EndWaiting() override;

 private:
  QWidget* parent_;
  std::unique_ptr<QProgressDialog> waiting_;
};

// The error text as the error box shows it: a full stop is appended when the last character
// sorts after the full stop.
QString ErrorBoxText(const QString& text);

}  // namespace trv
