#pragma once
// The two outputs of `tarvoini show`: a readable listing and one JSON object.
#include <memory>
#include <ostream>

#include "cli/settings_visitor.h"

namespace trv {

std::unique_ptr<SettingsVisitor> MakeListingWriter(std::ostream& out);
// The JSON object is closed when the returned writer is destroyed.
std::unique_ptr<SettingsVisitor> MakeJsonWriter(std::ostream& out);

}  // namespace trv
