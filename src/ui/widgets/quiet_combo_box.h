#pragma once
// A combo box that ignores the mouse wheel unless it has the focus, so scrolling over a page
// never changes a setting.
#include <QComboBox>

namespace trv {

class QuietComboBox : public QComboBox {
 public:
  explicit QuietComboBox(QWidget* parent = nullptr);

 protected:
  void wheelEvent(QWheelEvent* event) override;
};

}  // namespace trv
