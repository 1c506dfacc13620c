#include "support/line_diff.h"

#include <algorithm>
#include <cstddef>
#include <vector>

namespace trv {
namespace {

constexpr std::size_t kContext = 3;
// Beyond this many differing lines the middle is shown as removed and added whole: still a
// correct diff, found without time or memory growing with the square of the file.
constexpr std::ptrdiff_t kMaxEdits = 1000;

std::vector<std::string_view> Lines(std::string_view text) {
  std::vector<std::string_view> lines;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    const std::size_t length = end == std::string_view::npos ? text.size() : end + 1;
    lines.push_back(text.substr(0, length));
    text.remove_prefix(length);
  }
  return lines;
}

enum class Kind { Same, Removed, Added };
struct Edit {
  Kind kind;
  std::size_t oldIndex;  // lines of the old text before this one (its own index for Same and Removed)
  std::size_t newIndex;  // likewise in the new text
};

// The shortest edit script of a[0..n) into b[0..m) (Myers), appended to `edits` with the
// indices offset by `at`; false when it needs more than kMaxEdits edits.
bool Myers(const std::vector<std::string_view>& a, const std::vector<std::string_view>& b, std::size_t a0,
           std::size_t n, std::size_t b0, std::size_t m, std::vector<Edit>& edits) {
  const auto N = static_cast<std::ptrdiff_t>(n), M = static_cast<std::ptrdiff_t>(m);
  const std::ptrdiff_t limit = std::min(N + M, kMaxEdits);
  const std::ptrdiff_t offset = limit + 1;
  std::vector<std::ptrdiff_t> v(static_cast<std::size_t>(2 * limit + 3), 0);
  std::vector<std::vector<std::ptrdiff_t>> trace;  // v over [-d, d] after round d
  const auto at = [&](std::ptrdiff_t k) -> std::ptrdiff_t& { return v[static_cast<std::size_t>(k + offset)]; };
  for (std::ptrdiff_t d = 0; d <= limit; ++d) {
    for (std::ptrdiff_t k = -d; k <= d; k += 2) {
      std::ptrdiff_t x = (k == -d || (k != d && at(k - 1) < at(k + 1))) ? at(k + 1) : at(k - 1) + 1;
      std::ptrdiff_t y = x - k;
      while (x < N && y < M && a[a0 + static_cast<std::size_t>(x)] == b[b0 + static_cast<std::size_t>(y)]) ++x, ++y;
      at(k) = x;
      if (x >= N && y >= M) {
        trace.emplace_back(v.begin() + (offset - d), v.begin() + (offset + d + 1));
        // Back from (N, M) through the rounds, collecting the edits in reverse.
        std::vector<Edit> reversed;
        std::ptrdiff_t px = N, py = M;
        for (std::ptrdiff_t r = d; r > 0; --r) {
          const std::vector<std::ptrdiff_t>& prev = trace[static_cast<std::size_t>(r - 1)];
          const auto before = [&](std::ptrdiff_t kk) { return prev[static_cast<std::size_t>(kk + r - 1)]; };
          const std::ptrdiff_t kk = px - py;
          const bool down = kk == -r || (kk != r && before(kk - 1) < before(kk + 1));
          const std::ptrdiff_t prevK = down ? kk + 1 : kk - 1;
          const std::ptrdiff_t prevX = before(prevK), prevY = prevX - prevK;
          const std::ptrdiff_t startX = down ? prevX : prevX + 1;
          while (px > startX) {
            --px, --py;
            reversed.push_back({Kind::Same, a0 + static_cast<std::size_t>(px), b0 + static_cast<std::size_t>(py)});
          }
          if (down)
            reversed.push_back(
                {Kind::Added, a0 + static_cast<std::size_t>(prevX), b0 + static_cast<std::size_t>(prevY)});
          else
            reversed.push_back(
                {Kind::Removed, a0 + static_cast<std::size_t>(prevX), b0 + static_cast<std::size_t>(prevY)});
          px = prevX, py = prevY;
        }
        while (px > 0) {
          --px, --py;
          reversed.push_back({Kind::Same, a0 + static_cast<std::size_t>(px), b0 + static_cast<std::size_t>(py)});
        }
        edits.insert(edits.end(), reversed.rbegin(), reversed.rend());
        return true;
      }
    }
    trace.emplace_back(v.begin() + (offset - d), v.begin() + (offset + d + 1));
  }
  return false;
}

std::vector<Edit> EditScript(const std::vector<std::string_view>& a, const std::vector<std::string_view>& b) {
  std::size_t head = 0;
  while (head < a.size() && head < b.size() && a[head] == b[head]) ++head;
  std::size_t tail = 0;
  while (tail < a.size() - head && tail < b.size() - head && a[a.size() - 1 - tail] == b[b.size() - 1 - tail]) ++tail;
  std::vector<Edit> edits;
  for (std::size_t i = 0; i < head; ++i) edits.push_back({Kind::Same, i, i});
  const std::size_t n = a.size() - head - tail, m = b.size() - head - tail;
  if (!Myers(a, b, head, n, head, m, edits)) {
    for (std::size_t i = 0; i < n; ++i) edits.push_back({Kind::Removed, head + i, head});
    for (std::size_t j = 0; j < m; ++j) edits.push_back({Kind::Added, head + n, head + j});
  }
  for (std::size_t i = tail; i-- > 0;) edits.push_back({Kind::Same, a.size() - 1 - i, b.size() - 1 - i});
  return edits;
}

std::string Range(std::size_t before, std::size_t count) {
  const std::size_t start = count == 0 ? before : before + 1;
  return count == 1 ? std::to_string(start) : std::to_string(start) + "," + std::to_string(count);
}

void AppendLine(std::string& out, char mark, std::string_view line) {
  out += mark;
  out += line;
  if (line.empty() || line.back() != '\n') out += "\n\\ No newline at end of file\n";
}

}  // namespace

