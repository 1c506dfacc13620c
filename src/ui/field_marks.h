#pragma once
// Marks of what changed: a field whose value is not the one loaded from the file (OK would
// write another) gets a small corner mark, and so does, while the window's switch "Show
// settings that differ from their default" is on, a field whose value is not its default. A
// page tab that holds a marked field is marked the same way. Screen readers hear a field's mark
// in its description, a tab's in its tooltip.
#include <QObject>
#include <QString>
#include <QWidget>
#include <functional>
#include <vector>

class QCheckBox;
class QTabWidget;

namespace trv {

// A small triangle in the top left corner of a control: filled for a change, hollow for a
// value that differs from its default.
class CornerMark : public QWidget {
  Q_OBJECT

 public:
  enum class Kind { None, NotDefault, Changed };
  explicit CornerMark(QWidget* parent);
  Kind Shown() const { return kind_; }
  void Show(Kind kind, QPoint corner);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  Kind kind_ = Kind::None;
};

// The mark of one field, made with the field's binding (it lives as the field's child).
class FieldMark : public CornerMark {
  Q_OBJECT

 public:
  explicit FieldMark(QWidget* field);
  void Set(bool changed, bool notDefault);
  void SetShowDefaults(bool on);
  bool Changed() const { return changed_; }
  bool NotDefault() const { return notDefault_; }

 signals:
  void StateChanged();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Update();

  QWidget* field_;
  QString description_;  // the field's own, before the mark's words
  QString written_;      // what the mark made of it: another text is the field's own again
  bool changed_ = false, notDefault_ = false, showDefaults_ = false;
};

// The window's part: the switch and the tabs' marks.
class TabMarks : public QObject {
  Q_OBJECT

 public:
  // The switch is made here, for the window to place.
  explicit TabMarks(QTabWidget* tabs);
  QWidget* Switch() const;
  // A page just built: its fields' marks follow the switch and mark its tab.
  void Watch(QWidget* page);
  // For the tabs whose page is not built yet: which of them hold a setting that differs from
  // its default (asked each time the switch is turned on).
  void SetUnbuiltDefaults(std::function<std::vector<bool>()> notDefault);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void UpdateTab(int index);
  void PlaceMarks();

  QTabWidget* tabs_;
  QCheckBox* switch_;
  std::vector<CornerMark*> marks_;  // one a tab
  std::function<std::vector<bool>()> unbuiltDefaults_;
  std::vector<bool> notDefaultUnbuilt_;  // as last asked, one a tab
};

}  // namespace trv
