#pragma once
// The main settings window: eleven pages, OK and Abort. Creating it loads every section
// and fills the pages; OK stores the pages and saves every section in the same order.
#include <QDialog>
#include <string>
#include <vector>

class QTabWidget;

namespace trv {

class Config;
class MessageBoxes;
class StationPage;
class TEditSectionForm;
class TncPage;
enum class SectionId;

inline const char* const kApplicationTitle = "Configruation program for Tarvo";

class TForm2 : public QDialog {
 public:
  TForm2(Config& config, MessageBoxes& boxes, QWidget* parent = nullptr);

  // Errors met while loading (refused colour-key writes); shown once the window is up.
  const std::vector<std::string>& LoadErrors() const { return loadErrors_; }
  TncPage& Tnc() { return *tncPage_; }
  TEditSectionForm& EditSection() { return *editSection_; }

  void Btn_OKClick();
  void Btn_AbortClick();

 private:
  void BuildPages();
  void FillPage(SectionId id);
  void StorePage(SectionId id);
  void ShowLoadErrors();

  Config& config_;
  MessageBoxes& boxes_;
  TEditSectionForm* editSection_;
  QTabWidget* pages_;
  StationPage* stationPage_;
  TncPage* tncPage_;
  std::vector<std::string> loadErrors_;
};

}  // namespace trv
