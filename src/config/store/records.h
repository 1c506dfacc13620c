#pragma once
// The settings records of TARVO.INI, each with its initial values, and the defaults, ranges
// and widths of their settings (the pages take theirs from here too).
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace trv {

// NODETO and TIMEOUT: minutes in the file, seconds in memory.
inline constexpr std::int32_t kSecondsPerMinute = 60;

// STATION
inline constexpr std::string_view kDefaultCall = "NOCALL";
inline constexpr std::string_view kDefaultQth = "JN59IL";
inline constexpr std::size_t kCallWidth = 12;
inline constexpr std::size_t kQthWidth = 31;

struct StationSettings {
  std::string Call{kDefaultCall};  // at most kCallWidth characters
  std::string Qth{kDefaultQth};    // at most kQthWidth characters
};

// DEVICE: what a new TNC gets
inline constexpr std::uint16_t kDefaultPort = 2;
inline constexpr std::uint16_t kDefaultPacLen = 248;
inline constexpr std::int32_t kDefaultBaud = 19200;
inline constexpr std::uint16_t kDefaultChannels = 8;
inline constexpr double kDefaultQrg = 123.456;
inline constexpr std::string_view kDefaultIniBlock = "DEFINI";
inline constexpr std::string_view kDefaultDeiBlock = "DEFDEI";
inline constexpr std::string_view kDefaultDriver = "TNC2.TNC";

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
  // The DEVICE line the entry was read from; empty for an entry added since.
  std::string AsRead;
};
inline constexpr int kTncTableSize = 10;
// A TNC added on the TNC page.
TncEntry NewTncEntry();

// DISPLAY
inline constexpr std::int32_t kDefaultMaxRXLines = 100;
inline constexpr std::int32_t kMinRXLines = 100;
inline constexpr std::int32_t kMaxRXLines = 30000;
inline constexpr std::int32_t kDefaultMaxTXLines = 50;
inline constexpr std::int32_t kMinTXLines = 50;
inline constexpr std::int32_t kMaxTXLines = 500;

struct DisplaySettings {
  bool EchoOwnText = true;
  std::int32_t MaxRXLines = kDefaultMaxRXLines;
  std::int32_t MaxTXLines = kDefaultMaxTXLines;
  bool SaveRX = true;
  bool SaveTX = true;
  bool FlickerFreeTX = true;
  bool FlickerFreeRX = false;
};

// LANGUAGE
inline constexpr std::string_view kDefaultVisual = "DEUTSCH.DLL";
inline constexpr std::string_view kDefaultOutput = "DEUTSCH";

struct LanguageSettings {
  std::string Visual;
  std::string Output;
};

// EXTRA
inline constexpr std::int32_t kDefaultPollDelay = 2;
inline constexpr std::int32_t kMinPollDelay = 1;
inline constexpr std::int32_t kMaxPollDelay = 10;
inline constexpr std::int32_t kPollDelayStepMs = 50;  // the window shows the delay in ms
inline constexpr std::string_view kDefaultNodeCall = "NOCALL-9";
inline constexpr std::size_t kNodeCallWidth = 12;
inline constexpr std::int32_t kDefaultNodeTimeoutMinutes = 60;
inline constexpr std::int32_t kMinNodeTimeoutMinutes = 5;
inline constexpr std::int32_t kMaxNodeTimeoutMinutes = 90;
inline constexpr std::string_view kDefaultPrompt = "(%CCALL ) de %Call >";
inline constexpr std::string_view kDefaultFortuneFile = "FORTUNE.DL";
inline constexpr std::int32_t kDefaultUtcOffset = -3600;
inline constexpr std::int32_t kSecondsPerHour = 3600;
inline constexpr std::int32_t kMaxUtcHours = 12;  // the window offers -12 to +12 hours
inline constexpr std::int32_t kDefaultPor = 1;
inline constexpr std::int32_t kMinPor = 1;
inline constexpr std::int32_t kMaxPor = 10;
inline constexpr std::int32_t kDefaultConMode = 1;
inline constexpr std::int32_t kMinConMode = 0;
inline constexpr std::int32_t kMaxConMode = 2;

struct ExtraSettings {
  std::int32_t PollDelay = kDefaultPollDelay;
  std::string NodeCall{kDefaultNodeCall};
  std::int32_t NodeTimeout = kDefaultNodeTimeoutMinutes * kSecondsPerMinute;  // seconds
  std::string Prompt{kDefaultPrompt};
  std::string FortuneFile{kDefaultFortuneFile};
  bool LoadDigiInfo = false;
  bool LoadSpy = true;
  bool LoadBroadcast = false;
  bool LoadDxClusterSpy = false;
  bool LoadMailbox = true;
  bool ReduceResync = false;
  bool MultiLineToolbar = true;
  std::int32_t UtcOffset = kDefaultUtcOffset;  // seconds
  std::int32_t Por = kDefaultPor;
  bool DelayedDisplay = false;
  std::int16_t SuppressBin = -1;  // 0 or all bits set
  std::int32_t ConMode = kDefaultConMode;
};

// MAILBOX
inline constexpr std::string_view kDefaultBoxCall = "NOCALL-7";
inline constexpr std::size_t kBoxCallWidth = 12;
inline constexpr std::size_t kHPathWidth = 40;
inline constexpr std::string_view kDefaultSysMailTo = "XNET";
inline constexpr std::size_t kSysMailToWidth = 40;
inline constexpr std::size_t kDefaultBoardWidth = 8;
inline constexpr std::size_t kFHeaderWidth = 25;
inline constexpr std::int32_t kDefaultLifetime = 20;
inline constexpr std::int32_t kMinLifetime = 0;
inline constexpr std::int32_t kMaxLifetime = 365;
inline constexpr std::int32_t kDefaultGarbageAt = 300;
inline constexpr std::int32_t kMinGarbageAt = 0;
inline constexpr std::int32_t kMaxGarbageAt = 2359;
inline constexpr std::int32_t kDefaultTimeoutMinutes = 15;
inline constexpr std::int32_t kMinTimeoutMinutes = 5;
inline constexpr std::int32_t kMaxTimeoutMinutes = 60;
inline constexpr std::int32_t kDefaultMaxBidCount = 15000;
inline constexpr std::int32_t kMinMaxBidCount = 3000;
inline constexpr std::int32_t kMaxMaxBidCount = 150000;

struct MailboxSettings {
  bool PasswordRequired = false;
  std::string BoxCall{kDefaultBoxCall};
  std::string HPath;
  std::string SysMailTo{kDefaultSysMailTo};
  std::string DefaultBoard;
  std::int32_t DefaultLifetime = kDefaultLifetime;
  std::int32_t GarbageAt = kDefaultGarbageAt;
  bool RestartAfterGarbage = false;
  std::int32_t Timeout = kDefaultTimeoutMinutes * kSecondsPerMinute;  // seconds
  std::int32_t MaxBidCount = kDefaultMaxBidCount;
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
