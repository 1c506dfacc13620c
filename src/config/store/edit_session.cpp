#include "config/store/edit_session.h"

#include "config/ini/ini_errors.h"
#include "config/sections/device_section.h"
#include "config/store/config.h"
#include "support/codepage.h"

namespace trv {

void EditSession::Load(const LoadSteps& steps, Findings* findings) {
  base_.reset();
  bool again = false;
  RunAction(config_, [&](TIniFile& ini) {
    if (again) {  // the action put the records back as they were
      if (findings != nullptr) findings->clear();
      if (steps.again) steps.again();
    }
    again = true;
    const std::size_t adds = ini.ReadAddsCount();
    LoadAllSections(config_, steps.afterRead, [&](const StoreError& e) {
      // A read error (a folder that cannot be listed, too) ends the action: nothing that
      // loading added is written.
      if (dynamic_cast<const IniReadError*>(&e) != nullptr) throw;
      if (steps.onError) steps.onError(e);
    });
    // The base, and the lines its findings name, are of the file as loading leaves it.
    if (steps.addNothing)
      ini.DropReadAddsFrom(adds);
    else if (!config_.Options.readOnly)
      ini.AddWhatReadingAdds();
    base_ = SaveImage::OfFile(config_, findings);
  });
}

void EditSession::Save(const std::set<SaveConflict>& decided, bool whole) const {
  SaveMerged(config_, *base_, decided, whole);
}

IniWrites EditSession::SaveChanges() const {
  IniWrites written;
  RunAction(config_, [&](TIniFile& ini) {
    written.clear();
    const SaveImage now = SaveImage::Of(config_);
    for (IniWrite write : now.Writes()) {
      if (now.ValueOf(write) == base_->ValueOf(write)) continue;
      if (write.WholeSection() && EqualNoCase1252(write.section, kDeviceSection))
        write.keys = KeepTncLinesAsRead(config_, std::move(write.keys));
      ini.Apply(write);
      written.push_back(std::move(write));
    }
  });
  return written;
}

void Resave(Config& config) {
  RunAction(config, [&](TIniFile&) {  // one read, one write: nothing another program writes meanwhile is lost
    config.ResetSettings();
    LoadAllSections(config, {}, [](const StoreError&) { throw; });
    SaveAll(config);
  });
}

}  // namespace trv
