#include "cli/commands.h"
#include "config/ini_errors.h"

namespace trv {

int ReportStoreError(const StoreError& error, CommandStreams io) {
  io.err << "tarvoini: " << error.Full() << "\n";
  if (dynamic_cast<const IniInputError*>(&error) != nullptr) return kUsage;
  if (dynamic_cast<const IniReadError*>(&error) != nullptr) return kReadFailed;
  return kWriteFailed;
}

}  // namespace trv
