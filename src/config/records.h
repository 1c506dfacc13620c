#pragma once
// The settings records of TARVO.INI, each with its initial values.
#include <array>
#include <cstdint>
#include <string>

namespace trv {

struct StationSettings {
  std::string Call = "NOCALL";  // at most 12 characters
  std::string Qth = "JN59IL";   // at most 31 characters
};

struct TncEntry {
  std::uint16_t Port = 0;
  std::uint16_t PacLen = 0;
  std::int32_t Baud = 0;
  std::uint16_t Channels = 0;
  bool AutoParam = false;
  bool UseXHost = false;
  bool FastPoll = false;
  double Qrg = 0;
  std::string IniBlock;
  std::string DeiBlock;
  std::uint8_t HostMode = 0;
  std::string Driver;
};
inline constexpr int kTncTableSize = 10;
// A TNC added on the TNC page.
TncEntry NewTncEntry();

struct DisplaySettings {
  bool EchoOwnText = true;
  std::int32_t MaxRXLines = 100;
  std::int32_t MaxTXLines = 50;
  bool SaveRX = true;
  bool SaveTX = true;
  bool FlickerFreeTX = true;
  bool FlickerFreeRX = false;
};

struct LanguageSettings {
  std::string Visual;
  std::string Output;
};

struct ExtraSettings {
  std::int32_t PollDelay = 2;
  std::string NodeCall = "NOCALL-9";
  std::int32_t NodeTimeout = 3600;  // seconds
  std::string Prompt = "(%CCALL ) de %Call >";
  std::string FortuneFile = "FORTUNE.DL";
  bool LoadDigiInfo = false;
  bool LoadSpy = true;
  bool LoadBroadcast = false;
  bool LoadDxClusterSpy = false;
  bool LoadMailbox = true;
  bool ReduceResync = false;
  bool MultiLineToolbar = true;
  std::int32_t UtcOffset = -3600;  // seconds
  std::int32_t Por = 1;
  bool DelayedDisplay = false;
  std::int16_t SuppressBin = -1;  // 0 or all bits set
  std::int32_t ConMode = 1;
};

struct MailboxSettings {
  bool PasswordRequired = false;
  std::string BoxCall = "NOCALL-7";
  std::string HPath;
  std::string SysMailTo = "XNET";
  std::string DefaultBoard;
  std::int32_t DefaultLifetime = 20;
  std::int32_t GarbageAt = 300;
  bool RestartAfterGarbage = false;
  std::int32_t Timeout = 900;  // seconds
  std::int32_t MaxBidCount = 15000;
  bool LifetimeReport = true;
  bool RoutingErrorReport = true;
  bool InsertFHeader = true;
  bool IncludeBid = true;
  bool MemoryGarbage = false;
  bool QzDos = false;
  bool ParseAllMails = false;
  bool BlinkIcon = true;
  bool BlinkLed = true;
};

struct ColorEntry {
  bool FgEnabled = true;
  bool BgEnabled = true;
  std::int16_t Fg = 0;
  std::int16_t Bg = 0;
};
inline constexpr int kColorCount = 12;
// The twelve screen elements with their fixed enable flags and references.
std::array<ColorEntry, kColorCount> InitialColorTable();

inline constexpr int kWaveCount = 7;
struct SoundSettings {
  std::array<std::string, kWaveCount> WaveFiles;
  bool OnlyLastConnectSound = true;
  bool UseMciSound = false;
  bool DisableSound = false;
};

}  // namespace trv
