#pragma once
// The TNC page: the list of TNCs and the settings of the one shown.
#include <QString>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "ui/pages/settings_page.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QListWidget;
class QPushButton;
class QRadioButton;
class QToolButton;

namespace trv {

class ComPortLine;
class HeldFieldMarks;
class LimitedLineEdit;
class QrgEdit;
class TEditSectionForm;
struct TncEntry;

// A name the TNC line cannot hold (its fields are separated by commas): not offered, not taken.
bool HoldsComma(const std::string& name);

class TncPage : public SettingsPage {
  Q_OBJECT

 public:
  // `editSection` gives the edit-section dialog, made when a block is first edited.
  TncPage(PageContext context, std::function<TEditSectionForm&()> editSection, QWidget* parent = nullptr);

  void FillTncPage();
  void StoreTncPage();
  void ShowTnc(int n, bool storeShown = true);
  void StoreTnc(int n);
  // Puts what the fields show into a TNC's entry; with `inField`, an unusable QRG gives way to
  // the default in the field too.
  void StoreShownInto(TncEntry& e, bool inField) const;
  int CurrentTnc() const { return currentTnc_; }

  void ListBox1Click();
  void TNC_Speed_AddClick();
  void TNC_Speed_DeleteClick();
  void TNC_Combo_ComClick();
  void TNC_SPEED_EDITINIClick() { EditBlock(true); }
  void TNC_SPEED_EDITDEIClick() { EditBlock(false); }

 private:
  void BuildControls();
  void ConnectHandlers();
  void AddMarks();
  void RevertTable(const TncEntry* table, int count);
  QWidget* BuildDetails();
  std::vector<std::pair<std::string_view, std::vector<QWidget*>>> FieldWidgets() const;
  QGroupBox* ComPortGroup();
  void FillNumberBoxes();
  void FillBlockLists();
  void ShowPort(const TncEntry& e);
  void ShowBlockNames(int n);
  void ShowNoTnc();
  void ShowFieldHelp(int n);
  void RefillList(int count);
  void SelectLine(int row);
  void EditBlock(bool ini);
  std::string BlockName(const LimitedLineEdit* edit, std::string_view def) const;

  std::function<TEditSectionForm&()> editSection_;
  int currentTnc_ = -1;
  int baudBeforeSirq_ = -1;  // the baud box's entry while a COM port was chosen
  HeldFieldMarks* marks_ = nullptr;

  QListWidget* list_;
  QToolButton* add_;
  QToolButton* delete_;
  QWidget* details_;
  QComboBox* driver_;
  QComboBox* com_;
  QCheckBox* drsi_;
  ComPortLine* comLine_;
  QComboBox* baud_;
  QComboBox* pacLen_;
  QComboBox* channels_;
  QComboBox* ini_;
  QComboBox* dei_;
  LimitedLineEdit* iniEdit_;
  LimitedLineEdit* deiEdit_;
  QToolButton* editIni_;
  QToolButton* editDei_;
  QrgEdit* qrg_;
  QRadioButton* wa8ded_;
  QRadioButton* tnc3s_;
  QCheckBox* autoParam_;
  QCheckBox* useXHost_;
  QCheckBox* fastPoll_;
};

}  // namespace trv
