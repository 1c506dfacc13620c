#include <memory>

#include "cli/commands.h"
#include "config/ini/ini_errors.h"
#include "config/ini/ini_file.h"
#include "config/ini/ini_operation.h"
#include "platform/atomic_file_writer.h"
#include "platform/file_reader.h"

namespace trv {
namespace {

int Usage(CommandStreams io, const std::string& hint) {
  io.err << "tarvoini: " << hint << " (see tarvoini --help)\n";
  return kUsage;
}

int Get(TIniFile& ini, const std::vector<std::string>& a, CommandStreams io) {
  if (a.size() == 5) {
    io.out << ini.ReadString(a[2], a[3], a[4]) << "\n";
    return kOk;
  }
  if (!ini.HasKey(a[2], a[3])) return kNotFound;
  io.out << ini.ReadString(a[2], a[3], "") << "\n";
  return kOk;
}

int Delete(TIniFile& ini, const std::vector<std::string>& a) {
  if (a.size() == 3) {
    if (ini.LineNumber(a[2]) == 0) return kNotFound;
    ini.EraseSection(a[2]);
  } else {
    if (ini.LineNumber(a[2], a[3]) == 0) return kNotFound;
    ini.DeleteKey(a[2], a[3]);
  }
  return kOk;
}

int List(TIniFile& ini, const std::vector<std::string>& a, CommandStreams io) {
  std::vector<std::string> names;
  if (a[0] == "sections") {
    ini.ReadSections(names);
  } else {
    if (ini.LineNumber(a[2]) == 0) return kNotFound;
    ini.ReadSection(a[2], names);
  }
  for (const auto& name : names) io.out << name << "\n";
  return kOk;
}

bool ArgumentCountFits(const std::string& verb, std::size_t count) {
  if (verb == "get") return count == 4 || count == 5;
  if (verb == "set") return count == 5;
  if (verb == "del") return count == 3 || count == 4;
  if (verb == "sections") return count == 2;
  if (verb == "keys") return count == 3;
  return false;
}

// One verb on the file; a verb that changes it runs again from the read when another
// program changed the file meanwhile.
int RunVerb(const std::vector<std::string>& a, CommandStreams io) {
  const std::string& verb = a[0];
  const bool writes = verb == "set" || verb == "del";
  int status = kOk;
  const IniTransactionFile file{.hostPath = a[1],
                                .shownPath = a[1],
                                .reader = DefaultFileReader(),
                                .writer = DefaultFileWriter(),
                                .lockWaiting = LockWaitLine(io.err),
                                .keptDisplaced = KeptFileLine(io.err)};
  const auto body = [&](TIniFile& ini) {
    if (verb == "get") {
      status = Get(ini, a, io);
    } else if (verb == "del") {
      status = Delete(ini, a);
    } else if (verb == "set") {
      ini.WriteStringAsIs(a[2], a[3], a[4]);
    } else {
      status = List(ini, a, io);
    }
  };
  RunIniTransaction(file, writes ? IniTransactionKind::Write : IniTransactionKind::Read, {.body = body});
  return status;
}

}  // namespace

int IniCommand(const std::vector<std::string>& a, CommandStreams io) {
  if (a.empty()) return Usage(io, "ini needs a verb: get, set, del, sections or keys");
  if (!ArgumentCountFits(a[0], a.size())) return Usage(io, "wrong arguments for 'ini " + a[0] + "'");
  try {
    return RunVerb(a, io);
  } catch (const IniInputError& e) {
    return Usage(io, e.what());
  } catch (const StoreError& e) {
    return ReportStoreError(e, io);
  }
}

}  // namespace trv
