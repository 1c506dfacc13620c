#pragma once
// Runs a handler whenever a widget loses the input focus (Tab, a click elsewhere, another
// window), whether or not its text changed.
#include <functional>

class QWidget;

namespace trv {

void OnFocusLeave(QWidget* widget, std::function<void()> handler);

}  // namespace trv
