#include "ui/form2.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

#include "config/config.h"
#include "config/sections.h"
#include "ui/edit_section_form.h"
#include "ui/message_boxes.h"
#include "ui/station_page.h"
#include "ui/text_convert.h"
#include "ui/tnc_page.h"

namespace trv {
namespace {

constexpr QSize kDesignSize(514, 365);
constexpr int kButtonPanelHeight = 41;

QWidget* EmptyPage() { return new QWidget; }

}  // namespace

TForm2::TForm2(Config& config, MessageBoxes& boxes, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint),
      config_(config),
      boxes_(boxes),
      editSection_(new TEditSectionForm(config, boxes, this)) {
  setObjectName("Form2");
  setWindowTitle("TRVCFG for Tarvo32 v0.4");
  BuildPages();
  loadErrors_ = LoadAll(config_, [this](SectionId id) { FillPage(id); });
  if (!loadErrors_.empty()) QTimer::singleShot(0, this, [this] { ShowLoadErrors(); });
}

void TForm2::BuildPages() {
  pages_ = new QTabWidget;
  pages_->setObjectName("PageControl1");
  pages_->setUsesScrollButtons(false);
  pages_->setMinimumSize(kDesignSize.width(), kDesignSize.height() - kButtonPanelHeight);
  stationPage_ = new StationPage;
  tncPage_ = new TncPage(config_, boxes_, *editSection_);
  const std::vector<std::pair<QWidget*, QString>> tabs = {
      {tncPage_, "TNC"},          {stationPage_, "Station"},  {EmptyPage(), "Display"},  {EmptyPage(), "Directory"},
      {EmptyPage(), "Extra"},     {EmptyPage(), "Moduls"},    {EmptyPage(), "Sound"},    {EmptyPage(), "Colors"},
      {EmptyPage(), "Languages"}, {EmptyPage(), "Mailbox 1"}, {EmptyPage(), "Mailbox 2"}};
  for (std::size_t i = 0; i < tabs.size(); ++i) {
    tabs[i].first->setObjectName(QString("TabSheet%1").arg(i + 1));
    pages_->addTab(tabs[i].first, tabs[i].second);
  }
  pages_->setCurrentIndex(0);

  auto* ok = new QPushButton("OK");
  ok->setObjectName("Btn_OK");
  ok->setDefault(true);
  auto* abort = new QPushButton("Abort");
  abort->setObjectName("Btn_Abort");
  connect(ok, &QPushButton::clicked, this, [this] { Btn_OKClick(); });
  connect(abort, &QPushButton::clicked, this, [this] { Btn_AbortClick(); });

  auto* top = new QWidget;
  top->setObjectName("Panel_Main_Top");
  (new QVBoxLayout(top))->addWidget(pages_);
  top->layout()->setContentsMargins(0, 0, 0, 0);
  auto* bottom = new QWidget;
  bottom->setObjectName("Panel1");
  bottom->setMinimumHeight(kButtonPanelHeight);
  auto* buttons = new QHBoxLayout(bottom);
  buttons->addStretch();
  buttons->addWidget(ok);
  buttons->addWidget(abort);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(top, 1);
  layout->addWidget(bottom);
  layout->setSizeConstraint(QLayout::SetFixedSize);  // not resizable
}

void TForm2::FillPage(SectionId id) {
  switch (id) {
    case SectionId::Station: stationPage_->FillStationPage(config_); break;
    case SectionId::Device: tncPage_->FillTncPage(); break;
    default: break;
  }
}

void TForm2::StorePage(SectionId id) {
  switch (id) {
    case SectionId::Station: stationPage_->StoreStationPage(config_); break;
    case SectionId::Device: tncPage_->StoreTncPage(); break;
    default: break;
  }
}

void TForm2::ShowLoadErrors() {
  for (const auto& error : loadErrors_) boxes_.ShowError(FromWindows(error));
}

void TForm2::Btn_OKClick() {
  try {
    SaveAll(config_, [this](SectionId id) { StorePage(id); });
  } catch (const std::exception& e) {
    boxes_.ShowError(FromWindows(e.what()));
    return;  // the window stays open
  }
  accept();
}

void TForm2::Btn_AbortClick() { reject(); }

}  // namespace trv
