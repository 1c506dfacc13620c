#include "ui/widgets/notice_icon.h"

namespace trv {
namespace {

int IconSize(const QWidget& widget) { return widget.style()->pixelMetric(QStyle::PM_SmallIconSize); }

}  // namespace

NoticeIcon::NoticeIcon(QStyle::StandardPixmap icon, QWidget* parent) : QLabel(parent), icon_(icon) {
  setMinimumSize(IconSize(*this), IconSize(*this));  // the notice is laid out as with the icon
}

void NoticeIcon::showEvent(QShowEvent* event) {
  if (!loaded_) {
    const int size = IconSize(*this);
    setPixmap(style()->standardIcon(icon_).pixmap(size, size));
    loaded_ = true;
  }
  QLabel::showEvent(event);
}

}  // namespace trv
