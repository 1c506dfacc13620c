#include "ui/pages/colors_page.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "config/sections/screen_elements.h"
#include "config/store/config.h"
#include "config/store/sections.h"
#include "support/dos_colors.h"
#include "ui/controls.h"
#include "ui/held_field_marks.h"
#include "ui/layout_builders.h"
#include "ui/setting_tooltip.h"
#include "ui/translated.h"
#include "ui/widgets/color_grid.h"
#include "ui/widgets/terminal_preview.h"

namespace trv {
namespace {

constexpr int kListPanelWidth = 146;
constexpr int kExampleHeight = 49;

// The grid stays inactive while the page sets it up, also when a step fails.
class InactiveWhileSetting {
 public:
  explicit InactiveWhileSetting(ColorGrid& grid) : grid_(grid) { grid_.SetActive(false); }
  ~InactiveWhileSetting() { grid_.SetActive(true); }
  InactiveWhileSetting(const InactiveWhileSetting&) = delete;
  InactiveWhileSetting& operator=(const InactiveWhileSetting&) = delete;

 private:
  ColorGrid& grid_;
};

// The catalogue entries of the element's own colours.
std::vector<const CatalogueEntry*> OwnColors(const SettingCatalogue& catalogue, std::size_t element) {
  const std::string item = "ColorTable[" + std::to_string(element) + "].";
  std::vector<const CatalogueEntry*> own;
  for (const char* side : {"Fg", "Bg"})
    if (const CatalogueEntry* e = FindSetting(catalogue, item + side); e != nullptr && !e->readOnly) own.push_back(e);
  return own;
}

// As wide as the design, or as the longest element name where the font needs more.
QFrame* ListPanel(QListWidget* list) {
  constexpr int kBorder = 3;
  auto* panel = Named(new QFrame, "Color_Panel_Left");
  panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  panel->setLineWidth(1);
  auto* layout = new QVBoxLayout(panel);
  layout->setContentsMargins(kBorder, kBorder, kBorder, kBorder);
  layout->addWidget(list);
  const int content = list->sizeHintForColumn(0) + 2 * list->frameWidth() + 2 * kBorder + 2 * panel->frameWidth() + 4;
  panel->setFixedWidth(std::max(kListPanelWidth, content));
  list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  return panel;
}

}  // namespace

const char* ScreenElementName(ScreenElement element) {
  return kScreenElementNames.at(static_cast<std::size_t>(element)).data();
}

ColorsPage::ColorsPage(PageContext context, QWidget* parent)
    : SettingsPage(context, parent),
      list_(Named(new QListWidget, "Color_Lb")),
      example_(Named(new QLabel(tr("This is an example text..")), "Color_Panel_Example")),
      grid_(Named(new ColorGrid, "ColorGrid1")),
      preview_(Named(new TerminalPreview, "Color_Preview")) {
  const SettingCatalogue catalogue = ColorCatalogue();
  for (std::size_t element = 0; element < kScreenElementNames.size(); ++element) {
    list_->addItem(Translated(kScreenElementNames[element].data()));
    ShowSettingHelp(list_->item(static_cast<int>(element)), OwnColors(catalogue, element));
  }
  list_->setAccessibleName(tr("Screen elements"));
  grid_->setAccessibleName(tr("Color grid"));
  auto* gridLayout = new QVBoxLayout;
  gridLayout->setContentsMargins(0, 0, 0, 0);
  gridLayout->addWidget(grid_);
  auto* hint = Named(new QLabel(tr("Left click or F: foreground. Right click or B: background.")), "Color_Lbl_Hint");
  hint->setWordWrap(true);
  gridLayout->addWidget(hint);
  preview_->setAccessibleName(tr("Preview of the text windows"));
  auto* below = new QHBoxLayout;
  below->setContentsMargins(0, 0, 0, 0);
  below->addWidget(Panel("Color_Panel_Bottom", gridLayout), 1);
  below->addWidget(preview_, 0, Qt::AlignTop);
  auto* right = new QVBoxLayout;
  right->addWidget(BuildExample());
  right->addLayout(below, 1);
  auto* layout = new QHBoxLayout(this);
  layout->addWidget(ListPanel(list_));
  layout->addLayout(right, 1);
  SetTabOrder({list_, grid_});

  connect(list_, &QListWidget::itemSelectionChanged, this, [this] { Color_LbClick(); });
  connect(grid_, &ColorGrid::Changed, this, [this] { ColorGrid1Change(); });
  connect(preview_, &TerminalPreview::ElementClicked, this,
          [this](ScreenElement element) { list_->setCurrentRow(static_cast<int>(element)); });
  // The grid is marked for the element selected, the list for every element; a right click
  // on the grid picks a background, so its menu opens from the keyboard only.
  marks_ = new HeldFieldMarks(config_, this,
                              {.section = SectionId::Color,
                               .settings = [](const Config&) { return ColorCatalogue(); },
                               .storeShown = {},
                               .showAgain = [this] { Color_LbClick(); },
                               .revertAll = {}});
  marks_->Add(
      {grid_},
      [this] {
        std::vector<std::string> sides;
        const int row = SelectedRow(list_);
        if (row < 0 || row >= kColorCount) return sides;
        for (const char* side : {"Fg", "Bg"}) sides.push_back("ColorTable[" + std::to_string(row) + "]." + side);
        return sides;
      },
      false);
  marks_->SetList(list_);
  Serve(SectionId::Color, [this] { FillColorPage(); });
}

QWidget* ColorsPage::BuildExample() {
  example_->setAlignment(Qt::AlignCenter);
  example_->setAutoFillBackground(true);
  example_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  QPalette colors = example_->palette();
  colors.setColor(QPalette::Window, Qt::black);
  example_->setPalette(colors);
  auto* layout = new QVBoxLayout;
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(example_);
  QWidget* top = Panel("Color_Panel_Top", layout);
  QFont font("Times New Roman");
  font.setPixelSize(16);
  top->setFont(font);
  top->setFixedHeight(kExampleHeight);
  return top;
}

void ColorsPage::FillColorPage() {
  marks_->Loaded();
  {
    const QSignalBlocker quiet(list_);
    list_->setCurrentRow(0);
  }
  Color_LbClick();
}

void ColorsPage::Color_LbClick() {
  const int row = SelectedRow(list_);
  ShowSettingHelp(grid_, row < 0 ? nullptr : list_->item(row));
  if (row < 0 || row >= kColorCount) {
    grid_->SetForegroundEnabled(false);
    grid_->SetBackgroundEnabled(false);
    return;
  }
  const ColorEntry& entry = config_.ColorTable[row];
  const InactiveWhileSetting inactive(*grid_);
  // A disabled selection ignores the index: enable it first, so a single-colour element
  // still shows the colour it borrows.
  grid_->SetForegroundEnabled(true);
  grid_->SetForegroundIndex(grid_->ColorToIndex(ShownColor(row, &ColorEntry::Fg)));
  grid_->SetForegroundEnabled(entry.FgEnabled);
  grid_->SetBackgroundEnabled(true);
  grid_->SetBackgroundIndex(grid_->ColorToIndex(ShownColor(row, &ColorEntry::Bg)));
  grid_->SetBackgroundEnabled(entry.BgEnabled);
  ShowPreview();
  marks_->Update();
}

void ColorsPage::ColorGrid1Change() {
  QPalette colors = example_->palette();
  colors.setColor(QPalette::Window, grid_->BackgroundColor());
  colors.setColor(QPalette::WindowText, grid_->ForegroundColor());
  example_->setPalette(colors);

  const int row = SelectedRow(list_);
  if (!grid_->IsActive() || row < 0 || row >= kColorCount) return;
  ColorEntry& entry = config_.ColorTable[row];
  if (entry.BgEnabled) entry.Bg = static_cast<std::int16_t>(ColorToDosIndex(ValueOfColor(grid_->BackgroundColor())));
  if (entry.FgEnabled) entry.Fg = static_cast<std::int16_t>(ColorToDosIndex(ValueOfColor(grid_->ForegroundColor())));
  ShowPreview();
  marks_->Update();
}

// Every element as the colour table has it now, borrowed sides included.
void ColorsPage::ShowPreview() {
  TerminalPreview::ColorTable colors;
  for (int row = 0; row < kColorCount; ++row)
    colors[row] = {ShownColor(row, &ColorEntry::Fg), ShownColor(row, &ColorEntry::Bg)};
  preview_->SetColors(colors);
}

// -n borrows entry n's colour on the same side; a reference that leads nowhere shows black.
QColor ColorsPage::ShownColor(int row, std::int16_t ColorEntry::*side) const {
  const auto& table = config_.ColorTable;
  const int own = table[row].*side;
  const int source = own >= 0 ? row : -own;
  const int index = source < kColorCount ? table[source].*side : 0;
  return ColorOfValue(DosColorTable[index >= kMinColorIndex && index <= kMaxColorIndex ? index : 0]);
}

}  // namespace trv
