#include "support/line_diff.h"

#include <gtest/gtest.h>

#include <string>

namespace trv {
namespace {

// Each expected text is what GNU diff -u prints for the same two files.
TEST(LineDiff, PrintsWhatDiffUPrints) {
  const struct {
    std::string before, after, expected;
  } cases[] = {
      {"a\nb\nc\nd\ne\nf\ng\nh\ni\nj\n", "a\nb\nc\nd\nE\nf\ng\nh\ni\nj\n",
       "@@ -2,7 +2,7 @@\n b\n c\n d\n-e\n+E\n f\n g\n h\n"},
      {"", "x\r\ny\r\n", "@@ -0,0 +1,2 @@\n+x\r\n+y\r\n"},
      {"k=1\r\nlast", "k=2\r\nlast\r\n",
       "@@ -1,2 +1,2 @@\n-k=1\r\n-last\n\\ No newline at end of file\n+k=2\r\n+last\r\n"},
      {"1\n2\n3\n4\n5\n6\n7\n8\n9\n10\n11\n12\n13\n14\n15\n16\n17\n18\n19\n20\n",
       "0\n1\n2\n3\n4\n5\n6\n7\n8\n9\n10\n11\n12\n13\n14\n15\n16\n17\n18\n19\n20x\n",
       "@@ -1,3 +1,4 @@\n+0\n 1\n 2\n 3\n@@ -17,4 +18,4 @@\n 17\n 18\n 19\n-20\n+20x\n"},
      {"1\n2\n3\n4\n5\n6\n7\n8\n9\n", "1\n2\nthree\n4\n5\n6\n7\n8\nnine\n",
       "@@ -1,9 +1,9 @@\n 1\n 2\n-3\n+three\n 4\n 5\n 6\n 7\n 8\n-9\n+nine\n"},
      {"a\nb\n", "", "@@ -1,2 +0,0 @@\n-a\n-b\n"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(UnifiedDiff(c.before, c.after, "old", "new"), "--- old\n+++ new\n" + c.expected) << c.before;
  EXPECT_EQ(UnifiedDiff("same\n", "same\n", "old", "new"), "");
}

// Two large files that differ everywhere: the diff stays correct (every old line removed,
// every new one added) and is found at once.
TEST(LineDiff, FilesThatDifferEverywhereGiveACorrectDiffInTime) {
  std::string before, after;
  for (int i = 0; i < 20000; ++i) {
    before += "line " + std::to_string(i) + "\n";
    after += "LINE " + std::to_string(i) + "\n";
  }
  const std::string diff = UnifiedDiff(before, after, "old", "new");
  EXPECT_EQ(diff.substr(0, 40), "--- old\n+++ new\n@@ -1,20000 +1,20000 @@\n");
  std::size_t removed = 0, added = 0;
  for (std::size_t at = diff.find('\n'); at != std::string::npos; at = diff.find('\n', at + 1)) {
    removed += diff.compare(at + 1, 5, "-line") == 0 ? 1 : 0;
    added += diff.compare(at + 1, 5, "+LINE") == 0 ? 1 : 0;
  }
  EXPECT_EQ(removed, 20000u);
  EXPECT_EQ(added, 20000u);
}

}  // namespace
}  // namespace trv
