// A page is built when its tab is first shown; until then the records, read as OK would store
// them, stand for it. Whether the user looked at the pages or not, OK writes the same file.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QTabWidget>
#include <filesystem>
#include <string>

#include "page_tabs.h"
#include "ui_test_util.h"

namespace trv {
namespace {

using test::ProgramDir;
using test::Window;

const std::filesystem::path kDemo = std::filesystem::path(TEST_DATA_DIR) / ".." / ".." / "demo";

// Values each page takes in some other form than the file has them: letter case, widths,
// ranges, names of files that are not there. `~` stands for a run wider than any field.
std::string OddValues() {
  std::string ini =
      "[STATION]\r\nCALL=dl1abcdefghijk\r\nQTH=jn58tdxx\r\n"
      "[DISPLAY]\r\nSBL=lots\r\nMEL=20\r\nETD=7\r\n"
      "[COLOR]\r\nNFG=99\r\nHBG2=abc\r\n"
      "[DIR]\r\nRD=read\\\r\nWD=Q:\\NOWHERE\\\r\nSD=\r\nTD=C:\\~\r\n"
      "[SOUND]\r\nSTARTUP=BAD.WAV\r\nCONNECT=C:B.WAV\r\nRING=~\r\n"
      "[EXTRA]\r\nUTC=19800\r\nTPRI=9\r\nNODECALL=db0abc-15xyz\r\nPROMPT=~\r\nFORTUNE=fortune.dlxyz\r\n"
      "BOX=0\r\nLBROAD=1\r\n"
      "[MAILBOX]\r\nGARBAT=1275\r\nCLOSEDTIME=2200-0600,0800-0900,2200-0600\r\nTIMEOUT=61\r\nDEFLT=0\r\n"
      "HPATH=#bay.deu.eu~\r\nBOXCALL=db0box-8xyz\r\nSYSMTO=xnetxnetxnet\r\nDEFBOARD=allealleall\r\n"
      "MOBID=99999999\r\nFHEADER=~\r\n"
      "[LANGUAGE]\r\nVISUAL=KLINGON.DLL\r\nOUTPUT=\r\n"
      "[DEVICE]\r\nTNC0=316,120,57600,4,1,0,1e400,kissini~, ,3,1,kiss.tnc\r\n"
      "TNC1=0,999,123,0,9,9,abc,,,,,\r\nTNC2=END OF BLOCK\r\n";
  for (std::size_t at = ini.find('~'); at != std::string::npos; at = ini.find('~')) ini.replace(at, 1, 300, 'w');
  return ini;
}

void CopyDemoFolder(const ProgramDir& dir) {
  for (const char* folder : {"DRIVER.TNC", "LANGUAGE"})
    std::filesystem::copy(kDemo / folder, dir.dir / folder, std::filesystem::copy_options::recursive);
  std::filesystem::create_directories(dir.dir / "READ");
}

// The file OK writes, after opening every page or none.
std::string SavedByOk(const std::string& ini, bool openEveryPage) {
  Window w(ini, {}, CopyDemoFolder);
  if (openEveryPage) {
    auto* tabs = w.Find<QTabWidget>("PageControl1");
    for (int i = 0; i < tabs->count(); ++i) test::OpenTab(w, tabs->tabText(i));
  }
  test::PressOk(w);
  EXPECT_EQ(w.form->result(), QDialog::Accepted) << w.modals.errors.join("|").toStdString();
  return w.dir.Ini();
}

TEST(PageBuilding, OkWritesTheSameFileWhetherThePagesWereOpenedOrNot) {
  const struct {
    const char* name;
    std::string ini;
  } cases[] = {
      {"demo folder", test::ReadFile((kDemo / "TARVO.INI").string())},
      {"odd values", OddValues()},
  };
  for (const auto& c : cases) {
    const std::string unopened = SavedByOk(c.ini, false);
    EXPECT_NE(unopened, c.ini) << c.name;  // the file took what the window makes of it
    EXPECT_EQ(SavedByOk(c.ini, true), unopened) << c.name;
  }
}

// A page built at its first showing is filled before it shows: a list sized to its items is
// as wide as they need (the garbage-time lists came up sized for no items).
TEST(PageBuilding, ListsOfAPageBuiltLaterAreAsWideAsTheirItems) {
  Window w(OddValues());
  QWidget* page = test::OpenTab(w, "Mailbox 2");
  for (const char* name : {"Mail2_Cb_GarbageHour", "Mail2_Cb_GarbageMin"}) {
    QComboBox* box = w.Combo(name);
    QComboBox probe(page);  // the same items, style and font
    for (int item = 0; item < box->count(); ++item) probe.addItem(box->itemText(item));
    EXPECT_EQ(box->width(), probe.sizeHint().width()) << name;
  }
}

}  // namespace
}  // namespace trv