std::string UnifiedDiff(std::string_view before, std::string_view after, std::string_view beforeLabel,
                        std::string_view afterLabel) {
  if (before == after) return {};
  const std::vector<std::string_view> a = Lines(before), b = Lines(after);
  const std::vector<Edit> edits = EditScript(a, b);
  const auto changed = [&](std::size_t i) { return edits[i].kind != Kind::Same; };
  std::string out = "--- " + std::string(beforeLabel) + "\n+++ " + std::string(afterLabel) + "\n";
  std::size_t next = 0;  // the first edit not yet in a hunk
  for (;;) {
    std::size_t first = next;
    while (first < edits.size() && !changed(first)) ++first;
    if (first == edits.size()) break;
    const std::size_t start = std::max(next, first >= kContext ? first - kContext : 0);
    std::size_t end = first;
    for (;;) {  // a hunk goes on while no more than twice the context separates two changes
      while (end < edits.size() && changed(end)) ++end;
      std::size_t same = end;
      while (same < edits.size() && !changed(same) && same - end <= 2 * kContext) ++same;
      if (same < edits.size() && changed(same)) {
        end = same;
        continue;
      }
      break;
    }
    end = std::min(edits.size(), end + kContext);
    std::size_t oldCount = 0, newCount = 0;
    for (std::size_t i = start; i < end; ++i) {
      oldCount += edits[i].kind != Kind::Added ? 1 : 0;
      newCount += edits[i].kind != Kind::Removed ? 1 : 0;
    }
    out += "@@ -" + Range(edits[start].oldIndex, oldCount) + " +" + Range(edits[start].newIndex, newCount) + " @@\n";
    for (std::size_t i = start; i < end; ++i) {
      const Edit& e = edits[i];
      if (e.kind == Kind::Same) AppendLine(out, ' ', a[e.oldIndex]);
      if (e.kind == Kind::Removed) AppendLine(out, '-', a[e.oldIndex]);
      if (e.kind == Kind::Added) AppendLine(out, '+', b[e.newIndex]);
    }
    next = end;
  }
  return out;
}

}  // namespace trv
