#pragma once
// The small standard icon at the start of a notice line. It is looked up when the notice is
// first shown: the first look-up reads the icon theme, which costs a window that never shows
// a notice more than any of its pages.
#include <QLabel>
#include <QStyle>

namespace trv {

class NoticeIcon : public QLabel {
  Q_OBJECT

 public:
  explicit NoticeIcon(QStyle::StandardPixmap icon, QWidget* parent = nullptr);

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  QStyle::StandardPixmap icon_;
  bool loaded_ = false;
};

}  // namespace trv
