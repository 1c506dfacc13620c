#include "cli/settings_visitor.h"

#include <type_traits>
#include <variant>

#include "config/sections/color_sound_section.h"
#include "config/sections/device_section.h"
#include "config/sections/dir_section.h"
#include "config/sections/screen_elements.h"
#include "config/settings/setting_tables.h"
#include "config/store/config.h"

namespace trv {
namespace {

void VisitSetting(SettingsVisitor& v, const auto& s, const auto& record) {
  using Field = std::remove_cvref_t<decltype(record.*s.field)>;
  if constexpr (std::is_same_v<Field, bool>)
    v.Flag(s.name, record.*s.field);
  else if constexpr (std::is_same_v<Field, std::int16_t>)
    v.Flag(s.name, record.*s.field != 0);
  else if constexpr (std::is_same_v<Field, std::int32_t>)
    v.Integer(s.name, record.*s.field);
  else
    v.Text(s.name, record.*s.field);
}

// The fields of a record that a settings table declares, in the table's order.
template <class R>
void VisitTable(SettingsVisitor& v, std::span<const Setting<R>> table, const R& record) {
  for (const auto& setting : table) std::visit([&](const auto& s) { VisitSetting(v, s, record); }, setting);
}

void VisitStationAndDirectories(const Config& c, SettingsVisitor& v) {
  v.BeginRecord("StationSettings");
  VisitTable<StationSettings>(v, kStationSettings, c.Station);
  v.EndRecord();
  v.BeginRecord("Directories");
  for (const DirKey& k : DirKeys()) v.Text(k.name, (c.Dirs.*k.get)());
  v.EndRecord();
}

void VisitDisplayAndLanguage(const Config& c, SettingsVisitor& v) {
  v.BeginRecord("DisplaySettings");
  VisitTable<DisplaySettings>(v, kDisplaySettings, c.Display);
  v.EndRecord();
  v.BeginRecord("LanguageSettings");
  VisitTable<LanguageSettings>(v, kLanguageSettings, c.Language);
  v.EndRecord();
}

void VisitColorsAndSounds(const Config& c, SettingsVisitor& v) {
  v.BeginList("ColorTable");
  for (std::size_t i = 0; i < c.ColorTable.size(); ++i) {
    const ColorEntry& e = c.ColorTable[i];
    v.BeginRecord("");
    v.Text("Element", std::string(kScreenElementNames[i]));
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
  VisitTable<SoundSettings>(v, kSoundSwitches, c.Sound);
  v.EndRecord();
}

void VisitExtra(const Config& c, SettingsVisitor& v) {
  v.BeginRecord("ExtraSettings");
  VisitTable<ExtraSettings>(v, kExtraSettings, c.Extra);
  v.EndRecord();
}

void VisitMailbox(Config& c, SettingsVisitor& v) {
  v.BeginRecord("MailboxSettings");
  VisitTable<MailboxSettings>(v, kMailboxSettingsBeforeHeader, c.Mailbox);
  v.Text("FHeaderText", c.FHeaderText.GetFHeader());
  VisitTable<MailboxSettings>(v, kMailboxSettings, c.Mailbox);
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
    for (std::size_t listed : kTncFieldsListed) {
      const TncField& field = kTncFields[listed];
      std::visit(
          [&](auto member) {
            const auto& value = e.*member;
            using T = std::remove_cvref_t<decltype(value)>;
            if constexpr (std::is_same_v<T, bool>)
              v.Flag(field.name, value);
            else if constexpr (std::is_same_v<T, double>)
              v.Real(field.name, value);
            else if constexpr (std::is_same_v<T, std::string>)
              v.Text(field.name, value);
            else
              v.Integer(field.name, value);
          },
          field.member);
    }
    v.EndRecord();
  }
  v.EndList();
}

}  // namespace

void VisitSettings(Config& config, const std::vector<std::string>& userSections, SettingsVisitor& visitor,
                   const CommandBlocks* blocks, const std::vector<CopiedSection>* sections) {
  VisitStationAndDirectories(config, visitor);
  VisitDisplayAndLanguage(config, visitor);
  VisitColorsAndSounds(config, visitor);
  VisitExtra(config, visitor);
  VisitMailbox(config, visitor);
  VisitTncTable(config, visitor);
  visitor.BeginList("UserSections");
  for (const auto& name : userSections) visitor.Text("", name);
  visitor.EndList();
  if (blocks == nullptr) return;
  visitor.BeginRecord("Blocks");
  for (const auto& [name, lines] : *blocks) {
    visitor.BeginList(name);
    for (const auto& line : lines) visitor.Text("", line);
    visitor.EndList();
  }
  visitor.EndRecord();
  if (sections == nullptr) return;
  visitor.BeginList("Sections");
  for (const CopiedSection& section : *sections) {
    visitor.BeginRecord("");
    visitor.Text("Name", section.name);
    if (!section.carried) {
      visitor.BeginList("Lines");
      for (const auto& line : section.lines) visitor.Text("", line);
      visitor.EndList();
    }
    visitor.EndRecord();
  }
  visitor.EndList();
}

}  // namespace trv
