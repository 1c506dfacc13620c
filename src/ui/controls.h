#pragma once
// Small control helpers the pages share.
#include <QComboBox>
#include <QLineEdit>
#include <QString>
#include <functional>
#include <string>
#include <vector>

class QCheckBox;
class QListWidget;

namespace trv {

class HostFileSystem;

// Entries that carry the number they stand for.
void AddNumbered(QComboBox* box, const QString& text, int number);
// The number of the selected entry, or `fallback` when nothing is selected.
int SelectedNumber(const QComboBox* box, int fallback);
// Selects the entry that carries `number`; no selection when none does.
void SelectNumber(QComboBox* box, int number);
// Selects the first entry whose text begins with `prefix`, without regard to case (as save
// all picks a listed file: in Windows-1252); no selection when none does. Returns whether one
// was selected.
bool SelectByPrefix(QComboBox* box, const QString& prefix);
// The texts of the box's entries in Windows-1252, in order.
std::vector<std::string> EntriesInWindows(const QComboBox* box);
// Runs `handler` when the box's state really changes, whether the user or the program
// changes it; setting the state it already has runs nothing.
void OnRealChange(QCheckBox* box, const std::function<void(bool)>& handler);
// The selected line of a list, -1 when none.
int SelectedRow(const QListWidget* list);

// Fills the box with the upper-cased names of the files matching `mask` in `windowsDir`,
// in name order, and selects the first. Gives the errno of a folder that exists but cannot
// be listed (the box is then empty), else 0.
int FillComboFromMask(QComboBox* box, const HostFileSystem& files, const std::string& windowsDir,
                      const std::string& mask);

}  // namespace trv
