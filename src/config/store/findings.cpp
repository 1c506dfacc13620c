#include "config/store/findings.h"

#include <algorithm>

namespace trv {

Findings SortedByLine(Findings findings) {
  std::stable_sort(findings.begin(), findings.end(),
                   [](const Finding& a, const Finding& b) { return a.line < b.line; });
  return findings;
}

std::string FindingLine(std::string_view fileName, const Finding& finding) {
  return std::string(fileName) + ":" + std::to_string(finding.line) + ": [" + finding.section + "]" +
         (finding.key.empty() ? "" : " " + finding.key) + ": " + finding.message;
}

Findings WorthTelling(const Findings& findings) {
  Findings worth;
  std::copy_if(findings.begin(), findings.end(), std::back_inserter(worth),
               [](const Finding& f) { return f.kind == FindingKind::Replaced; });
  return worth;
}

}  // namespace trv
