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
  explicit Mailbox1Test(const std::string& ini = kFile) : w(ini) { test::OpenTab(w, "Mailbox 1"); }
  QString Text(const char* edit) { return w.Edit(edit)->text(); }
  void Ok() { test::PressOk(w); }

  Window w;
};

TEST_F(Mailbox1Test, TheFHeaderIsInAFixedPitchFont) {
  EXPECT_TRUE(QFontInfo(w.Edit("Mail_Edit_FHeader")->font()).fixedPitch());
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
