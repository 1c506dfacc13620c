#include "platform/host_files.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/program_folder_files.h"
#include "test_util.h"

namespace fs = std::filesystem;

namespace trv {
namespace {

using test::TempDir;
using test::WriteFile;

TEST(DriveTable, MapsBothWaysThroughTheLongestRoot) {
  TempDir tmp;
  fs::create_directories(tmp.path() / "drive_c");
  DriveTable drives({{'c', (tmp.path() / "drive_c").string()}, {'Z', "/"}});
  EXPECT_EQ(drives.ToWindows((tmp.path() / "drive_c" / "TARVO" / "trvcfg").string()), "C:\\TARVO\\trvcfg");
  EXPECT_EQ(drives.ToWindows("/opt/tarvo/trvcfg"), "Z:\\opt\\tarvo\\trvcfg");
  EXPECT_EQ(drives.ToWindows("/opt/\xC3\xA4rger"), "Z:\\opt\\\xE4rger");  // UTF-8 name to Windows-1252
  EXPECT_FALSE(drives.ToWindows("relative/path").has_value());
  EXPECT_EQ(ProgramDirOfHostExecutable(drives, (tmp.path() / "drive_c" / "trvcfg").string()), "C:\\");
  EXPECT_EQ(ProgramDirOfHostExecutable(drives, "/opt/tarvo/trvcfg"), "Z:\\opt\\tarvo\\");
}

TEST(DriveTable, ReadsWineDosDevices) {
  TempDir tmp;
  fs::create_directories(tmp.path() / "drive_c");
  fs::create_directories(tmp.path() / "dosdevices");
  fs::create_directory_symlink("../drive_c", tmp.path() / "dosdevices" / "c:");
  fs::create_directory_symlink("/", tmp.path() / "dosdevices" / "z:");
  fs::create_symlink("/dev/ttyS0", tmp.path() / "dosdevices" / "com1");
  fs::create_directory_symlink("/nonexistent-target", tmp.path() / "dosdevices" / "d:");
  const DriveTable drives = DriveTable::FromDosDevices((tmp.path() / "dosdevices").string());
  EXPECT_EQ(drives.Letters(), (std::vector<char>{'C', 'Z'}));
  EXPECT_EQ(drives.Root('c'), fs::canonical(tmp.path() / "drive_c").string());
}

class HostFilesTest : public ::testing::Test {
 protected:
  TempDir tmp;
  HostFileSystem files{DriveTable({{'C', tmp.path().string()}}), "C:\\TARVO\\"};
};

TEST_F(HostFilesTest, PathsAreMappedWithCaseInsensitiveNames) {
  fs::create_directories(tmp.path() / "Tarvo" / "Wave");
  EXPECT_EQ(files.ToHost("C:\\TARVO\\WAVE\\X.WAV"), (tmp.path() / "Tarvo" / "Wave" / "X.WAV").string());
  EXPECT_EQ(files.ToHost("wave\\"), (tmp.path() / "Tarvo" / "Wave").string());  // relative
  EXPECT_EQ(files.ToHost("\\tarvo"), (tmp.path() / "Tarvo").string());          // rooted, own drive
  EXPECT_EQ(files.ToHost("C:\\TARVO\\..\\tarvo\\.\\WAVE"), (tmp.path() / "Tarvo" / "Wave").string());
  EXPECT_FALSE(files.ToHost("D:\\X").has_value());
  EXPECT_FALSE(files.ToHost("\\\\server\\share").has_value());
}

TEST_F(HostFilesTest, PrefersTheExactNameWhenBothSpellingsExist) {
  fs::create_directories(tmp.path() / "TARVO" / "a");
  fs::create_directories(tmp.path() / "TARVO" / "A");
  EXPECT_EQ(files.ToHost("a"), (tmp.path() / "TARVO" / "a").string());
  EXPECT_EQ(files.ToHost("A"), (tmp.path() / "TARVO" / "A").string());
}

TEST_F(HostFilesTest, CreatesNestedDirectoriesAndPassesOverFailures) {
  std::vector<std::string> made;  // what each call made, outermost first
  files.CreateDirectory("C:\\TARVO\\MAIL\\SF\\", &made);
  EXPECT_TRUE(fs::is_directory(tmp.path() / "TARVO" / "MAIL" / "SF"));
  EXPECT_EQ(made, (std::vector<std::string>{tmp / "TARVO", tmp / "TARVO/MAIL", tmp / "TARVO/MAIL/SF"}));
  files.CreateDirectory("C:\\tarvo\\mail\\HELP", &made);  // existing parents in another case
  EXPECT_TRUE(fs::is_directory(tmp.path() / "TARVO" / "MAIL" / "HELP"));
  EXPECT_FALSE(fs::exists(tmp.path() / "tarvo"));
  EXPECT_EQ(made.back(), tmp / "TARVO/MAIL/HELP");
  made.clear();
  files.CreateDirectory("C:\\TARVO\\MAIL\\SF\\", &made);  // existing: nothing happens
  EXPECT_TRUE(made.empty());
  files.CreateDirectory("Q:\\NOWHERE\\");  // unmapped drive
  WriteFile((tmp.path() / "TARVO" / "FILE").string(), "x");
  files.CreateDirectory("C:\\TARVO\\FILE\\SUB");  // a file in the way
  files.CreateDirectory("");
  EXPECT_TRUE(fs::is_regular_file(tmp.path() / "TARVO" / "FILE"));
}

TEST_F(HostFilesTest, FileExistsIsFalseForDirectories) {
  WriteFile((tmp.path() / "TARVO" / "DRIVER.TNC" / "kiss.tnc").string(), "");
  EXPECT_TRUE(files.FileExists("C:\\TARVO\\DRIVER.TNC\\KISS.TNC"));
  EXPECT_FALSE(files.FileExists("C:\\TARVO\\DRIVER.TNC\\"));
  EXPECT_FALSE(files.FileExists("C:\\TARVO\\DRIVER.TNC\\NONE.TNC"));
  EXPECT_FALSE(files.FileExists("R:\\KISS.TNC"));
  int error = -1;  // 200 of Windows-1252's 0x90 are 400 bytes in UTF-8: no such name on the host
  EXPECT_FALSE(files.FileExists("C:\\TARVO\\DRIVER.TNC\\" + std::string(200, '\x90') + ".TNC", error));
  EXPECT_EQ(error, 0);
}

// Only names Windows can open are listed: no "A:B.WLF", no device name, no trailing dot.
TEST_F(HostFilesTest, ListsMatchesByMaskInNameOrder) {
  for (const char* name : {"tnc2.tnc", "Kiss.TNC", "a.tnc.bak", "B.TNC", "readme.txt", "A:B.TNC", "CON.TNC", "x\\y.TNC",
                           "LPT1.tnc", "Q?.TNC"})
    WriteFile((tmp.path() / "TARVO" / "DRIVER.TNC" / name).string(), "");
  EXPECT_EQ(files.ListMatching("C:\\TARVO\\DRIVER.TNC\\", "*.TNC").names,
            (std::vector<std::string>{"B.TNC", "Kiss.TNC", "tnc2.tnc"}));
  EXPECT_EQ(files.ListMatching("C:\\TARVO\\driver.tnc", "?.tnc").names, (std::vector<std::string>{"B.TNC"}));
  EXPECT_TRUE(files.ListMatching("C:\\TARVO\\MISSING\\", "*.TNC").names.empty());
  EXPECT_EQ(files.ListMatching("C:\\TARVO\\MISSING\\", "*.TNC").error, 0);
}

// A folder that is there but cannot be listed is no empty folder: a symlink loop (as root,
// the one refusal a test can make without help), also when it stands above the folder.
TEST_F(HostFilesTest, AFolderThatCannotBeListedGivesItsError) {
  fs::create_directories(tmp.path() / "TARVO");
  fs::create_directory_symlink("LOOP2", tmp.path() / "TARVO" / "LOOP1");
  fs::create_directory_symlink("LOOP1", tmp.path() / "TARVO" / "LOOP2");
  for (const char* dir : {"C:\\TARVO\\LOOP1\\", "C:\\TARVO\\loop1\\", "C:\\TARVO\\LOOP1\\LANGUAGE\\"}) {
    const FileList list = files.ListMatching(dir, "*.WLF");
    EXPECT_EQ(list.error, ELOOP) << dir;
    EXPECT_TRUE(list.names.empty()) << dir;
    // Nothing is made beside a name that may be there: a failed look is no missing folder.
    EXPECT_EQ(files.Find(std::string(dir) + "TARVO.INI").state, HostLookup::State::Failed) << dir;
    EXPECT_EQ(files.CreateDirectory(std::string(dir) + "MAIL\\"), ELOOP) << dir;
  }
  EXPECT_FALSE(fs::exists(tmp.path() / "TARVO" / "loop1"));
  EXPECT_EQ(files.CreateDirectory("C:\\TARVO\\MAIL\\"), 0);
  EXPECT_EQ(files.Find("C:\\tarvo\\mail").state, HostLookup::State::Found);
  EXPECT_EQ(files.Find("C:\\tarvo\\mail\\none").host, (tmp.path() / "TARVO" / "MAIL" / "none").string());
}

TEST(Mask, StarAndQuestionMark) {
  EXPECT_TRUE(MatchesMask("DEUTSCH.DLL", "*.dll"));
  EXPECT_TRUE(MatchesMask("a.b.dll", "*.DLL"));
  EXPECT_FALSE(MatchesMask("x.dllx", "*.DLL"));
  EXPECT_TRUE(MatchesMask("ab", "a?"));
  EXPECT_FALSE(MatchesMask("a", "a?"));
  EXPECT_TRUE(MatchesMask("", "*"));
}

// The program folder's TARVO.INI in any case, a dangling link too; a folder of that name is none.
TEST(ProgramFolderFiles, FindsTheConfigFileInAnyCaseButNoFolder) {
  TempDir tmp;
  fs::create_directories(tmp.path() / "TARVO.INI.D" / "TARVO.INI");
  WriteFile(tmp.path() / "tarvo.ini", "");
  WriteFile(tmp.path() / "TARVO.INX", "");
  fs::create_symlink(tmp.path() / "gone", tmp.path() / "Tarvo.Ini");
  EXPECT_EQ(ConfigFileNames(tmp.path().string()), (std::vector<std::string>{"Tarvo.Ini", "tarvo.ini"}));
  EXPECT_FALSE(HasConfigFile((tmp.path() / "TARVO.INI.D").string()));
  EXPECT_FALSE(HasConfigFile((tmp.path() / "missing").string()));
}

}  // namespace
}  // namespace trv
