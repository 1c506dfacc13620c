#pragma once
// The difference between two texts as a unified diff of their lines, computed in memory
// (Myers' algorithm on lines ending at LF), as `diff -u` prints it.
#include <string>
#include <string_view>

namespace trv {

// Empty when the texts are equal. Hunks carry three lines of context; a last line without a
// line break is followed by "\ No newline at end of file".
std::string UnifiedDiff(std::string_view before, std::string_view after, std::string_view beforeLabel,
                        std::string_view afterLabel);

}  // namespace trv
