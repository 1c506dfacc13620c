#include <gtest/gtest.h>

#include <QFontInfo>
#include <QPushButton>

#include "mailbox_test_util.h"

namespace trv {
namespace {

using test::Window;

const std::string kFile =
    "[EXTRA]\r\nPWBOX=1\r\n[MAILBOX]\r\nBOXCALL=db0abc-8\r\nHPATH=#bay.deu.eu\r\nFHEADER=DB0ABC Muenchen\r\n"
    "SYSMTO=SYSOP\r\nDEFBOARD=ALLE\r\nDEFLT=30\r\nTIMEOUT=20\r\nMOBID=20000\r\n";

class Mailbox1Test : public ::testing::Test {
 protected:
  explicit Mailbox1Test(const std::string& ini = kFile) : w(ini) { test::ClickTab(w, "Mailbox 1"); }
  QString Text(const char* edit) { return w.Edit(edit)->text(); }
  // Types into the edit and leaves it with Tab.
  void TypeAndLeave(const char* edit, const QString& text) {
    w.Type(edit, text);
    QTest::keyClick(w.Edit(edit), Qt::Key_Tab);
    EXPECT_FALSE(w.Edit(edit)->hasFocus());
  }
  void Ok() { QTest::mouseClick(w.Find<QPushButton>("Btn_OK"), Qt::LeftButton); }

