#pragma once
// The settings of STATION, DISPLAY, LANGUAGE, EXTRA and MAILBOX, each declared once, in the
// order in which they are written, with one sentence on what each does in the terminal
// program (none where nothing says).
#include <array>

#include "config/setting_table.h"

namespace trv {

inline constexpr std::array<Setting<StationSettings>, 2> kStationSettings = {{
    TextSetting<StationSettings>{"STATION", "CALL", "Call", &StationSettings::Call, kDefaultCall, kCallWidth,
                                 TextCase::UpperAscii, Typing{9}, TRV_ABOUT("The callsign of your station.")},
    TextSetting<StationSettings>{"STATION", "QTH", "Qth", &StationSettings::Qth, kDefaultQth, kQthWidth,
                                 TextCase::UpperAscii, Typing{6}, TRV_ABOUT("The locator of your station.")},
}};

inline constexpr std::array<Setting<DisplaySettings>, 7> kDisplaySettings = {{
    FlagSetting<DisplaySettings>{"DISPLAY", "ETD", "EchoOwnText", &DisplaySettings::EchoOwnText, true,
                                 TRV_ABOUT("Echoes your own text in the TX window.")},
    IntSetting<DisplaySettings>{"DISPLAY", "SBL", "MaxRXLines", &DisplaySettings::MaxRXLines, kDefaultMaxRXLines,
                                kMinRXLines, kMaxRXLines, true, 1, 1, 0,
                                TRV_ABOUT("The most lines the RX window keeps.")},
    IntSetting<DisplaySettings>{"DISPLAY", "MEL", "MaxTXLines", &DisplaySettings::MaxTXLines, kDefaultMaxTXLines,
                                kMinTXLines, kMaxTXLines, true, 1, 1, 0,
                                TRV_ABOUT("The most lines the TX (edit) window keeps.")},
    FlagSetting<DisplaySettings>{"DISPLAY", "SAVERX", "SaveRX", &DisplaySettings::SaveRX, true,
                                 TRV_ABOUT("Saves the RX screen when the program ends.")},
    FlagSetting<DisplaySettings>{"DISPLAY", "SAVETX", "SaveTX", &DisplaySettings::SaveTX, true,
                                 TRV_ABOUT("Saves the TX screen when the program ends.")},
    FlagSetting<DisplaySettings>{"DISPLAY", "EDITBB", "FlickerFreeTX", &DisplaySettings::FlickerFreeTX, true,
                                 TRV_ABOUT("Draws the TX window without flicker.")},
    FlagSetting<DisplaySettings>{"DISPLAY", "RXBB", "FlickerFreeRX", &DisplaySettings::FlickerFreeRX, false,
                                 TRV_ABOUT("Draws the RX window without flicker.")},
}};

inline constexpr std::array<Setting<LanguageSettings>, 2> kLanguageSettings = {{
    TextSetting<LanguageSettings>{
        "LANGUAGE",
        "VISUAL",
        "Visual",
        &LanguageSettings::Visual,
        kDefaultVisual,
        0,
        TextCase::Kept,
        {},
        TRV_ABOUT(
            "The language library (a DLL file of the language folder) for the visual parts of the terminal program.")},
    TextSetting<LanguageSettings>{
        "LANGUAGE",
        "OUTPUT",
        "Output",
        &LanguageSettings::Output,
        kDefaultOutput,
        0,
        TextCase::Kept,
        {},
        TRV_ABOUT(
            "The language of the terminal program's default output, named after a WLF file of the language folder.")},
}};

// The sound switches and PWBOX of the same section belong to their own records.
inline constexpr std::array<Setting<ExtraSettings>, 17> kExtraSettings = {{
    TextSetting<ExtraSettings>{"EXTRA", "NODECALL", "NodeCall", &ExtraSettings::NodeCall, kDefaultNodeCall,
                               kNodeCallWidth, TextCase::UpperDos, Typing{9}, TRV_ABOUT("The callsign of the node.")},
    IntSetting<ExtraSettings>{"EXTRA", "NODETO", "NodeTimeout", &ExtraSettings::NodeTimeout, kDefaultNodeTimeoutMinutes,
                              kMinNodeTimeoutMinutes, kMaxNodeTimeoutMinutes, true, 5, kSecondsPerMinute, 0,
                              TRV_ABOUT("The time-out of the node.")},
    TextSetting<ExtraSettings>{"EXTRA", "PROMPT", "Prompt", &ExtraSettings::Prompt, kDefaultPrompt, 0, TextCase::Kept,
                               Typing{80}, TRV_ABOUT("The prompt text, in the letter case typed.")},
    TextSetting<ExtraSettings>{"EXTRA", "FORTUNE", "FortuneFile", &ExtraSettings::FortuneFile, kDefaultFortuneFile, 0,
                               TextCase::Kept, Typing{12, true}, TRV_ABOUT("The name of the fortune file.")},
    FlagSetting<ExtraSettings>{"EXTRA", "DLINK", "LoadDigiInfo", &ExtraSettings::LoadDigiInfo, false,
                               TRV_ABOUT("Loads the Digiinfo module.")},
    FlagSetting<ExtraSettings>{"EXTRA", "SPY", "LoadSpy", &ExtraSettings::LoadSpy, true,
                               TRV_ABOUT("Loads the Spy module.")},
    FlagSetting<ExtraSettings>{"EXTRA", "BOX", "LoadMailbox", &ExtraSettings::LoadMailbox, true,
                               TRV_ABOUT("Loads the Mailbox module.")},
    FlagSetting<ExtraSettings>{"EXTRA", "LBROAD", "LoadBroadcast", &ExtraSettings::LoadBroadcast, false,
                               TRV_ABOUT("Loads the Broadcast RX module, only together with the Mailbox module.")},
    FlagSetting<ExtraSettings>{"EXTRA", "LDXC", "LoadDxClusterSpy", &ExtraSettings::LoadDxClusterSpy, false,
                               TRV_ABOUT("Loads the DX cluster spy module.")},
    FlagSetting<ExtraSettings>{"EXTRA", "SRESYNC", "ReduceResync", &ExtraSettings::ReduceResync, false,
                               TRV_ABOUT("Reduces scroll resyncs.")},
    FlagSetting<ExtraSettings>{"EXTRA", "MULTILINE", "MultiLineToolbar", &ExtraSettings::MultiLineToolbar, true,
                               TRV_ABOUT("Uses a multi-line toolbar.")},
    IntSetting<ExtraSettings>{
        "EXTRA", "UTC", "UtcOffset", &ExtraSettings::UtcOffset, kDefaultUtcOffset, 0, 0, false, 1, 1, 0,
        TRV_ABOUT("The offset between local time and UTC. The file keeps it in seconds: an offset between two "
                  "whole hours shows as the hour below it and is kept until you choose another."),
        ShownUnit{"h", kSecondsPerHour, 1, -kMaxUtcHours, kMaxUtcHours}},
    IntSetting<ExtraSettings>{"EXTRA", "POR", "Por", &ExtraSettings::Por, kDefaultPor, kMinPor, kMaxPor},
    FlagSetting<ExtraSettings>{"EXTRA", "DUP", "DelayedDisplay", &ExtraSettings::DelayedDisplay, false,
                               TRV_ABOUT("Updates the display with a delay.")},
    WideFlagSetting<ExtraSettings>{"EXTRA", "SUPBIN", "SuppressBin", &ExtraSettings::SuppressBin, true,
                                   TRV_ABOUT("Suppresses BIN in the monitor.")},
    IntSetting<ExtraSettings>{"EXTRA", "TPRI", "PollDelay", &ExtraSettings::PollDelay, kDefaultPollDelay, kMinPollDelay,
                              kMaxPollDelay, true, 1, 1, 0, TRV_ABOUT("The poll delay, in steps of 50 ms."),
                              ShownUnit{"ms", 1, kPollDelayStepMs}},
    IntSetting<ExtraSettings>{"EXTRA", "CONMODE", "ConMode", &ExtraSettings::ConMode, kDefaultConMode, kMinConMode,
                              kMaxConMode},
}};

// The FHeader is written between these two; the closed times after them.
inline constexpr std::array<Setting<MailboxSettings>, 3> kMailboxSettingsBeforeHeader = {{
    FlagSetting<MailboxSettings>{"EXTRA", "PWBOX", "PasswordRequired", &MailboxSettings::PasswordRequired, false,
                                 TRV_ABOUT("A password is needed for the mailbox.")},
    TextSetting<MailboxSettings>{"MAILBOX", "BOXCALL", "BoxCall", &MailboxSettings::BoxCall, kDefaultBoxCall,
                                 kBoxCallWidth, TextCase::UpperDos, Typing{9},
                                 TRV_ABOUT("The callsign of the mailbox.")},
    TextSetting<MailboxSettings>{"MAILBOX", "HPATH", "HPath", &MailboxSettings::HPath, "", kHPathWidth, TextCase::Kept,
                                 Typing{0, true}, TRV_ABOUT("The hierarchical path of the mailbox.")},
}};
inline constexpr std::array<Setting<MailboxSettings>, 16> kMailboxSettings = {{
    TextSetting<MailboxSettings>{"MAILBOX", "SYSMTO", "SysMailTo", &MailboxSettings::SysMailTo, kDefaultSysMailTo,
                                 kSysMailToWidth, TextCase::Kept, Typing{8, true},
                                 TRV_ABOUT("The addressee of system mail.")},
    TextSetting<MailboxSettings>{"MAILBOX", "DEFBOARD", "DefaultBoard", &MailboxSettings::DefaultBoard, "",
                                 kDefaultBoardWidth, TextCase::Kept, Typing{0, true}, TRV_ABOUT("The default board.")},
    IntSetting<MailboxSettings>{"MAILBOX", "DEFLT", "DefaultLifetime", &MailboxSettings::DefaultLifetime,
                                kDefaultLifetime, kMinLifetime, kMaxLifetime, true, 1, 1, 0,
                                TRV_ABOUT("The default lifetime of a mail, in days.")},
    IntSetting<MailboxSettings>{"MAILBOX", "GARBAT", "GarbageAt", &MailboxSettings::GarbageAt, kDefaultGarbageAt,
                                kMinGarbageAt, kMaxGarbageAt, true, 1, 1, 0,
                                TRV_ABOUT("The time of day of the garbage run."), ShownUnit{"", 1, 1, 0, 0, true}},
    FlagSetting<MailboxSettings>{"MAILBOX", "RESTART", "RestartAfterGarbage", &MailboxSettings::RestartAfterGarbage,
                                 false, TRV_ABOUT("Restarts Windows after the garbage run.")},
    IntSetting<MailboxSettings>{"MAILBOX", "TIMEOUT", "Timeout", &MailboxSettings::Timeout, kDefaultTimeoutMinutes,
                                kMinTimeoutMinutes, kMaxTimeoutMinutes, true, 1, kSecondsPerMinute, 3,
                                TRV_ABOUT("The time-out of the mailbox.")},
    IntSetting<MailboxSettings>{"MAILBOX", "MOBID", "MaxBidCount", &MailboxSettings::MaxBidCount, kDefaultMaxBidCount,
                                kMinMaxBidCount, kMaxMaxBidCount, true, 1, 1, 0, TRV_ABOUT("The maximum BID count.")},
    FlagSetting<MailboxSettings>{"MAILBOX", "SMLIFE", "LifetimeReport", &MailboxSettings::LifetimeReport, true,
                                 TRV_ABOUT("Generates a lifetime report mail.")},
    FlagSetting<MailboxSettings>{"MAILBOX", "SMROUTE", "RoutingErrorReport", &MailboxSettings::RoutingErrorReport, true,
                                 TRV_ABOUT("Generates a mail on routing errors.")},
    FlagSetting<MailboxSettings>{"MAILBOX", "FHINCL", "InsertFHeader", &MailboxSettings::InsertFHeader, true,
                                 TRV_ABOUT("Puts the FHeader into every mail.")},
    FlagSetting<MailboxSettings>{"MAILBOX", "FHBID", "IncludeBid", &MailboxSettings::IncludeBid, true,
                                 TRV_ABOUT("Puts the mail's BID into the FHeader.")},
    FlagSetting<MailboxSettings>{"MAILBOX", "GARMEM", "MemoryGarbage", &MailboxSettings::MemoryGarbage, false,
                                 TRV_ABOUT("Uses memory for the garbage run.")},
    FlagSetting<MailboxSettings>{"MAILBOX", "QZDOS", "QzDos", &MailboxSettings::QzDos, false},
    FlagSetting<MailboxSettings>{"MAILBOX", "PAM", "ParseAllMails", &MailboxSettings::ParseAllMails, false,
                                 TRV_ABOUT("Parses every mail.")},
    FlagSetting<MailboxSettings>{"MAILBOX", "BLINKLED", "BlinkLed", &MailboxSettings::BlinkLed, true,
                                 TRV_ABOUT("Blinks the scroll lock LED on new mail, only together with the icon.")},
    FlagSetting<MailboxSettings>{"MAILBOX", "BLINKICON", "BlinkIcon", &MailboxSettings::BlinkIcon, true,
                                 TRV_ABOUT("Blinks the mailbox icon on new mail.")},
}};

}  // namespace trv
