#include "ui/pages/settings_page.h"

#include <QVBoxLayout>

#include "config/store/sections.h"

namespace trv {

SettingsPage::SettingsPage(PageContext context, QWidget* parent)
    : QWidget(parent), config_(context.config), modals_(context.modals) {}

void SettingsPage::Serve(SectionId section, std::function<void()> fill, std::function<void()> store) {
  steps_.push_back({section, std::move(fill), std::move(store)});
}

PageSlot::PageSlot(Make make, std::function<void(SettingsPage&)> built, QWidget* parent)
    : QWidget(parent), make_(std::move(make)), built_(std::move(built)) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
}

SettingsPage& PageSlot::EnsureBuilt() {
  if (page_ != nullptr) return *page_;
  page_ = make_();
  page_->setObjectName(objectName());  // found by the tab's name, as before
  layout()->addWidget(page_);
  built_(*page_);                  // filled before it is first shown: lists size to their items
  if (isVisible()) page_->show();  // a page added to a shown slot would show only later
  return *page_;
}

void PageSlot::showEvent(QShowEvent* event) {
  EnsureBuilt();
  QWidget::showEvent(event);
}

}  // namespace trv
