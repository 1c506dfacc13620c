#include "ui/program_folder.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QSettings>
#include <filesystem>

#include "platform/remembered_folder.h"
#include "ui_test_util.h"

namespace trv {
namespace {

class ProgramFolderTest : public ::testing::Test {
 protected:
  ProgramFolderTest() : settings(QString::fromStdString(dir / "trvcfg.conf"), QSettings::IniFormat) {
    test::WriteFile(dir / "usr/bin/placeholder", "");
    test::WriteFile(dir / "TARVO/tarvo.ini", "[STATION]\r\n");
  }
  QString Path(const std::string& name) const { return QString::fromStdString(dir / name); }
  std::optional<QString> Find(const QString& option, const QString& start, bool choose = false) {
    return FindProgramFolder(option, choose, start, {folderFile, settings}, modals);
  }
  // The folder the folder file names, as tarvoini reads it.
  QString Remembered() const { return QString::fromStdString(ReadRememberedFolder(folderFile).value_or("")); }
  QString NoConfigFileQuestion(const std::string& name) const { return QString(kNoConfigFileQuestion).arg(Path(name)); }

  test::TempDir dir;
  std::string folderFile = dir / "config/trvcfg/folder";
  QSettings settings;
  test::RecordedModals modals;
};

TEST_F(ProgramFolderTest, TheCommandLineWinsThenTheStartFolder) {
  EXPECT_EQ(Find(Path("elsewhere"), Path("usr/bin")), Path("elsewhere"));
  EXPECT_EQ(Find({}, Path("TARVO")), Path("TARVO"));
  EXPECT_TRUE(modals.questions.isEmpty());
}

// A copy started from a folder without TARVO.INI (a build or download folder, not bin) asks
// before it takes that folder, and never turns silently to the remembered one.
TEST_F(ProgramFolderTest, AStartFolderWithoutTarvoIniIsUsedOnlyWhenTheUserSaysSo) {
  ASSERT_TRUE(WriteRememberedFolder(folderFile, dir / "TARVO"));
  struct Case {
    QList<int> answers;  // Choose another, Use it, Cancel; -1: the box closed
    std::optional<QString> found;
  };
  const std::vector<Case> cases = {
      {{1}, Path("opt/tarvo")}, {{2}, std::nullopt}, {{-1}, std::nullopt}, {{0}, Path("elsewhere")}};
  for (const Case& c : cases) {
    modals = {};
    modals.choiceAnswers = c.answers;
    modals.directoryAnswers = {Path("elsewhere")};
    test::WriteFile(dir / "elsewhere/TARVO.INI", "");
    EXPECT_EQ(Find({}, Path("opt/tarvo")), c.found) << c.answers.first();
    EXPECT_EQ(modals.questions.mid(0, 1), QStringList{NoConfigFileQuestion("opt/tarvo")});
    EXPECT_FALSE(std::filesystem::exists(dir / "opt/tarvo/TARVO.INI"));
  }
}

TEST_F(ProgramFolderTest, AnInstalledProgramAsksOnceAndRemembersTheAnswer) {
  EXPECT_TRUE(IsInstalledProgramFolder(Path("usr/bin")));
  modals.directoryAnswer = Path("TARVO");
  EXPECT_EQ(Find({}, Path("usr/bin")), Path("TARVO"));
  EXPECT_EQ(modals.questions, QStringList{kProgramFolderQuestion});

  modals.directoryAnswer.clear();
  EXPECT_EQ(Find({}, Path("usr/bin")), Path("TARVO"));  // remembered, not asked again
  EXPECT_EQ(modals.questions.size(), 1);
}

// The folder question's answer without TARVO.INI: Choose another, Use it, Cancel (or closed).
TEST_F(ProgramFolderTest, AFolderWithoutTarvoIniIsUsedOnlyWhenTheUserSaysSo) {
  std::filesystem::create_directories(dir / "drive_c");
  struct Case {
    QStringList folders;
    QList<int> answers;
    std::optional<QString> found;
  };
  const QString driveC = Path("drive_c"), tarvo = Path("TARVO");
  const std::vector<Case> cases = {
      {{driveC}, {2}, std::nullopt}, {{driveC}, {-1}, std::nullopt},    {{driveC}, {1}, driveC},
      {{driveC, tarvo}, {0}, tarvo}, {{driveC, {}}, {0}, std::nullopt}, {{driveC, driveC}, {0, 1}, driveC},
  };
  for (const Case& c : cases) {
    std::filesystem::remove(folderFile);
    modals = {};
    modals.directoryAnswers = c.folders;
    modals.choiceAnswers = c.answers;
    EXPECT_EQ(Find({}, Path("usr/bin")), c.found) << c.folders.join(",").toStdString();
    EXPECT_EQ(Remembered(), c.found.value_or(QString()));
    EXPECT_EQ(modals.questions.mid(0, 2), QStringList({kProgramFolderQuestion, NoConfigFileQuestion("drive_c")}));
    EXPECT_EQ(modals.choices.mid(0, 3), QStringList({"C&hoose another", "&Use it", "&Cancel"}));
    EXPECT_TRUE(std::filesystem::is_empty(dir / "drive_c"));  // nothing is created by asking
  }
}

TEST_F(ProgramFolderTest, ARememberedFolderWithoutTarvoIniAsksAndChooseAsksAgain) {
  std::filesystem::create_directories(dir / "empty");
  WriteRememberedFolder(folderFile, dir / "empty");
  modals.choiceAnswer = 1;  // Use it
  EXPECT_EQ(Find({}, Path("usr/bin")), Path("empty"));
  EXPECT_EQ(modals.questions, QStringList{NoConfigFileQuestion("empty")});

  modals = {};
  modals.directoryAnswer = Path("TARVO");
  EXPECT_EQ(Find({}, Path("usr/bin"), true), Path("TARVO"));  // --choose
  EXPECT_EQ(modals.questions, QStringList{kProgramFolderQuestion});
  EXPECT_EQ(Remembered(), Path("TARVO"));
  EXPECT_EQ(Find(Path("empty"), Path("usr/bin"), false), Path("empty"));  // --dir is taken as given
  EXPECT_EQ(modals.questions.size(), 1);
}

TEST_F(ProgramFolderTest, CancellingTheQuestionGivesNoFolderAndRemembersNothing) {
  EXPECT_EQ(Find({}, Path("usr/bin")), std::nullopt);
  EXPECT_FALSE(std::filesystem::exists(folderFile));
}

TEST_F(ProgramFolderTest, ABinFolderWithTarvoIniIsTarvosFolder) {
  test::WriteFile(dir / "usr/bin/Tarvo.Ini", "");
  EXPECT_FALSE(IsInstalledProgramFolder(Path("usr/bin")));
  EXPECT_EQ(Find({}, Path("usr/bin")), Path("usr/bin"));
}

TEST_F(ProgramFolderTest, ARememberedFolderThatIsGoneIsAskedForAgain) {
  WriteRememberedFolder(folderFile, dir / "gone");
  modals.directoryAnswer = Path("TARVO");
  EXPECT_EQ(Find({}, Path("usr/bin")), Path("TARVO"));
  EXPECT_EQ(Remembered(), Path("TARVO"));
}

// The settings file kept the folder before the folder file did: its entry moves over once,
// and the path reaches the file in UTF-8.
TEST_F(ProgramFolderTest, TheSettingsFilesFolderMovesIntoTheFolderFileOnce) {
  test::WriteFile(dir / "Funkstation Müller/TARVO.INI", "[STATION]\r\n");
  settings.setValue("programFolder", Path("Funkstation Müller"));
  EXPECT_EQ(Find({}, Path("usr/bin")), Path("Funkstation Müller"));
  EXPECT_EQ(test::ReadFile(folderFile), dir / "Funkstation M\xC3\xBCller\n");
  EXPECT_FALSE(settings.contains("programFolder"));

  settings.setValue("programFolder", Path("TARVO"));  // taken once: from now on the folder file counts
  EXPECT_EQ(Find({}, Path("usr/bin")), Path("Funkstation Müller"));
  EXPECT_TRUE(modals.questions.isEmpty());
}

TEST_F(ProgramFolderTest, TheQuestionOpensInDriveCOfThePrefixThatHoldsTheProgram) {
  test::WriteFile(dir / "prefix/drive_c/placeholder", "");
  test::WriteFile(dir / "bottle/dosdevices/placeholder", "");
  test::WriteFile(dir / "bottle/drive_c/Tarvo/bin/placeholder", "");
  const QByteArray saved = qgetenv("WINEPREFIX");
  qputenv("WINEPREFIX", QByteArray::fromStdString(dir / "prefix"));
  EXPECT_EQ(FolderQuestionStart(Path("bottle/drive_c/Tarvo/bin")), Path("bottle/drive_c"));
  EXPECT_EQ(FolderQuestionStart(Path("usr/bin")), Path("prefix/drive_c"));
  qputenv("WINEPREFIX", QByteArray::fromStdString(dir / "none"));
  EXPECT_EQ(FolderQuestionStart(Path("usr/bin")), QDir::homePath());
  qputenv("WINEPREFIX", saved);
}

TEST_F(ProgramFolderTest, AnImmutableFileOrFolderIsReportedAsNotWritable) {
  EXPECT_TRUE(ProgramFolderWritable(Path("TARVO")));
  for (const std::string& target : {dir / "TARVO/tarvo.ini", dir / "TARVO"}) {
    if (std::system(("chattr +i '" + target + "' 2>/dev/null").c_str()) != 0)
      GTEST_SKIP() << "chattr +i is not allowed here";
    const bool writable = ProgramFolderWritable(Path("TARVO"));
    std::system(("chattr -i '" + target + "'").c_str());
    EXPECT_FALSE(writable) << target;
  }
}

}  // namespace
}  // namespace trv
