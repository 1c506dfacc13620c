#pragma once
// A line edit whose typing is limited: a maximum length, optional capitals, characters that
// may not be typed. Text the program sets is shown whole and unchanged. Only characters with
// a Windows-1252 form can be typed.
#include <QLineEdit>
#include <QString>

namespace trv {

class LimitedLineEdit : public QLineEdit {
  Q_OBJECT

 public:
  LimitedLineEdit(int limit, bool upperCase, QWidget* parent = nullptr);
  // Without a limit until SetTyping gives one.
  explicit LimitedLineEdit(QWidget* parent = nullptr) : LimitedLineEdit(kUnlimited, false, parent) {}
  void SetTyping(int limit, bool upperCase) {
    limit_ = limit;
    upperCase_ = upperCase;
  }
  static constexpr int kUnlimited = 32767;
  // How many characters can be typed.
  int Limit() const { return limit_; }
  void SetForbidden(const QString& characters) { forbidden_ = characters; }
  // Program-set text; an upper-case edit shows it in capitals.
  void SetProgramText(const QString& text);
  // Replaces an unusable entry by what the program uses instead and says so; true when it did.
  // Fields without a rule for their entries keep them.
  virtual bool ReplaceUnusable() { return false; }
  bool IsMarkedReplaced() const { return marked_; }

 signals:
  // `entry` gave way to `replacement`; `rule` says what the field takes.
  void EntryReplaced(const QString& entry, const QString& replacement, const QString& rule);
  // The user has edited the field since: the replacement is no longer news.
  void ReplacementCleared();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  // Marks the field and tells of the replacement; call after the replacement is shown.
  void ReportReplacement(const QString& entry, const QString& replacement, const QString& rule);

 private:
  void InsertTyped(QString text);
  void SetMarked(bool marked);

  int limit_;
  bool upperCase_;
  QString forbidden_;
  bool marked_ = false;
  bool told_ = false;  // a replacement was told of and the user has not edited the field since
};

}  // namespace trv
