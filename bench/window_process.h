#pragma once
// Shared by the two window processes that scripts/bench-window times: shows a window and
// returns once the window system has it on screen.
#include <QApplication>
#include <QWidget>
#include <QWindow>

inline int ShowAndQuit(QWidget& window) {
  window.show();
  while (window.windowHandle() == nullptr || !window.windowHandle()->isExposed())
    QApplication::processEvents(QEventLoop::WaitForMoreEvents);
  QApplication::processEvents();
  return 0;
}
