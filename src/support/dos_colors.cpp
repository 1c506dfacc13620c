#include "support/dos_colors.h"

namespace trv {

int ColorToDosIndex(std::uint32_t color) {
  for (std::size_t i = 0; i < DosColorTable.size(); ++i)
    if (DosColorTable[i] == color) return static_cast<int>(i);
  return 0;
}

}  // namespace trv
