#pragma once

// What every fuzzer shares: its input as text, and a check that ends the run where it fails.
#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace cssbinder {

inline std::string_view FuzzText(const std::uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

inline void Expect(bool condition) {
    if (!condition) {
        std::abort();
    }
}

} // namespace cssbinder
