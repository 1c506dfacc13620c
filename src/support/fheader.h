#pragma once
// The mailbox header text in its stored form: "[" + at most 25 characters + "]".
#include <string>
#include <string_view>

namespace trv {

class FHeader {
 public:
  void SetFHeader(std::string_view text);
  const std::string& GetFHeader() const { return stored_; }
  // The header text proper: the stored form without its first and last character.
  std::string HeaderText() const;

 private:
  std::string stored_;
};

}  // namespace trv
