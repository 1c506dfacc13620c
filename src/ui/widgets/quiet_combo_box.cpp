#include "ui/widgets/quiet_combo_box.h"

#include <QWheelEvent>

namespace trv {

QuietComboBox::QuietComboBox(QWidget* parent) : QComboBox(parent) {
  // The default policy takes the focus on the wheel, before the wheel handler asks for it.
  setFocusPolicy(Qt::StrongFocus);
}

void QuietComboBox::wheelEvent(QWheelEvent* event) {
  if (hasFocus())
    QComboBox::wheelEvent(event);
  else
    event->ignore();
}

}  // namespace trv
