#pragma once
// The Colors page: the twelve screen elements, an example text in the chosen colours, the
// 16-colour grid, and a preview of the terminal's text windows in all twelve colours. Every
// pick goes into the colour table at once; there is no store step.
#include <QColor>
#include <cstdint>

#include "ui/pages/settings_page.h"

class QLabel;
class QListWidget;

namespace trv {

class ColorGrid;
class HeldFieldMarks;
class TerminalPreview;
struct ColorEntry;
enum class ScreenElement;

// The element's line in the list, to translate in the "trv" context.
const char* ScreenElementName(ScreenElement element);

class ColorsPage : public SettingsPage {
  Q_OBJECT

 public:
  explicit ColorsPage(PageContext context, QWidget* parent = nullptr);

  void FillColorPage();
  void Color_LbClick();
  void ColorGrid1Change();

 private:
  QWidget* BuildExample();
  void ShowPreview();
  // The colour element `row` shows on one side: its own, or the one it borrows.
  QColor ShownColor(int row, std::int16_t ColorEntry::*side) const;

  QListWidget* list_;
  QLabel* example_;
  ColorGrid* grid_;
  TerminalPreview* preview_;
  HeldFieldMarks* marks_ = nullptr;
};

}  // namespace trv
