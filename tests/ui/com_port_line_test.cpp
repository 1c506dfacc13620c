// The TNC page's line of the device behind the COM port, and mapping one, over a prefix laid
// out as Wine lays it out.
#include "ui/pages/com_port_line.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>

#include "platform/wine_registry.h"
#include "platform/wine_test_prefix.h"
#include "ui_test_util.h"

namespace trv {
namespace {

namespace fs = std::filesystem;

const std::string kTncs =
    "[DEVICE]\r\nTNC0=3,248,9600,8,1,1,144.800,DEFINI,DEFDEI,0,0,TNC2.TNC\r\n"
    "TNC1=316,128,57600,4,0,1,438.125,KISSINI,DEFDEI,1,1,KISS.TNC\r\n"
    "TNC2=5,100,4800,27,1,0,7.000,ZINI,ZDEI,0,0,TNC2.TNC\r\nTNC3=END OF BLOCK\r\n";

class ComPortLineTest : public ::testing::Test {
 protected:
  ComPortLineTest() : prefix(test::MakeWinePrefix(dir)), host(test::SerialHostIn(dir)) {
    test::WriteFile(dir / "dev/ttyUSB0", "");
    fs::create_symlink("../../ttyUSB0", byId);
    Registry(3, byId);
    line = w.Find<ComPortLine>("TNC_ComPortLine");
    line->Use(prefix, host);
  }
  void Registry(int port, const std::string& device) {
    const std::string file = prefix + "/system.reg";
    test::WriteFile(file, *WithRegistryComPort(test::ReadFile(file), port, device, 0));
  }
  void Select(int row) {
    auto* list = w.Find<QListWidget>("ListBox1");
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
  }
  QString Text() {
    QCoreApplication::processEvents();  // the line is filled from the event loop
    return w.Find<QLabel>("TNC_Label_ComDevice")->text();
  }
  QPushButton* Map() { return w.Find<QPushButton>("TNC_Button_MapCom"); }

