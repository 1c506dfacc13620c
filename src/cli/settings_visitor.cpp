#include "cli/settings_visitor.h"

#include "config/config.h"
#include "config/mailbox_section.h"

namespace trv {
namespace {

void VisitStationAndDirectories(const Config& c, SettingsVisitor& v) {
  v.BeginRecord("StationSettings");
  v.Text("Call", c.Station.Call);
  v.Text("Qth", c.Station.Qth);
  v.EndRecord();
  const Directories& d = c.Dirs;
  v.BeginRecord("Directories");
  v.Text("ReadDir", d.GetReadDir());
  v.Text("WriteDir", d.GetWriteDir());
  v.Text("MailDir", d.GetMailDir());
  v.Text("ImportDir", d.GetImportDir());
  v.Text("SevenPlusDir", d.GetSevenPlusDir());
  v.Text("WaveDir", d.GetWaveDir());
  v.Text("TempDir", d.GetTempDir());
  v.EndRecord();
}

void VisitDisplayAndLanguage(const Config& c, SettingsVisitor& v) {
  const DisplaySettings& d = c.Display;
  v.BeginRecord("DisplaySettings");
  v.Flag("EchoOwnText", d.EchoOwnText);
  v.Integer("MaxRXLines", d.MaxRXLines);
  v.Integer("MaxTXLines", d.MaxTXLines);
  v.Flag("SaveRX", d.SaveRX);
  v.Flag("SaveTX", d.SaveTX);
  v.Flag("FlickerFreeTX", d.FlickerFreeTX);
  v.Flag("FlickerFreeRX", d.FlickerFreeRX);
  v.EndRecord();
  v.BeginRecord("LanguageSettings");
  v.Text("Visual", c.Language.Visual);
  v.Text("Output", c.Language.Output);
  v.EndRecord();
}

void VisitColorsAndSounds(const Config& c, SettingsVisitor& v) {
  v.BeginList("ColorTable");
  for (const ColorEntry& e : c.ColorTable) {
    v.BeginRecord("");
    v.Flag("FgEnabled", e.FgEnabled);
    v.Flag("BgEnabled", e.BgEnabled);
    v.Integer("Fg", e.Fg);
    v.Integer("Bg", e.Bg);
    v.EndRecord();
  }
  v.EndList();
  v.BeginRecord("SoundSettings");
  v.BeginList("WaveFiles");
  for (const auto& wave : c.Sound.WaveFiles) v.Text("", wave);
  v.EndList();
  v.Flag("OnlyLastConnectSound", c.Sound.OnlyLastConnectSound);
  v.Flag("UseMciSound", c.Sound.UseMciSound);
  v.Flag("DisableSound", c.Sound.DisableSound);
  v.EndRecord();
}

void VisitExtra(const Config& c, SettingsVisitor& v) {
  const ExtraSettings& x = c.Extra;
  v.BeginRecord("ExtraSettings");
  v.Integer("PollDelay", x.PollDelay);
  v.Text("NodeCall", x.NodeCall);
  v.Integer("NodeTimeout", x.NodeTimeout);
  v.Text("Prompt", x.Prompt);
  v.Text("FortuneFile", x.FortuneFile);
  v.Flag("LoadDigiInfo", x.LoadDigiInfo);
  v.Flag("LoadSpy", x.LoadSpy);
  v.Flag("LoadBroadcast", x.LoadBroadcast);
  v.Flag("LoadDxClusterSpy", x.LoadDxClusterSpy);
  v.Flag("LoadMailbox", x.LoadMailbox);
  v.Flag("ReduceResync", x.ReduceResync);
  v.Flag("MultiLineToolbar", x.MultiLineToolbar);
  v.Integer("UtcOffset", x.UtcOffset);
  v.Integer("Por", x.Por);
  v.Flag("DelayedDisplay", x.DelayedDisplay);
  v.Flag("SuppressBin", x.SuppressBin != 0);
  v.Integer("ConMode", x.ConMode);
  v.EndRecord();
}

void VisitMailbox(Config& c, SettingsVisitor& v) {
  const MailboxSettings& m = c.Mailbox;
  v.BeginRecord("MailboxSettings");
  v.Flag("PasswordRequired", m.PasswordRequired);
  v.Text("BoxCall", m.BoxCall);
  v.Text("HPath", m.HPath);
  v.Text("SysMailTo", m.SysMailTo);
  v.Text("DefaultBoard", m.DefaultBoard);
  v.Integer("DefaultLifetime", m.DefaultLifetime);
  v.Integer("GarbageAt", m.GarbageAt);
  v.Flag("RestartAfterGarbage", m.RestartAfterGarbage);
  v.Integer("Timeout", m.Timeout);
  v.Integer("MaxBidCount", m.MaxBidCount);
  v.Flag("LifetimeReport", m.LifetimeReport);
  v.Flag("RoutingErrorReport", m.RoutingErrorReport);
  v.Flag("InsertFHeader", m.InsertFHeader);
  v.Flag("IncludeBid", m.IncludeBid);
  v.Flag("MemoryGarbage", m.MemoryGarbage);
  v.Flag("QzDos", m.QzDos);
  v.Flag("ParseAllMails", m.ParseAllMails);
  v.Flag("BlinkIcon", m.BlinkIcon);
  v.Flag("BlinkLed", m.BlinkLed);
  v.Text("FHeaderText", c.FHeaderText.GetFHeader());
  v.BeginList("ClosedTimes");
  for (std::int32_t i = 0; i < c.ClosedTimes.Count(); ++i) {
    const ClosedTime* window = c.ClosedTimes.WindowAt(i);
    v.BeginRecord("");
    v.Integer("From", window->From);
    v.Integer("To", window->To);
    v.EndRecord();
  }
  v.EndList();
  v.EndRecord();
}

void VisitTncTable(const Config& c, SettingsVisitor& v) {
  v.BeginList("TncTable");
  for (std::int32_t i = 0; i < c.TncCount; ++i) {
    const TncEntry& e = c.TncTable[i];
    v.BeginRecord("");
    v.Integer("Port", e.Port);
    v.Integer("PacLen", e.PacLen);
    v.Integer("Baud", e.Baud);
    v.Integer("Channels", e.Channels);
    v.Flag("AutoParam", e.AutoParam);
    v.Flag("UseXHost", e.UseXHost);
    v.Flag("FastPoll", e.FastPoll);
    v.Real("Qrg", e.Qrg);
    v.Text("IniBlock", e.IniBlock);
    v.Text("DeiBlock", e.DeiBlock);
    v.Integer("HostMode", e.HostMode);
    v.Text("Driver", e.Driver);
    v.EndRecord();
  }
  v.EndList();
}

}  // namespace

void VisitSettings(Config& config, const std::vector<std::string>& userSections, SettingsVisitor& visitor) {
  VisitStationAndDirectories(config, visitor);
  VisitDisplayAndLanguage(config, visitor);
  VisitColorsAndSounds(config, visitor);
  VisitExtra(config, visitor);
  VisitMailbox(config, visitor);
  VisitTncTable(config, visitor);
  visitor.BeginList("UserSections");
  for (const auto& name : userSections) visitor.Text("", name);
  visitor.EndList();
}

}  // namespace trv
