#include "ui/field_marks.h"

#include <QCheckBox>
#include <QEvent>
#include <QPainter>
#include <QPainterPath>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTabBar>
#include <QTabWidget>

#include "ui/layout_builders.h"

namespace trv {
namespace {

constexpr int kMarkSize = 8;

// Where a field's mark sits: the corner of a check box's box, else of the field itself.
QPoint MarkCorner(QWidget* field) {
  if (auto* box = qobject_cast<QCheckBox*>(field)) {
    QStyleOptionButton option;
    option.initFrom(box);
    const QRect indicator = box->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, box);
    return {std::max(indicator.left() - 2, 0), std::max(indicator.top() - 2, 0)};
  }
  return {0, 0};
}

}  // namespace

CornerMark::CornerMark(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setFocusPolicy(Qt::NoFocus);
  setFixedSize(kMarkSize, kMarkSize);
  hide();
}

void CornerMark::Show(Kind kind, QPoint corner) {
  kind_ = kind;
  move(corner);
  setVisible(kind != Kind::None);
  if (kind != Kind::None) raise();
  update();
}

void CornerMark::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  QPainterPath triangle;
  triangle.moveTo(0.5, 0.5);
  triangle.lineTo(kMarkSize - 0.5, 0.5);
  triangle.lineTo(0.5, kMarkSize - 0.5);
  triangle.closeSubpath();
  const QColor colour = palette().color(QPalette::Highlight);
  painter.setPen(QPen(colour, 1.5));
  painter.setBrush(kind_ == Kind::Changed ? QBrush(colour) : palette().brush(QPalette::Base));
  painter.drawPath(triangle);
}

FieldMark::FieldMark(QWidget* field)
    : CornerMark(field), field_(field), description_(field->accessibleDescription()), written_(description_) {
  setObjectName(field->objectName() + "_Mark");
  field->installEventFilter(this);
}

bool FieldMark::eventFilter(QObject* watched, QEvent* event) {
  if (watched == field_ && (event->type() == QEvent::Resize || event->type() == QEvent::Show) && Shown() != Kind::None)
    Show(Shown(), MarkCorner(field_));
  return CornerMark::eventFilter(watched, event);
}

void FieldMark::Set(bool changed, bool notDefault) {
  // A field that shows one list entry at a time takes that entry's description.
  if (changed == changed_ && notDefault == notDefault_ && field_->accessibleDescription() == written_) return;
  changed_ = changed;
  notDefault_ = notDefault;
  Update();
  emit StateChanged();
}

void FieldMark::SetShowDefaults(bool on) {
  showDefaults_ = on;
  Update();
}

void FieldMark::Update() {
  if (field_->accessibleDescription() != written_) description_ = field_->accessibleDescription();
  const bool notDefault = showDefaults_ && notDefault_;
  Show(changed_ ? Kind::Changed : notDefault ? Kind::NotDefault : Kind::None, MarkCorner(field_));
  QStringList words{description_};
  if (changed_) words << tr("Changed: OK saves a value other than the file's.");
  if (notDefault) words << tr("Differs from its default.");
  words.removeAll(QString());
  written_ = words.join('\n');
  field_->setAccessibleDescription(written_);
}

TabMarks::TabMarks(QTabWidget* tabs)
    : QObject(tabs),
      tabs_(tabs),
      switch_(Named(new QCheckBox(tr("Show se&ttings that differ from their default")), "Form_CB_ShowDefaults")) {
  switch_->setToolTip(tr("Marks every field whose value is not its default, as well as the fields you changed."));
  for (int i = 0; i < tabs_->count(); ++i) marks_.push_back(new CornerMark(tabs_->tabBar()));
  tabs_->tabBar()->installEventFilter(this);
  connect(switch_, &QCheckBox::toggled, this, [this](bool on) {
    notDefaultUnbuilt_ = on && unbuiltDefaults_ ? unbuiltDefaults_() : std::vector<bool>{};
    for (int i = 0; i < tabs_->count(); ++i) {
      for (FieldMark* mark : tabs_->widget(i)->findChildren<FieldMark*>()) mark->SetShowDefaults(on);
      UpdateTab(i);
    }
  });
}

QWidget* TabMarks::Switch() const { return switch_; }

void TabMarks::SetUnbuiltDefaults(std::function<std::vector<bool>()> notDefault) {
  unbuiltDefaults_ = std::move(notDefault);
}

void TabMarks::Watch(QWidget* page) {
  for (int i = 0; i < tabs_->count(); ++i) {
    if (tabs_->widget(i) != page && !tabs_->widget(i)->isAncestorOf(page)) continue;
    for (FieldMark* mark : page->findChildren<FieldMark*>()) {
      mark->SetShowDefaults(switch_->isChecked());
      connect(mark, &FieldMark::StateChanged, this, [this, i] { UpdateTab(i); });
    }
    UpdateTab(i);
  }
}

void TabMarks::UpdateTab(int index) {
  bool changed = false, notDefault = false;
  const QList<FieldMark*> fields = tabs_->widget(index)->findChildren<FieldMark*>();
  for (const FieldMark* mark : fields) {
    changed = changed || mark->Changed();
    notDefault = notDefault || mark->NotDefault();
  }
  if (fields.isEmpty() && static_cast<std::size_t>(index) < notDefaultUnbuilt_.size())  // a page not built yet
    notDefault = notDefaultUnbuilt_[static_cast<std::size_t>(index)];
  notDefault = notDefault && switch_->isChecked();
  const auto kind = changed      ? CornerMark::Kind::Changed
                    : notDefault ? CornerMark::Kind::NotDefault
                                 : CornerMark::Kind::None;
  marks_[index]->Show(kind, tabs_->tabBar()->tabRect(index).topLeft() + QPoint(2, 2));
  tabs_->setTabToolTip(index, changed      ? tr("This page holds changes.")
                              : notDefault ? tr("This page holds settings that differ from their default.")
                                           : QString());
}

bool TabMarks::eventFilter(QObject* watched, QEvent* event) {
  // While the tab widget is being destroyed, its tab bar still gets events: the widget is no
  // longer a QTabWidget then, and its members may not be called.
  if (qobject_cast<QTabWidget*>(parent()) == nullptr) return QObject::eventFilter(watched, event);
  if (watched == tabs_->tabBar() &&
      (event->type() == QEvent::Resize || event->type() == QEvent::LayoutRequest || event->type() == QEvent::Show))
    PlaceMarks();
  return QObject::eventFilter(watched, event);
}

void TabMarks::PlaceMarks() {
  for (int i = 0; i < tabs_->count() && i < static_cast<int>(marks_.size()); ++i)
    if (marks_[i]->Shown() != CornerMark::Kind::None)
      marks_[i]->Show(marks_[i]->Shown(), tabs_->tabBar()->tabRect(i).topLeft() + QPoint(2, 2));
}

}  // namespace trv
