#include "ui/layout_builders.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QCoreApplication>
#include <QDialog>
#include <QFocusFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace trv {

QCheckBox* Box(const QString& caption, const char* name) { return Named(new QCheckBox(caption), name); }

QGroupBox* LabelledGroup(const char* name, const QString& caption, std::initializer_list<QWidget*> widgets,
                         bool horizontal) {
  QBoxLayout* layout = horizontal ? static_cast<QBoxLayout*>(new QHBoxLayout) : new QVBoxLayout;
  for (QWidget* w : widgets) layout->addWidget(w);
  return LabelledGroup(name, caption, layout);
}

QGroupBox* LabelledGroup(const char* name, const QString& caption, QLayout* layout) {
  auto* box = Named(new QGroupBox(caption), name);
  box->setLayout(layout);
  return box;
}

QWidget* Panel(const char* name, QLayout* layout) {
  auto* panel = Named(new QWidget, name);
  panel->setLayout(layout);
  return panel;
}

QToolButton* SmallButton(const char* name, const QString& glyph, const QString& tip) {
  auto* button = Named(new QToolButton, name);
  button->setText(glyph);
  button->setToolTip(tip);
  return button;
}

OkAbortRow MakeOkAbortRow(QDialog* dialog, const char* panelName, const QString& abortText, bool connectButtons) {
  auto* panel = Named(new QWidget(dialog), panelName);
  // The buttons are the dialog's children before setDefault: only then does the dialog record
  // OK as its default button.
  auto* ok = Named(new QPushButton(QCoreApplication::translate("trv", "&OK"), panel), "Btn_OK");
  auto* abort =
      Named(new QPushButton(abortText.isEmpty() ? QCoreApplication::translate("trv", "&Abort") : abortText, panel),
            "Btn_Abort");
  ok->setDefault(true);
  if (connectButtons) {
    QObject::connect(ok, &QPushButton::clicked, dialog, &QDialog::accept);
    QObject::connect(abort, &QPushButton::clicked, dialog, &QDialog::reject);
  }
  auto* row = new QHBoxLayout(panel);
  row->addStretch();
  row->addWidget(ok);
  row->addWidget(abort);
  return {panel, ok, abort};
}

namespace {

// A line in the highlight colour around the widget it frames.
class LineFocusFrame : public QFocusFrame {
 public:
  using QFocusFrame::QFocusFrame;

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::Highlight));
    painter.drawRect(rect().adjusted(1, 1, -2, -2));
  }
};

// Puts the frame around the list or tree of `window` (or of its dialogs) that has the focus. A
// frame rather than a style sheet: a style sheet on the window sends every control through the
// style-sheet style, which costs the first window a sixth of its start. The frame lives beside
// the widget it frames, so a closed dialog may take it along: then a new one is made.
class ListFocusTracker : public QObject {
 public:
  explicit ListFocusTracker(QWidget* window) : QObject(window), window_(window) {
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) { Follow(now); });
  }

 private:
  void Follow(QWidget* now) {
    auto* view = qobject_cast<QAbstractItemView*>(now);
    if (view == nullptr || !window_->isAncestorOf(view)) view = nullptr;
    if (frame_ == nullptr && view == nullptr) return;
    if (frame_ == nullptr) frame_ = new LineFocusFrame(window_);
    frame_->setWidget(view);
  }

  QWidget* window_;
  QPointer<QFocusFrame> frame_;
};

}  // namespace

void ShowFocusOnLists(QWidget* window) { new ListFocusTracker(window); }

void SetTabOrder(const std::vector<QWidget*>& order) {
  for (std::size_t i = 1; i < order.size(); ++i) QWidget::setTabOrder(order[i - 1], order[i]);
}

}  // namespace trv
