#pragma once
// One operation on the INI file, from its read to its write. Our own processes serialise
// operations by the directory lock that TIniFile takes when it reads; a writer that does not
// lock (the terminal program rewrites the file in place) is caught just before the rename,
// and the operation then runs again from the read.
#include <functional>
#include <memory>

#include "config/ini/ini_file.h"

namespace trv {

inline constexpr int kOperationAttempts = 5;

using IniCommit = std::function<TIniFile::CommitResult(TIniFile&)>;

// Opens a fresh TIniFile, runs `body` on it and writes what it changed with `commit` (a plain
// Commit when empty). When the file changed under it, runs again (findings of the lost run are
// dropped), at most kOperationAttempts times; then throws IniWriteError and leaves the file as
// the other writer left it.
void RunIniOperation(const std::function<std::unique_ptr<TIniFile>()>& open, const std::function<void(TIniFile&)>& body,
                     Findings* findings = nullptr, const IniCommit& commit = {});

}  // namespace trv
