#pragma once
// Signed 32-bit sums that wrap instead of overflowing, as positions and
// lengths are computed in the platform's 32-bit integers.
#include <cstdint>

inline int Add32(int a, int b)
{
    return static_cast<int>(static_cast<std::uint32_t>(a) + static_cast<std::uint32_t>(b));
}

inline int Sub32(int a, int b)
{
    return static_cast<int>(static_cast<std::uint32_t>(a) - static_cast<std::uint32_t>(b));
}
