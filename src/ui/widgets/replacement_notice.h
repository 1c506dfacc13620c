#pragma once
// The notice line under the pages for entries the window replaced (a number out of its range,
// a QRG that is no number): what was replaced by what, one line a field, until the user edits
// that field again. Hidden when there is nothing to say.
#include <QFrame>
#include <QPointer>
#include <QString>
#include <vector>

class QLabel;

namespace trv {

class LimitedLineEdit;

class ReplacementNotice : public QFrame {
  Q_OBJECT

 public:
  explicit ReplacementNotice(QWidget* parent = nullptr);
  // Tells of the field's replacements from now on.
  void Watch(LimitedLineEdit* field);
  QString Text() const;
  // Before OK saves: replaces what the watched fields still hold unchecked (OK pressed with the
  // focus in the field); true when that replaced an entry, or when the press of the click now
  // ending took the focus from one and replaced it. The user sees the replacement first.
  bool ReplaceUnseen();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct Line {
    const LimitedLineEdit* field;
    QString text;
  };
  void Add(const LimitedLineEdit* field, const QString& text);
  void Remove(const LimitedLineEdit* field);
  void Update();
  void NoteReplacementDuringClick();

  QLabel* text_;
  std::vector<Line> lines_;
  std::vector<QPointer<LimitedLineEdit>> fields_;
  bool replacedDuringClick_ = false;
};

// The caption of the group a field sits in ("MaxRXLines"), or its object name.
QString FieldCaption(const QWidget* field);

}  // namespace trv
