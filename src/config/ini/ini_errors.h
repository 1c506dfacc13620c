#pragma once
// The configuration store's own errors. Each keeps a fixed text (what the dialog shows) and
// the system's reason apart (what tarvoini prints after it).
#include <stdexcept>
#include <string>

#include "platform/system_reason.h"

namespace trv {

class StoreError : public std::runtime_error {
 public:
  StoreError(const std::string& text, std::string cause) : std::runtime_error(text), cause_(std::move(cause)) {}
  // The system's reason ("No space left on device"), or empty.
  const std::string& Cause() const { return cause_; }
  // The fixed text followed by the reason.
  std::string Full() const { return cause_.empty() ? std::string(what()) : std::string(what()) + ": " + cause_; }

 private:
  std::string cause_;
};

// The file system refused a write: "nach <path> kann nicht geschrieben werden".
class IniWriteError : public StoreError {
 public:
  explicit IniWriteError(const std::string& path, std::string cause = {})
      : StoreError("nach " + path + " kann nicht geschrieben werden", std::move(cause)) {}
};

// The file could not be read (a read error, or not a regular file): nothing is written.
class IniReadError : public StoreError {
 public:
  explicit IniReadError(const std::string& path, std::string cause = {})
      : StoreError("von " + path + " kann nicht gelesen werden", std::move(cause)) {}

 protected:
  struct WholeText {};
  IniReadError(const std::string& text, std::string cause, WholeText) : StoreError(text, std::move(cause)) {}
};

// The folder's lock could not be taken: another program held it too long, the wait was
// cancelled, or the folder cannot be locked. Nothing was read or written. A read error, so that
// whatever stops at an unreadable file stops here too; the text names the folder and why.
class FolderLockError : public IniReadError {
 public:
  explicit FolderLockError(const std::string& text) : IniReadError(text, {}, WholeText{}) {}
};

// A name or value that would change the file's structure (line breaks, NUL, '=' in a key name ...).
class IniInputError : public StoreError {
 public:
  explicit IniInputError(const std::string& text) : StoreError(text, {}) {}
};

}  // namespace trv
