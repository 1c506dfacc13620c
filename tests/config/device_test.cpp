#include <gtest/gtest.h>

#include "config/ini/ini_errors.h"
#include "config/sections/device_section.h"
#include "config/settings/setting_catalogue.h"
#include "config/store/config.h"
#include "config/store/sections.h"
#include "test_util.h"

namespace trv {
namespace {

using test::ProgramDir;

class DeviceTest : public ::testing::Test {
 protected:
  // Reads a DEVICE section made of the given values under keys TNC0, TNC1, ...
  Config& Read(const std::vector<std::string>& values) {
    std::string ini = "[DEVICE]\n";
    for (std::size_t i = 0; i < values.size(); ++i) ini += "TNC" + std::to_string(i) + "=" + values[i] + "\n";
    p.SetIni(ini);
    config = std::make_unique<Config>(p.Files());
    ReadDeviceSection(*config);
    return *config;
  }
  ProgramDir p;
  std::unique_ptr<Config> config;
};

TEST_F(DeviceTest, NewTncLineAndFormatting) {
  TncEntry e = NewTncEntry();
  EXPECT_EQ(FormatTncLine(e), "2,248,19200,8,1,1,123.456,DEFINI,DEFDEI,0,0,TNC2.TNC");
  e.Qrg = 7;
  EXPECT_EQ(FormatTncLine(e).substr(0, 24), "2,248,19200,8,1,1,7.000,");
  // Each field in its place: neighbours hold different values.
  e = {.Port = 60,
       .PacLen = 100,
       .Baud = 57600,
       .Channels = 4,
       .AutoParam = false,
       .UseXHost = true,
       .FastPoll = true,
       .Qrg = 7,
       .IniBlock = "I",
       .DeiBlock = "D",
       .HostMode = 0,
       .Driver = "KISS.TNC"};
  EXPECT_EQ(FormatTncLine(e), "60,100,57600,4,0,1,7.000,I,D,1,0,KISS.TNC");
  // tarvoini lists them in the entry's order, FastPoll with the other flags.
  const Config c = p.MakeConfig();
  std::string listed;
  for (const CatalogueEntry& field : TncCatalogue(c, 0)) listed += field.name.substr(12) + " ";
  EXPECT_EQ(listed, "Port PacLen Baud Channels AutoParam UseXHost FastPoll Qrg IniBlock DeiBlock HostMode Driver ");
}

// Written unescaped, the next read split such a name and shifted every later field.
TEST_F(DeviceTest, ANameWithACommaIsNeverWrittenIntoTheLine) {
  Config& c = Read({"2,248,19200,8,1,1,1,DEFINI,DEFDEI,0,0,TNC2.TNC"});
  const std::string before = p.Ini();
  for (std::string TncEntry::*field : {&TncEntry::Driver, &TncEntry::IniBlock, &TncEntry::DeiBlock}) {
    TncEntry kept = c.TncTable[0];
    c.TncTable[0].*field = "A,B";
    EXPECT_THROW(WriteSection(c, SectionId::Device), IniInputError);
    EXPECT_EQ(p.Ini(), before);
    c.TncTable[0] = kept;
  }
}

TEST_F(DeviceTest, PacketLengthsAndPorts) {
  Config& c = Read({"1,250,9600,4,1,1,1,I,D", "1,20,9600,4,1,1,1,I,D", "1,256,9600,4,1,1,1,I,D",
                    "60,100,9600,4,1,1,1,I,D", "16,100,9600,4,1,1,1,I,D", "12,100,9600,4,1,1,1,I,D",
                    "316,100,x,4,1,1,1,I,D", "$80000000,100,9600,4,1,1,1,I,D"});  // the lowest number there is
  ASSERT_EQ(c.TncCount, 4);
  EXPECT_EQ(c.TncTable[0].PacLen, 248);
  EXPECT_EQ(c.TncTable[1].PacLen, 40);
  EXPECT_EQ(c.TncTable[2].Port, 60);
  EXPECT_EQ(c.TncTable[2].Baud, 57600);
  EXPECT_EQ(c.TncTable[3].Port, 12);
  EXPECT_EQ(c.TncTable[3].Baud, 9600);
  // tarvoini set takes the baud rates the reader keeps: only ports above 15 are fixed at 57600.
  const SettingCatalogue catalogue = MakeSettingCatalogue(c);
  EXPECT_TRUE(CheckSettingValue(*FindSetting(catalogue, "TncTable[3].Baud"), "19200").value);
  EXPECT_FALSE(CheckSettingValue(*FindSetting(catalogue, "TncTable[2].Baud"), "19200").value);
}

TEST_F(DeviceTest, RequiredAndOptionalFields) {
  Config& c = Read({"3,128,1200,27,0,1,144.8,MYINI,MYDEI", "3,128,1200,28,0,1,1,I,D", "3,128,1200,2,2,1,1,I,D",
                    "3,128,-1,2,1,1,1,I,D", "3,128,1200,2,1,1,1e3,I,", "3,128,1200,2,1,1,1,I,D,-1,2",
                    "3,128,1200,2,1,1,1,I,D,5,1,,ignored", "3,128,1200,2,1,1,4.5.6,I,D", "3, 128,1200,2,1,1,1,I,D"});
  ASSERT_EQ(c.TncCount, 4);
  const TncEntry& a = c.TncTable[0];
  EXPECT_EQ(a.Channels, 27);
  EXPECT_FALSE(a.AutoParam);
  EXPECT_TRUE(a.UseXHost);
  EXPECT_DOUBLE_EQ(a.Qrg, 144.8);
  EXPECT_EQ(a.IniBlock, "MYINI");
  EXPECT_FALSE(a.FastPoll);
  EXPECT_EQ(a.HostMode, 0);
  EXPECT_EQ(a.Driver, "TNC2.TNC");
  EXPECT_FALSE(c.TncTable[1].FastPoll);  // -1
  EXPECT_EQ(c.TncTable[1].HostMode, 0);  // 2
  EXPECT_TRUE(c.TncTable[2].FastPoll);   // 5
  EXPECT_EQ(c.TncTable[2].HostMode, 1);
  EXPECT_EQ(c.TncTable[3].PacLen, 128);  // a leading blank converts
}

TEST_F(DeviceTest, DriverMustExistInTheDriverDirectory) {
  test::WriteFile(p.dir / "DRIVER.TNC/kiss.tnc", "");
  Config& c = Read({"1,128,1200,2,1,1,1,I,D,0,0,kiss.tnc", "1,128,1200,2,1,1,1,I,D,0,0,none.tnc"});
  EXPECT_EQ(c.TncTable[0].Driver, "KISS.TNC");
  EXPECT_EQ(c.TncTable[1].Driver, "TNC2.TNC");
}

TEST_F(DeviceTest, EmptyOrTerminatorEndsTheReading) {
  EXPECT_EQ(Read({"1,128,1200,2,1,1,1,I,D", "END OF BLOCK", "1,128,1200,2,1,1,1,I,D"}).TncCount, 1);
  EXPECT_EQ(Read({"", "1,128,1200,2,1,1,1,I,D"}).TncCount, 0);
  EXPECT_EQ(Read({"1,128,1200,2,1,1,1,I,D", "end of block", "1,128,1200,2,1,1,1,I,D"}).TncCount, 2);
}

TEST_F(DeviceTest, RejectedLineLeavesNothingBehind) {
  Config& c = Read({"9,100,4800,3,1,1,1,I,D,1,1", "1,128,1200,2,1,1,1,I,D"});
  ASSERT_EQ(c.TncCount, 2);
  p.SetIni("[DEVICE]\nA=9,100,4800,3,0,0,abc,X,Y,1,1\nB=1,128,1200,2,1,1,1,I,D\n");
  Config fresh = p.MakeConfig();
  ReadDeviceSection(fresh);
  ASSERT_EQ(fresh.TncCount, 1);
  EXPECT_EQ(fresh.TncTable[0].Port, 1);
  EXPECT_FALSE(fresh.TncTable[0].FastPoll);
  EXPECT_EQ(fresh.TncTable[0].HostMode, 0);
}

TEST_F(DeviceTest, ReadingStopsWhenTheTableIsFull) {
  std::vector<std::string> lines(12, "1,128,1200,2,1,1,1,I,D");
  EXPECT_EQ(Read(lines).TncCount, 10);
}

TEST_F(DeviceTest, WriteRenumbersAndTerminatesInPlace) {
  p.SetIni("[DEVICE]\r\nA=1,128,1200,2,1,1,1,I,D\r\nB=2,128,1200,2,1,1,1,I,D\r\n[NEXT]\r\nx=1\r\n");
  Config c = p.MakeConfig();
  ReadDeviceSection(c);
  WriteSection(c, SectionId::Device);
  EXPECT_EQ(p.Ini(),
            "[DEVICE]\r\nTNC0=1,128,1200,2,1,1,1.000,I,D,0,0,TNC2.TNC\r\n"
            "TNC1=2,128,1200,2,1,1,1.000,I,D,0,0,TNC2.TNC\r\nTNC2=END OF BLOCK\r\n[NEXT]\r\nx=1\r\n");
  c.TncCount = 0;
  WriteSection(c, SectionId::Device);
  EXPECT_EQ(p.Ini(), "[DEVICE]\r\nTNC0=END OF BLOCK\r\n[NEXT]\r\nx=1\r\n");
}

}  // namespace
}  // namespace trv
