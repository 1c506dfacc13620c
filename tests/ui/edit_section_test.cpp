#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>

#include "config/store/config.h"
#include "platform/atomic_file_writer.h"
#include "ui/dialogs/edit_section_form.h"
#include "ui/pages/tnc_page.h"
#include "ui/widgets/dos_text_edit.h"
#include "ui_test_util.h"

namespace trv {
namespace {

using test::Window;

const std::string kFile =
    "[DEVICE]\r\nTNC0=3,248,9600,8,1,1,144.800,DEFINI,DEFDEI,0,0,TNC2.TNC\r\nTNC1=END OF BLOCK\r\n"
    "[DEFINI]\r\n5=ESC M UISC\r\n9=ESC I DL1ABC\r\n10=END OF BLOCK\r\n";

// Answers the edit-section dialog with `act` instead of a modal loop.
void AnswerEditSection(Window& w, const std::function<void(TEditSectionForm&)>& act) {
  w.modals.onDialog = [act](QDialog& dialog) {
    act(static_cast<TEditSectionForm&>(dialog));
    return dialog.result();
  };
}

QPlainTextEdit* Memo(TEditSectionForm& form) { return form.findChild<QPlainTextEdit*>("Memo1"); }
void Click(TEditSectionForm& form, const char* button) { form.findChild<QPushButton*>(button)->click(); }

TEST(EditSection, ShowsTheBlockAndRenumbersItOnOk) {
  Window w(kFile);
  QString shown, title;
  AnswerEditSection(w, [&](TEditSectionForm& form) {
    shown = Memo(form)->toPlainText();
    title = form.findChild<QLabel*>("Panel1")->text();
    Memo(form)->appendPlainText("ESC K");
    Click(form, "Btn_OK");
  });
  w.Find<QToolButton>("TNC_SPEED_EDITINI")->click();
  EXPECT_EQ(title, "DEFINI");
  EXPECT_EQ(shown, "ESC M UISC\nESC I DL1ABC");
  EXPECT_NE(w.dir.Ini().find("[DEFINI]\r\n0=ESC M UISC\r\n1=ESC I DL1ABC\r\n2=ESC K\r\n"), std::string::npos)
      << w.dir.Ini();
}

// The dialog shown as the user meets it; `act` ends it or it is cancelled afterwards.
void ShowEditSection(Window& w, const std::function<void(TEditSectionForm&)>& act) {
  w.modals.onDialog = [act](QDialog& dialog) {
    dialog.show();
    QApplication::setActiveWindow(&dialog);  // as the modal loop does
    EXPECT_TRUE(QTest::qWaitForWindowActive(&dialog));
    act(static_cast<TEditSectionForm&>(dialog));
    if (dialog.isVisible()) dialog.reject();
    return dialog.result();
  };
}

TEST(EditSection, EnterPressesOkAfterAbortHadTheFocus) {
  Window w(kFile);
  QStringList focused;
  ShowEditSection(w, [&](TEditSectionForm& form) {
    QTest::mouseClick(Memo(form)->viewport(), Qt::LeftButton);
    for (int i = 0; i < 3; ++i) {  // OK, Abort, back to the editor
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      focused << QApplication::focusWidget()->objectName();
    }
    QTest::keyClick(Memo(form), Qt::Key_End, Qt::ControlModifier);
    QTest::keyClick(Memo(form), Qt::Key_Return);
    QTest::keyClicks(Memo(form), "ESC K");
    QTest::keyClick(&form, Qt::Key_Return);
  });
  w.Find<QToolButton>("TNC_SPEED_EDITINI")->click();
  EXPECT_EQ(focused, (QStringList{"Btn_OK", "Btn_Abort", "Memo1"}));
  EXPECT_NE(w.dir.Ini().find("[DEFINI]\r\n0=ESC M UISC\r\n1=ESC I DL1ABC\r\n2=ESC K\r\n"), std::string::npos)
      << w.dir.Ini();
}

TEST(EditSection, NewSectionAppearsInBothBlockListsAndTheTncKeepsIt) {
  Window w(kFile);
  QLineEdit* ini = w.Combo("TNC_COMBO_INI")->lineEdit();
  ini->setFocus();
  ini->selectAll();
  QTest::keyClick(ini, Qt::Key_Delete);
  QTest::keyClicks(ini, "MYINIT");
  AnswerEditSection(w, [](TEditSectionForm& form) {
    EXPECT_TRUE(Memo(form)->toPlainText().isEmpty());
    QTest::keyClicks(Memo(form), "ESC Y 4");
    QTest::keyClick(Memo(form), Qt::Key_Return);
    QTest::keyClicks(Memo(form), "ESC @B 600");
    Click(form, "Btn_OK");
  });
  w.Find<QToolButton>("TNC_SPEED_EDITINI")->click();
  EXPECT_NE(w.dir.Ini().find("[MYINIT]\r\n0=ESC Y 4\r\n1=ESC @B 600\r\n"), std::string::npos);
  for (const char* box : {"TNC_COMBO_INI", "TNC_COMBO_DEI"}) EXPECT_GE(w.Combo(box)->findText("MYINIT"), 0) << box;
  EXPECT_EQ(w.Combo("TNC_COMBO_INI")->currentText(), "MYINIT");
  EXPECT_EQ(w.Combo("TNC_COMBO_DEI")->currentText(), "DEFDEI");  // no such section, still shown
  EXPECT_EQ(w.config.TncTable[0].IniBlock, "MYINIT");
}

TEST(EditSection, EmptyEditorRemovesTheSection) {
  Window w(kFile);
  AnswerEditSection(w, [](TEditSectionForm& form) {
    Memo(form)->selectAll();
    QTest::keyClick(Memo(form), Qt::Key_Delete);
    QTest::keyClicks(Memo(form), "   ");
    Click(form, "Btn_OK");
  });
  w.Find<QToolButton>("TNC_SPEED_EDITINI")->click();
  EXPECT_EQ(w.dir.Ini().find("[DEFINI]"), std::string::npos);
  EXPECT_EQ(w.Combo("TNC_COMBO_INI")->findText("DEFINI"), -1);
}

TEST(EditSection, AbortAndCloseWriteNothing) {
  Window w(kFile);
  const std::string loaded = w.dir.Ini();
  for (const char* how : {"abort", "close"}) {
    AnswerEditSection(w, [how](TEditSectionForm& form) {
      QTest::keyClicks(Memo(form), "changed");
      if (std::string(how) == "abort")
        Click(form, "Btn_Abort");
      else
        form.reject();  // the title bar's close button
    });
    w.Find<QToolButton>("TNC_SPEED_EDITINI")->click();
    EXPECT_EQ(w.dir.Ini(), loaded) << how;
  }
}

TEST(EditSection, RefusedWriteKeepsTheDialogOpenWithItsText) {
  test::ScriptedWriter refuse({.passes = 0});
  Window w(kFile, {.writer = &refuse});  // the colour keys load all adds are refused too
  w.modals.errors.clear();
  bool openAfterOk = false;
  QString textAfterOk;
  ShowEditSection(w, [&](TEditSectionForm& form) {
    QTest::keyClick(Memo(form), Qt::Key_End, Qt::ControlModifier);
    QTest::keyClicks(Memo(form), "x");
    Click(form, "Btn_OK");
    openAfterOk = form.isVisible();
    textAfterOk = Memo(form)->toPlainText();
    Click(form, "Btn_Abort");
  });
  w.Find<QToolButton>("TNC_SPEED_EDITINI")->click();
  EXPECT_TRUE(openAfterOk);
  EXPECT_EQ(textAfterOk, "ESC M UISC\nESC I DL1ABCx");
  EXPECT_EQ(w.modals.errors, QStringList{"nach C:\\TARVO.INI kann nicht geschrieben werden."});
  EXPECT_EQ(w.dir.Ini(), kFile);
}

TEST(EditSection, TypedLinesAreWrittenCutTo255Characters) {
  Window w(kFile);
  ShowEditSection(w, [](TEditSectionForm& form) {
    QTest::keyClick(Memo(form), Qt::Key_End, Qt::ControlModifier);
    QTest::keyClick(Memo(form), Qt::Key_Return);
    QTest::keyClicks(Memo(form), QString(300, 'a'));
    Click(form, "Btn_OK");
  });
  w.Find<QToolButton>("TNC_SPEED_EDITINI")->click();
  EXPECT_NE(w.dir.Ini().find("\r\n2=" + std::string(255, 'a') + "\r\n"), std::string::npos) << w.dir.Ini();
}

TEST(EditSection, OkOnUnchangedLinesLeavesTheFileAsItWas) {
  Window w(
      "; Tarvo settings\r\n[DEFINI]\r\n; sent when the TNC starts\r\n0=ESC M UISC\r\n1=ESC I DL1ABC\r\n\r\n"
      "[DEVICE]\r\nTNC0=3,248,9600,8,1,1,144.800,DEFINI,DEFDEI,0,0,TNC2.TNC\r\nTNC1=END OF BLOCK\r\n");
  const std::string loaded = w.dir.Ini();
  ShowEditSection(w, [](TEditSectionForm& form) { Click(form, "Btn_OK"); });
  w.Find<QToolButton>("TNC_SPEED_EDITINI")->click();
  EXPECT_EQ(w.dir.Ini(), loaded);
}

TEST(EditSection, OnlyDosCharactersCanBeEntered) {
  Window w(kFile);
  TEditSectionForm& form = w.form->EditSection();
  form.OpenOnSection("NEW");
  test::TypeText(Memo(form), QString::fromUtf8("a\xC3\xA4\xE2\x82\xAC\xC3\x80\xE2\x96\x91"
                                               "b"));
  EXPECT_EQ(Memo(form)->toPlainText(), QString::fromUtf8("a\xC3\xA4"
                                                         "b"));  // euro, A grave, shade dropped
  EXPECT_EQ(DosTextEdit::Filtered(QString::fromUtf8("\xC2\xB5\n\xCE\xB1")), QString::fromUtf8("\xC2\xB5\n"));
}

std::string WithDefini(const std::string& block) {
  return "[DEVICE]\r\nTNC0=3,248,9600,8,1,1,144.800,DEFINI,DEFDEI,0,0,TNC2.TNC\r\nTNC1=END OF BLOCK\r\n[DEFINI]\r\n" +
         block;
}

std::string NumberedLines(int count) {
  std::string lines;
  for (int i = 0; i < count; ++i) lines += std::to_string(i) + "=L" + std::to_string(i) + "\r\n";
  return lines;
}

// A block the editor cannot show whole is said above its lines; OK without a change writes
// nothing, and saving it changed asks first, naming what it drops.
TEST(EditSection, ABlockNotShownWholeIsSaidAndSavingItChangedAsks) {
  struct Case {
    std::string block;
    const char* said;  // in the line above the text
    const char* typed;
    bool answerYes;
    const char* written;  // in the file afterwards; empty: the file as it was
  };
  const std::string longLine = "1=" + std::string(600, 'v') + "\r\n";
  const Case cases[] = {
      {"0=ESC M\r\n5=ESC I\r\n6=END OF BLOCK\r\n", "", "", true, ""},               // gaps in the numbering are normal
      {"0=\"  ESC M\"\r\n", "", "  ESC K ", true, "0=\"  ESC M\"\r\n1=ESC K\r\n"},  // typed blanks dropped
      {"0=short\r\n" + longLine, "lines longer than 255 characters: 1", "", true, ""},
      {"0=short\r\n" + longLine, "lines longer than 255 characters: 1", "ESC K", false, ""},
      {"0=short\r\n" + longLine, "", "ESC K", true, "0=short\r\n1=vvvvv"},
      {NumberedLines(4000) + longLine, "lines past what TARVO.INI lists of a block: 503", "", true, ""},
      {"0=a\r\n7=\r\nFOO=b\r\n", "keys that are not line numbers: 1; empty lines: 1", "", true, ""},
      {"0=a\r\n7=\r\nFOO=b\r\n", "", "c", true, "[DEFINI]\r\n0=a\r\n1=b\r\n2=c\r\n"},
  };
  for (const Case& c : cases) {
    Window w(WithDefini(c.block));
    const std::string before = w.dir.Ini();
    QString said;
    ShowEditSection(w, [&](TEditSectionForm& form) {
      const auto* line = form.findChild<QLabel*>("Lbl_BlockGaps");
      said = line->isVisible() ? line->text() : QString();
      w.modals.answerYes = c.answerYes;
      if (*c.typed != 0) Memo(form)->appendPlainText(c.typed);
      Click(form, "Btn_OK");
      w.modals.answerYes = true;  // throws the change away when the dialog is closed
    });
    w.Find<QToolButton>("TNC_SPEED_EDITINI")->click();
    EXPECT_EQ(said.isEmpty(), c.block.find("=\r\n") == std::string::npos && c.block.size() < 200)
        << c.block.substr(0, 40) << said.toStdString();  // the blocks without gaps: short, no empty line
    EXPECT_TRUE(said.contains(c.said)) << said.toStdString();
    const bool asked = !w.modals.questions.isEmpty() && w.modals.questions[0].startsWith("Saving [DEFINI] drops");
    EXPECT_EQ(asked, *c.typed != 0 && !said.isEmpty()) << c.block.substr(0, 40);
    if (*c.written == 0)
      EXPECT_EQ(w.dir.Ini(), before) << c.block.substr(0, 40);
    else
      EXPECT_NE(w.dir.Ini().find(c.written), std::string::npos) << w.dir.Ini();
  }
}

// Another program changed the block while the editor was open: kept when the editor's text is
// unchanged; asked about when both changed it.
TEST(EditSection, AChangeByAnotherProgramWhileOpenIsKeptOrAskedAbout) {
  struct Case {
    const char* typed;
    int answer;  // Save anyway, Reload, Cancel
    const char* written;
  };
  const Case cases[] = {
      {"", -1, "0=ESC M UISC\r\n1=FROM ELSEWHERE\r\n"},
      {"ESC K", 2, "0=ESC M UISC\r\n1=FROM ELSEWHERE\r\n"},
      {"ESC K", 1, "0=ESC M UISC\r\n1=FROM ELSEWHERE\r\n"},
      {"ESC K", 0, "0=ESC M UISC\r\n1=ESC I DL1ABC\r\n2=ESC K\r\n"},
  };
  for (const Case& c : cases) {
    Window w(kFile);
    QString shownAfter;
    ShowEditSection(w, [&](TEditSectionForm& form) {
      test::WriteFile(w.dir.dir / "TARVO.INI", WithDefini("0=ESC M UISC\r\n1=FROM ELSEWHERE\r\n"));
      if (*c.typed != 0) Memo(form)->appendPlainText(c.typed);
      w.modals.choiceAnswer = c.answer;
      Click(form, "Btn_OK");
      shownAfter = Memo(form)->toPlainText();
    });
    w.Find<QToolButton>("TNC_SPEED_EDITINI")->click();
    EXPECT_EQ(w.modals.choices.size(), *c.typed != 0 ? 3 : 0) << c.answer;  // one question of three answers
    EXPECT_NE(w.dir.Ini().find(c.written), std::string::npos) << c.answer << "\n" << w.dir.Ini();
    if (c.answer == 1) {
      EXPECT_EQ(shownAfter, "ESC M UISC\nFROM ELSEWHERE");  // Reload shows the block as it is now
    }
  }
}

// Pasted past what the key list reads back, a block came back cut, and OK on it deleted the rest.
TEST(EditSection, ABlockTheNextReadCannotListWholeIsRefusedWithItsTextKept) {
  Window w(kFile);
  const std::string before = w.dir.Ini();
  QStringList lines;
  for (std::size_t i = 0; i <= MaxFreeSectionLines(); ++i) lines << QString("L%1").arg(i);
  bool visible = false;
  AnswerEditSection(w, [&](TEditSectionForm& form) {
    Memo(form)->setPlainText(lines.join('\n'));
    Click(form, "Btn_OK");
    visible = form.result() != QDialog::Accepted;
    EXPECT_EQ(Memo(form)->toPlainText(), lines.join('\n'));
    lines.removeLast();  // one line less fits
    Memo(form)->setPlainText(lines.join('\n'));
    Click(form, "Btn_OK");
  });
  w.Find<QToolButton>("TNC_SPEED_EDITINI")->click();
  EXPECT_TRUE(visible);
  ASSERT_EQ(w.modals.infos.size(), 1);
  EXPECT_TRUE(w.modals.infos[0].contains(QString("at most %1 lines").arg(MaxFreeSectionLines())));
  std::vector<std::string> back;
  ReadFreeSection(w.config, "DEFINI", back);
  EXPECT_EQ(back.size(), MaxFreeSectionLines());
  EXPECT_NE(w.dir.Ini(), before);
  EXPECT_EQ(test::ReadFile(w.dir.dir / "TARVO.BAK"), kFile);  // the file before this run's first write
}

}  // namespace
}  // namespace trv