  Window w;
};

TEST_F(Mailbox1Test, FillShowsTheSettingsAndTheTimeoutInMinutes) {
  EXPECT_EQ(Text("Mail_Edit_Call"), "DB0ABC-8");
  EXPECT_EQ(Text("Mail_Edit_HPath"), "#BAY.DEU.EU");  // small letters from the file shown in capitals
  EXPECT_EQ(Text("Mail_Edit_FHeader"), "DB0ABC Muenchen");
  EXPECT_EQ(Text("Mail_Edit_SysMailTo"), "SYSOP");
  EXPECT_EQ(Text("Mail_Edit_DefBoard"), "ALLE");
  EXPECT_EQ(Text("Mail_Edit_DefLT"), "30");
  EXPECT_EQ(Text("Mail_Edit_TimeOut"), "20");  // minutes, as the label beside it says
  EXPECT_EQ(Text("Mail_Edit_MaxBidCount"), "20000");
  EXPECT_TRUE(QFontInfo(w.Edit("Mail_Edit_FHeader")->font()).fixedPitch());
}

TEST_F(Mailbox1Test, TypingLimitsAndLetterCase) {
  const struct {
    const char* edit;
    QString typed, shown;
  } cases[] = {
      {"Mail_Edit_Call", "dl1abc-15x", "DL1ABC-15"},
      {"Mail_Edit_HPath", "#nrw.deu.eu" + QString(40, 'x'), ("#NRW.DEU.EU" + QString(40, 'X')).left(40)},
      {"Mail_Edit_FHeader", "DL1ABC Bonn, kleine Buchstaben bleiben", "DL1ABC Bonn, kleine Buchs"},
      {"Mail_Edit_SysMailTo", "sysop-all", "SYSOP-AL"},
      {"Mail_Edit_DefBoard", "allemeine", "ALLEMEIN"},
      {"Mail_Edit_DefLT", "1234", "123"},
      {"Mail_Edit_TimeOut", "4567", "456"},
      {"Mail_Edit_MaxBidCount", "1234567", "123456"},
  };
  for (const auto& c : cases) {
    w.Type(c.edit, c.typed);
    EXPECT_EQ(Text(c.edit), c.shown) << c.edit;
  }
}

TEST_F(Mailbox1Test, OkStoresWhatIsShownAndTheNextStartReadsItBack) {
  w.Type("Mail_Edit_Call", "dl1abc-15");
  w.Type("Mail_Edit_HPath", "#nrw.deu.eu");
  w.Type("Mail_Edit_FHeader", "DL1ABC Bonn");
  w.Type("Mail_Edit_SysMailTo", "all");
  w.Type("Mail_Edit_DefBoard", "tausch");
  w.Type("Mail_Edit_DefLT", "365");
  w.Type("Mail_Edit_TimeOut", "30");
  w.Type("Mail_Edit_MaxBidCount", "150000");
  Ok();
  ASSERT_EQ(w.form->result(), QDialog::Accepted);
  const std::string ini = w.dir.Ini();
  EXPECT_NE(ini.find("TIMEOUT=30\r\n"), std::string::npos) << ini;
  const auto next = test::ReadBack(w);
  EXPECT_EQ(next->Mailbox.BoxCall, "DL1ABC-15");
  EXPECT_EQ(next->Mailbox.HPath, "#NRW.DEU.EU");
  EXPECT_EQ(next->FHeaderText.HeaderText(), "DL1ABC Bonn");
  EXPECT_EQ(next->Mailbox.SysMailTo, "ALL");
  EXPECT_EQ(next->Mailbox.DefaultBoard, "TAUSCH");
  EXPECT_EQ(next->Mailbox.DefaultLifetime, 365);
  EXPECT_EQ(next->Mailbox.Timeout, 30 * 60);  // 30 minutes, not 30 seconds
  EXPECT_EQ(next->Mailbox.MaxBidCount, 150000);
  EXPECT_TRUE(next->Mailbox.PasswordRequired);  // a setting of the other page, kept
}

TEST_F(Mailbox1Test, EmptyHeaderStoresTheStandardHeader) {
  w.Type("Mail_Edit_FHeader", "");
  Ok();
  EXPECT_EQ(test::ReadBack(w)->FHeaderText.HeaderText(), "NOCALL NONAMECITY");
}

TEST_F(Mailbox1Test, LeavingANumberEditReplacesAnUnusableEntryByTheDefault) {
  const struct {
    const char* edit;
    QString typed, shown;
  } cases[] = {
      {"Mail_Edit_DefLT", "400", "20"},
      {"Mail_Edit_DefLT", "ABC", "20"},
      {"Mail_Edit_DefLT", "0", "0"},
      {"Mail_Edit_TimeOut", "2", "15"},
      {"Mail_Edit_TimeOut", "61", "15"},
      {"Mail_Edit_TimeOut", "", "15"},
      {"Mail_Edit_TimeOut", "5", "5"},
      {"Mail_Edit_MaxBidCount", "2999", "15000"},
      {"Mail_Edit_MaxBidCount", "3000", "3000"},
  };
  for (const auto& c : cases) {
    TypeAndLeave(c.edit, c.typed);
    EXPECT_EQ(Text(c.edit), c.shown) << c.edit << " " << c.typed.toStdString();
  }
}

TEST_F(Mailbox1Test, EnterInANumberEditStoresTheDefaultForAnUnusableEntry) {
  w.Type("Mail_Edit_DefLT", "400");
  QTest::keyClick(w.Edit("Mail_Edit_DefLT"), Qt::Key_Return);  // OK, with the focus still in the edit
  EXPECT_TRUE(w.form->isVisible());                            // shows the replacement first
  QTest::keyClick(w.Edit("Mail_Edit_DefLT"), Qt::Key_Return);
  ASSERT_EQ(w.form->result(), QDialog::Accepted);
  EXPECT_NE(w.dir.Ini().find("DEFLT=20\r\n"), std::string::npos);  // not 400, which the next start would drop
  EXPECT_EQ(Text("Mail_Edit_DefLT"), "20");
}

class Mailbox1EmptyFileTest : public Mailbox1Test {
 protected:
  Mailbox1EmptyFileTest() : Mailbox1Test("") {}
};

TEST_F(Mailbox1EmptyFileTest, DefaultsAreShownAndWrittenBackUnchanged) {
  EXPECT_EQ(Text("Mail_Edit_Call"), "NOCALL-7");
  EXPECT_EQ(Text("Mail_Edit_FHeader"), "NOCALL NONAMECITY");
  EXPECT_EQ(Text("Mail_Edit_SysMailTo"), "XNET");
  EXPECT_EQ(Text("Mail_Edit_DefLT"), "20");
  EXPECT_EQ(Text("Mail_Edit_TimeOut"), "15");  // 900 seconds
  EXPECT_EQ(Text("Mail_Edit_MaxBidCount"), "15000");
  Ok();
  const std::string ini = w.dir.Ini();
  for (const char* line : {"BOXCALL=NOCALL-7\r\n", "FHEADER=NOCALL NONAMECITY\r\n", "DEFLT=20\r\n", "TIMEOUT=15\r\n",
                           "MOBID=15000\r\n", "HPATH=\r\n"})
    EXPECT_NE(ini.find(line), std::string::npos) << line;
}

}  // namespace
}  // namespace trv
