#include "ui/pages/settings_page.h"

#include "config/sections.h"

namespace trv {

SettingsPage::SettingsPage(PageContext context, QWidget* parent)
    : QWidget(parent), config_(context.config), modals_(context.modals) {}

void SettingsPage::Serve(SectionId section, std::function<void()> fill, std::function<void()> store) {
  steps_.push_back({section, std::move(fill), std::move(store)});
}

}  // namespace trv
