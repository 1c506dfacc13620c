#pragma once
// The whole window as a user meets it: every page, each opened by its tab, then each dialog
// shown on its own (the edit-section dialog is made at first use).
#include <QDialog>
#include <QTabWidget>
#include <functional>
#include <initializer_list>

#include "config/store/findings.h"
#include "page_tabs.h"
#include "ui/dialogs/closed_time_form.h"
#include "ui/dialogs/edit_section_form.h"
#include "ui/dialogs/load_findings_form.h"
#include "ui/dialogs/serial_device_form.h"

namespace trv::test {

// Calls `visit` with each shown page (the window, named by the tab) and each shown dialog.
inline void VisitEveryView(Window& w, const std::function<void(QWidget* view, const QString& where)>& visit) {
  auto* tabs = w.form->findChild<QTabWidget*>("PageControl1");
  for (int i = 0; i < tabs->count(); ++i) {
    OpenTab(w, tabs->tabText(i));
    visit(w.form.get(), tabs->tabText(i));
  }
  TClosedTimeForm closedTime;
  TLoadFindingsForm findings(Findings{});
  SerialDeviceForm serial(1, {{"/dev/ttyUSB0", "ttyUSB0"}}, true);
  for (QDialog* dialog : std::initializer_list<QDialog*>{&closedTime, &findings, &serial, &w.form->EditSection()}) {
    dialog->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(dialog));
    visit(dialog, dialog->objectName());
    dialog->hide();
  }
}

}  // namespace trv::test
