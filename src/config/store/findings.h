#pragma once
// What loading found, as tarvoini check lists it and the window tells the user.
#include <string>
#include <string_view>

#include "config/ini/ini_file.h"

namespace trv {

// Sorted by line; findings of the same line keep their order.
Findings SortedByLine(Findings findings);
// "FILE:LINE: [SECTION] KEY: what happens and why"; line 0 stands for a key or section that
// is not in the file yet.
std::string FindingLine(std::string_view fileName, const Finding& finding);
// The findings worth telling the user as replaced values: without the per-port colour keys
// that every older file lacks and reading adds, and without notes on values used as they
// stand (which OK would write back unchanged, so that the window would say them again after
// every OK).
Findings WorthTelling(const Findings& findings);

}  // namespace trv
