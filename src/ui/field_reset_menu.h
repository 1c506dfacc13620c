#pragma once
// A field's context menu (right click, Shift+F10, the Menu key) with "Reset to default" and
// "Revert to the value in the file". It replaces the field's own menu, which a limited line
// edit has not (its Paste would bypass the typing rules).
#include <functional>

class QWidget;

namespace trv {

struct FieldUndo {
  std::function<void()> reset, revert;
  // The items are greyed where they would change nothing.
  std::function<bool()> atDefault, asLoaded;
  // False: a right click stays the field's own (the colour grid picks a background with it).
  bool byMouse = true;
};

void AddFieldResetMenu(QWidget* field, FieldUndo undo);
// What the menu's revert does, for a field that has the menu and a value other than the file's;
// false when there is nothing to revert.
bool RevertField(QWidget* field);

}  // namespace trv
