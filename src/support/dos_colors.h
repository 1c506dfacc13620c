#pragma once
// The 16 DOS text colours as 24-bit values, blue in the high byte, red in the low byte.
#include <array>
#include <cstdint>

namespace trv {

inline constexpr std::array<std::uint32_t, 16> DosColorTable = {
    0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0,
    0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};

// First table index whose value equals the colour exactly; 0 when none does.
int ColorToDosIndex(std::uint32_t color);

}  // namespace trv
