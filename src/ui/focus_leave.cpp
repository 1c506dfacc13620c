#include "ui/focus_leave.h"

#include <QEvent>
#include <QObject>
#include <QWidget>

namespace trv {
namespace {

class FocusLeaveFilter : public QObject {
 public:
  FocusLeaveFilter(QWidget* widget, std::function<void()> handler) : QObject(widget), handler_(std::move(handler)) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::FocusOut) handler_();
    return QObject::eventFilter(watched, event);
  }

 private:
  std::function<void()> handler_;
};

}  // namespace

void OnFocusLeave(QWidget* widget, std::function<void()> handler) {
  widget->installEventFilter(new FocusLeaveFilter(widget, std::move(handler)));
}

}  // namespace trv
