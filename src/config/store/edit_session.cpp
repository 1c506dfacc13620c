#include "config/store/edit_session.h"

#include "config/ini/ini_errors.h"
#include "config/store/config.h"

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
    LoadAllSections(config_, steps.afterRead, [&](const StoreError& e) {
      // A read error (a folder that cannot be listed, too) ends the action: nothing that
      // loading added is written.
      if (dynamic_cast<const IniReadError*>(&e) != nullptr) throw;
      if (steps.onError) steps.onError(e);
    });
    // The base, and the lines its findings name, are of the file as loading leaves it.
    if (!config_.Options.readOnly) ini.AddWhatReadingAdds();
    base_ = SaveImage::OfFile(config_, findings);
  });
}

void EditSession::Save(const std::set<SaveConflict>& decided, bool whole) const {
  SaveMerged(config_, *base_, decided, whole);
}

void Resave(Config& config) {
  RunAction(config, [&](TIniFile&) {  // one read, one write: nothing another program writes meanwhile is lost
    config.ResetSettings();
    LoadAllSections(config, {}, [](const StoreError&) { throw; });
    SaveAll(config);
  });
}

}  // namespace trv
