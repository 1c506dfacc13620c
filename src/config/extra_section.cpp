#include "config/extra_section.h"

#include "config/setting_tables.h"

namespace trv {

void ReadExtraSection(Config& config) {
  RunOperation(config, [&](TIniFile& ini) {
    ExtraSettings& x = config.Extra;
    ReadSettings<ExtraSettings>(ini, kExtraSettings, x);
    if (x.LoadBroadcast && !x.LoadMailbox) ini.Report("EXTRA", "LBROAD", "turned off because BOX is off");
    x.LoadBroadcast = x.LoadBroadcast && x.LoadMailbox;  // the Broadcast RX module needs the mailbox
  });
}

void WriteExtraSection(Config& config) {
  RunOperation(config, [&](TIniFile& ini) { WriteSettings<ExtraSettings>(ini, kExtraSettings, config.Extra); });
}

}  // namespace trv