  test::TempDir dir;
  std::string prefix;
  SerialHost host;
  std::string byId = dir / "dev/serial/by-id/usb-FTDI_FT232R_USB_UART_A50285BI-if00-port0";
  test::Window w{kTncs};
  ComPortLine* line = nullptr;
};

TEST_F(ComPortLineTest, TheLineSaysWhatTheNextWineStartMapsThePortTo) {
  const QString usb = QString::fromStdString(dir / "dev/ttyUSB0");
  EXPECT_EQ(Text(), "COM 3 is " + usb + " (FTDI FT232R USB UART A50285BI, present)");
  Select(1);  // a SIRQ port: nothing
  EXPECT_TRUE(w.Find<QLabel>("TNC_Label_ComDevice")->isHidden());
  EXPECT_TRUE(Map()->isHidden());
  Select(2);
  EXPECT_EQ(Text(), "COM 5 is not mapped in this Wine prefix");
  Registry(5, dir / "dev/ttyS2");
  line->Use(prefix, host);
  EXPECT_EQ(Text(), "COM 5 is " + QString::fromStdString(dir / "dev/ttyS2") + ", which does not exist");
  host.uid = 1000;
  host.groups = {1000};
  ::chmod(usb.toLocal8Bit().constData(), 0660);
  Registry(5, dir / "dev/ttyUSB0");
  line->Use(prefix, host);
  EXPECT_TRUE(Text().startsWith("COM 5 is " + usb + ", which you may not open (add yourself to the group "));
  line->Use(dir / "no-prefix", host);
  EXPECT_TRUE(Map()->isHidden());
}

// Whatever the line says, in one line or two, or nothing for a SIRQ port, the window keeps its
// size (a window that grows as the user moves through the TNCs jumps on the screen).
TEST_F(ComPortLineTest, TheWindowKeepsItsSizeWhateverTheLineSays) {
  const auto settled = [this] {  // the window's size once its layout has done its work
    for (int i = 0; i < 3; ++i) QTest::qWait(10);
    return w.form->size();
  };
  Select(2);  // "COM 5 is not mapped in this Wine prefix": one line
  const QSize size = settled();
  for (int row : {0, 1, 2, 0, 2}) {  // two lines, none (SIRQ), one line
    Select(row);
    EXPECT_EQ(settled(), size) << row;
  }
  EXPECT_GT(w.Find<QLabel>("TNC_Label_ComDevice")->height(), 0);
}

// A system.reg that is a FIFO (or /dev/zero) is never opened to wait or read without end.
TEST_F(ComPortLineTest, ARegistryThatIsNoFileIsSaidAndNeverWaitedFor) {
  const std::string file = prefix + "/system.reg";
  for (const bool fifo : {true, false}) {
    fs::remove(file);
    if (fifo)
      ASSERT_EQ(::mkfifo(file.c_str(), 0600), 0);
    else
      fs::create_symlink("/dev/zero", file);
    line->Use(prefix, host);
    EXPECT_EQ(Text(), "COM 3: " + QString::fromStdString(file) + " cannot be read (it is not a regular file)");
  }
}

TEST_F(ComPortLineTest, MapWritesTheChosenDeviceOnlyAfterTheQuestion) {
  const std::string file = prefix + "/system.reg";
  Select(2);
  w.modals.onDialog = [](QDialog& dialog) {
    dialog.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    auto* list = dialog.findChild<QListWidget*>("SerialDeviceList");
    EXPECT_EQ(list->count(), 1);
    QTest::keyClick(list, Qt::Key_Home);
    QTest::keyClick(&dialog, Qt::Key_Return);
    return dialog.result();
  };
  const std::string before = test::ReadFile(file);
  w.modals.answerYes = false;
  QTest::mouseClick(Map(), Qt::LeftButton);
  ASSERT_EQ(w.modals.questions.size(), 1) << w.modals.dialogsRun << w.modals.infos.join("/").toStdString();
  const QString question = w.modals.questions.back();
  EXPECT_TRUE(question.contains(QString::fromStdString(file))) << question.toStdString();
  EXPECT_TRUE(question.contains("\"COM5\"=\"" + QString::fromStdString(byId) + "\"")) << question.toStdString();
  EXPECT_EQ(test::ReadFile(file), before);

  {
    fs::create_directories(test::WineServerFolder(prefix, host));
    const test::ServerLock held(test::WineServerFolder(prefix, host) + "/lock");
    QTest::mouseClick(Map(), Qt::LeftButton);
    EXPECT_EQ(w.modals.dialogsRun, 1);  // no list while Wine runs: it says so instead
    ASSERT_EQ(w.modals.infos.size(), 1);
    EXPECT_TRUE(w.modals.infos.back().startsWith("Wine is running in"));
  }
  w.modals.answerYes = true;
  QTest::mouseClick(Map(), Qt::LeftButton);
  EXPECT_EQ(RegistryComPorts(test::ReadFile(file)).at(5), byId);
  EXPECT_EQ(Text(),
            "COM 5 is " + QString::fromStdString(dir / "dev/ttyUSB0") + " (FTDI FT232R USB UART A50285BI, present)");
}

// Map... says what stands in the way before it asks: Wine running, system.reg missing or not
// writable. A typed path is taken, what is odd about the device is said in the question (its
// default answer is No: it writes outside the program folder), and Unmap removes the value.
TEST_F(ComPortLineTest, MapChecksBeforeItAsksTakesATypedPathAndCanUnmap) {
  const std::string file = prefix + "/system.reg";
  const std::string fixture = test::ReadFile(file);  // COM3 is the adapter, COM7 /dev/ttyS9
  enum Setup { Fixture, Missing, Immutable };
  enum Action { Type, Unmap };
  const struct {
    int row;  // the TNC shown: 0 is on COM 3, 2 on COM 5
    Setup setup;
    Action action;
    std::string typed;
    QString says;  // a part of the error, information or question
    std::map<int, std::string> after;
  } cases[] = {
      {2, Missing, Type, "/dev/rfcomm0", "system.reg does not exist", {}},
      {2, Immutable, Type, "/dev/rfcomm0", "system.reg cannot be written", {}},
      {2,
       Fixture,
       Type,
       "/dev/rfcomm0",
       "/dev/rfcomm0 does not exist now; Wine maps the port to it all the same.",
       {{3, byId}, {5, "/dev/rfcomm0"}, {7, "/dev/ttyS9"}}},
      {2,
       Fixture,
       Type,
       " " + byId + " ",
       QString::fromStdString(byId) + " is COM 3 as well",
       {{3, byId}, {5, byId}, {7, "/dev/ttyS9"}}},
      {2, Fixture, Type, "dev/ttyUSB1", "Type the device's full path", {{3, byId}, {7, "/dev/ttyS9"}}},
      {0, Fixture, Unmap, "", "Remove \"COM3\"=\"" + QString::fromStdString(byId) + "\"", {{7, "/dev/ttyS9"}}},
  };
  for (const auto& c : cases) {
    fs::remove_all(file);
    if (c.setup != Missing) test::WriteFile(file, fixture);
    const bool immutable = c.setup == Immutable && std::system(("chattr +i '" + file + "' 2>/dev/null").c_str()) == 0;
    if (c.setup == Immutable && !immutable) continue;  // chattr is not allowed here
    Select(c.row);
    w.modals = {};
    w.modals.onDialog = [&](QDialog& dialog) {
      dialog.show();
      EXPECT_TRUE(QTest::qWaitForWindowExposed(&dialog));
      auto* unmap = dialog.findChild<QPushButton*>("SerialDeviceUnmap");
      EXPECT_EQ(unmap->isEnabled(), c.row == 0);  // COM 5 has no value to remove
      if (c.action == Unmap) {
        QTest::mouseClick(unmap, Qt::LeftButton);
      } else {
        auto* path = dialog.findChild<QLineEdit*>("SerialDevicePath");
        path->setFocus();
        path->selectAll();
        test::TypeText(path, QString::fromStdString(c.typed));
        QTest::keyClick(path, Qt::Key_Return);
      }
      return dialog.result();
    };
    QTest::mouseClick(Map(), Qt::LeftButton);
    if (immutable) std::system(("chattr -i '" + file + "'").c_str());
    const QString said = (w.modals.errors + w.modals.infos + w.modals.questions).join("\n");
    EXPECT_TRUE(said.contains(c.says)) << c.typed << ": " << said.toStdString();
    EXPECT_EQ(w.modals.dialogsRun, c.setup == Fixture ? 1 : 0) << c.typed;  // no list before a refusal
    for (const auto byDefault : w.modals.questionDefaults) EXPECT_EQ(byDefault, ModalWindows::DefaultAnswer::No);
    if (c.setup == Fixture) {
      EXPECT_EQ(RegistryComPorts(test::ReadFile(file)), c.after) << said.toStdString();
    }
  }
}

// The real question box: Enter gives the default answer, No where the caller asks for it.
TEST(ModalQuestionTest, EnterGivesTheDefaultAnswer) {
  QtModalWindows modals;
  for (const auto byDefault : {ModalWindows::DefaultAnswer::No, ModalWindows::DefaultAnswer::Yes}) {
    QTimer::singleShot(0, [] {
      QWidget* box = QApplication::activeModalWidget();
      ASSERT_NE(box, nullptr);
      QTest::keyClick(box, Qt::Key_Return);
    });
    EXPECT_EQ(modals.AskYesNo("Map COM 3?", byDefault), byDefault == ModalWindows::DefaultAnswer::Yes);
  }
}

}  // namespace
}  // namespace trv
