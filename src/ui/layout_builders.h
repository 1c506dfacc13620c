#pragma once
// The small layout builders every page and dialog uses: named controls, labelled group boxes,
// plain panels, the OK/Abort row and the tab order.
#include <QString>
#include <initializer_list>
#include <vector>

class QCheckBox;
class QDialog;
class QGroupBox;
class QLayout;
class QPushButton;
class QToolButton;
class QWidget;

namespace trv {

template <class T>
T* Named(T* widget, const char* name) {
  widget->setObjectName(name);
  return widget;
}

// A named check box.
QCheckBox* Box(const QString& caption, const char* name);
// A group box with a caption holding the widgets in a column (or a row).
QGroupBox* LabelledGroup(const char* name, const QString& caption, std::initializer_list<QWidget*> widgets,
                         bool horizontal = false);
// A group box with a caption around a layout of the caller's.
QGroupBox* LabelledGroup(const char* name, const QString& caption, QLayout* layout);
// A plain named widget around a layout.
QWidget* Panel(const char* name, QLayout* layout);
// A small tool button with a glyph and a tool tip.
QToolButton* SmallButton(const char* name, const QString& glyph, const QString& tip);

struct OkAbortRow {
  QWidget* panel;
  QPushButton* ok;
  QPushButton* abort;
};
// The buttons at the right of a bottom panel; OK is the dialog's default button (Enter presses
// it whichever button had the focus before), OK accepts and Abort rejects unless the caller
// connects them otherwise.
OkAbortRow MakeOkAbortRow(QDialog* dialog, const char* panelName, const QString& abortText = {},
                          bool connectButtons = true);

// Lists and trees in `window` show that they have the focus also when they are empty (the style
// draws the focus only around a current line).
void ShowFocusOnLists(QWidget* window);

// Tab moves through the widgets in the given order.
void SetTabOrder(const std::vector<QWidget*>& order);

}  // namespace trv
