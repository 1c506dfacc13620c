#include "support/fheader.h"

namespace trv {

void FHeader::SetFHeader(std::string_view text) {
  if (text.empty()) text = "NOCALL NONAMECITY";
  stored_ = "[" + std::string(text.substr(0, 25)) + "]";
}

std::string FHeader::HeaderText() const {
  if (stored_.size() < 2) return {};
  return stored_.substr(1, stored_.size() - 2);
}

}  // namespace trv
