#pragma once

// What the checks of every picture format share, so that one fault reads the same in every format.
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <span>

namespace cssbinder {

// The unsigned number of `bytes` bytes at `at`, least or most significant byte first.
std::uint64_t LittleEndian(std::span<const std::uint8_t> file, std::size_t at, std::size_t bytes);
std::uint64_t BigEndian(std::span<const std::uint8_t> file, std::size_t at, std::size_t bytes);

bool IsOneOf(std::int64_t value, std::initializer_list<std::int64_t> allowed);

// Refuses a side of 0 ("zero width or height") or above maxSide ("larger than 16384 pixels on a side").
void CheckSides(std::int64_t width, std::int64_t height, int maxSide);

// Refuses a file whose `available` bytes cannot hold the `needed` bytes its header claims for the
// pixels ("truncated pixel data"), before anything is allocated for them.
void CheckPixelDataFits(std::uint64_t needed, std::uint64_t available);

} // namespace cssbinder
