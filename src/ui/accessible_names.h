#pragma once
// Names for screen readers: every control that takes the focus is read by a name.
class QWidget;

namespace trv {

// Gives each control in `root` that takes the focus and has no name yet (or one
// without a word) the name a user sees
// for it: the caption of the group around it (Qt reads a group's caption only for a field that
// sits directly in the group) or, for a small glyph button, its tool tip.
void NameUnnamedControls(QWidget* root);

}  // namespace trv
