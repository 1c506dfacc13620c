#pragma once
// The settings of STATION, DISPLAY, LANGUAGE, EXTRA and MAILBOX, each declared once, in the
// order in which they are written.
#include <array>

#include "config/setting_table.h"

namespace trv {

inline constexpr std::array<Setting<StationSettings>, 2> kStationSettings = {{
    TextSetting<StationSettings>{"STATION", "CALL", "Call", &StationSettings::Call, kDefaultCall, kCallWidth,
                                 TextCase::UpperAscii},
    TextSetting<StationSettings>{"STATION", "QTH", "Qth", &StationSettings::Qth, kDefaultQth, kQthWidth,
                                 TextCase::UpperAscii},
}};

inline constexpr std::array<Setting<DisplaySettings>, 7> kDisplaySettings = {{
    FlagSetting<DisplaySettings>{"DISPLAY", "ETD", "EchoOwnText", &DisplaySettings::EchoOwnText, true},
    IntSetting<DisplaySettings>{"DISPLAY", "SBL", "MaxRXLines", &DisplaySettings::MaxRXLines, kDefaultMaxRXLines,
                                kMinRXLines, kMaxRXLines},
    IntSetting<DisplaySettings>{"DISPLAY", "MEL", "MaxTXLines", &DisplaySettings::MaxTXLines, kDefaultMaxTXLines,
                                kMinTXLines, kMaxTXLines},
    FlagSetting<DisplaySettings>{"DISPLAY", "SAVERX", "SaveRX", &DisplaySettings::SaveRX, true},
    FlagSetting<DisplaySettings>{"DISPLAY", "SAVETX", "SaveTX", &DisplaySettings::SaveTX, true},
    FlagSetting<DisplaySettings>{"DISPLAY", "EDITBB", "FlickerFreeTX", &DisplaySettings::FlickerFreeTX, true},
    FlagSetting<DisplaySettings>{"DISPLAY", "RXBB", "FlickerFreeRX", &DisplaySettings::FlickerFreeRX, false},
}};

inline constexpr std::array<Setting<LanguageSettings>, 2> kLanguageSettings = {{
    TextSetting<LanguageSettings>{"LANGUAGE", "VISUAL", "Visual", &LanguageSettings::Visual, kDefaultVisual},
    TextSetting<LanguageSettings>{"LANGUAGE", "OUTPUT", "Output", &LanguageSettings::Output, kDefaultOutput},
}};

// The sound switches and PWBOX of the same section belong to their own records.
inline constexpr std::array<Setting<ExtraSettings>, 17> kExtraSettings = {{
    TextSetting<ExtraSettings>{"EXTRA", "NODECALL", "NodeCall", &ExtraSettings::NodeCall, kDefaultNodeCall,
                               kNodeCallWidth, TextCase::UpperDos},
    IntSetting<ExtraSettings>{"EXTRA", "NODETO", "NodeTimeout", &ExtraSettings::NodeTimeout, kDefaultNodeTimeoutMinutes,
                              kMinNodeTimeoutMinutes, kMaxNodeTimeoutMinutes, true, 5, 60},
    TextSetting<ExtraSettings>{"EXTRA", "PROMPT", "Prompt", &ExtraSettings::Prompt, kDefaultPrompt},
    TextSetting<ExtraSettings>{"EXTRA", "FORTUNE", "FortuneFile", &ExtraSettings::FortuneFile, kDefaultFortuneFile},
    FlagSetting<ExtraSettings>{"EXTRA", "DLINK", "LoadDigiInfo", &ExtraSettings::LoadDigiInfo, false},
    FlagSetting<ExtraSettings>{"EXTRA", "SPY", "LoadSpy", &ExtraSettings::LoadSpy, true},
    FlagSetting<ExtraSettings>{"EXTRA", "BOX", "LoadMailbox", &ExtraSettings::LoadMailbox, true},
    FlagSetting<ExtraSettings>{"EXTRA", "LBROAD", "LoadBroadcast", &ExtraSettings::LoadBroadcast, false},
    FlagSetting<ExtraSettings>{"EXTRA", "LDXC", "LoadDxClusterSpy", &ExtraSettings::LoadDxClusterSpy, false},
    FlagSetting<ExtraSettings>{"EXTRA", "SRESYNC", "ReduceResync", &ExtraSettings::ReduceResync, false},
    FlagSetting<ExtraSettings>{"EXTRA", "MULTILINE", "MultiLineToolbar", &ExtraSettings::MultiLineToolbar, true},
    IntSetting<ExtraSettings>{"EXTRA", "UTC", "UtcOffset", &ExtraSettings::UtcOffset, kDefaultUtcOffset, 0, 0, false},
    IntSetting<ExtraSettings>{"EXTRA", "POR", "Por", &ExtraSettings::Por, kDefaultPor, kMinPor, kMaxPor},
    FlagSetting<ExtraSettings>{"EXTRA", "DUP", "DelayedDisplay", &ExtraSettings::DelayedDisplay, false},
    WideFlagSetting<ExtraSettings>{"EXTRA", "SUPBIN", "SuppressBin", &ExtraSettings::SuppressBin, true},
    IntSetting<ExtraSettings>{"EXTRA", "TPRI", "PollDelay", &ExtraSettings::PollDelay, kDefaultPollDelay, kMinPollDelay,
                              kMaxPollDelay},
    IntSetting<ExtraSettings>{"EXTRA", "CONMODE", "ConMode", &ExtraSettings::ConMode, kDefaultConMode, kMinConMode,
                              kMaxConMode},
}};

// The FHeader is written between these two; the closed times after them.
inline constexpr std::array<Setting<MailboxSettings>, 3> kMailboxSettingsBeforeHeader = {{
    FlagSetting<MailboxSettings>{"EXTRA", "PWBOX", "PasswordRequired", &MailboxSettings::PasswordRequired, false},
    TextSetting<MailboxSettings>{"MAILBOX", "BOXCALL", "BoxCall", &MailboxSettings::BoxCall, kDefaultBoxCall,
                                 kBoxCallWidth, TextCase::UpperDos},
    TextSetting<MailboxSettings>{"MAILBOX", "HPATH", "HPath", &MailboxSettings::HPath, "", kHPathWidth},
}};
inline constexpr std::array<Setting<MailboxSettings>, 16> kMailboxSettings = {{
    TextSetting<MailboxSettings>{"MAILBOX", "SYSMTO", "SysMailTo", &MailboxSettings::SysMailTo, kDefaultSysMailTo,
                                 kSysMailToWidth},
    TextSetting<MailboxSettings>{"MAILBOX", "DEFBOARD", "DefaultBoard", &MailboxSettings::DefaultBoard, "",
                                 kDefaultBoardWidth},
    IntSetting<MailboxSettings>{"MAILBOX", "DEFLT", "DefaultLifetime", &MailboxSettings::DefaultLifetime,
                                kDefaultLifetime, kMinLifetime, kMaxLifetime},
    IntSetting<MailboxSettings>{"MAILBOX", "GARBAT", "GarbageAt", &MailboxSettings::GarbageAt, kDefaultGarbageAt,
                                kMinGarbageAt, kMaxGarbageAt},
    FlagSetting<MailboxSettings>{"MAILBOX", "RESTART", "RestartAfterGarbage", &MailboxSettings::RestartAfterGarbage,
                                 false},
    IntSetting<MailboxSettings>{"MAILBOX", "TIMEOUT", "Timeout", &MailboxSettings::Timeout, kDefaultTimeoutMinutes,
                                kMinTimeoutMinutes, kMaxTimeoutMinutes, true, 1, 60},
    IntSetting<MailboxSettings>{"MAILBOX", "MOBID", "MaxBidCount", &MailboxSettings::MaxBidCount, kDefaultMaxBidCount,
                                kMinMaxBidCount, kMaxMaxBidCount},
    FlagSetting<MailboxSettings>{"MAILBOX", "SMLIFE", "LifetimeReport", &MailboxSettings::LifetimeReport, true},
    FlagSetting<MailboxSettings>{"MAILBOX", "SMROUTE", "RoutingErrorReport", &MailboxSettings::RoutingErrorReport,
                                 true},
    FlagSetting<MailboxSettings>{"MAILBOX", "FHINCL", "InsertFHeader", &MailboxSettings::InsertFHeader, true},
    FlagSetting<MailboxSettings>{"MAILBOX", "FHBID", "IncludeBid", &MailboxSettings::IncludeBid, true},
    FlagSetting<MailboxSettings>{"MAILBOX", "GARMEM", "MemoryGarbage", &MailboxSettings::MemoryGarbage, false},
    FlagSetting<MailboxSettings>{"MAILBOX", "QZDOS", "QzDos", &MailboxSettings::QzDos, false},
    FlagSetting<MailboxSettings>{"MAILBOX", "PAM", "ParseAllMails", &MailboxSettings::ParseAllMails, false},
    FlagSetting<MailboxSettings>{"MAILBOX", "BLINKLED", "BlinkLed", &MailboxSettings::BlinkLed, true},
    FlagSetting<MailboxSettings>{"MAILBOX", "BLINKICON", "BlinkIcon", &MailboxSettings::BlinkIcon, true},
}};

}  // namespace trv
