#include "core/text/CodePage1252.h"

#include "core/text/Utf8.h"

#include <array>

namespace cssbinder {
namespace {

// The characters of the bytes 0x80 to 0x9F, which are not the Latin-1 ones.
constexpr std::array<char32_t, 32> kHighBytes{
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

} // namespace

std::string DecodeCp1252(std::string_view bytes) {
    std::string utf8;
    utf8.reserve(bytes.size() + bytes.size() / 4);
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        AppendUtf8(utf8, byte >= 0x80 && byte < 0xA0 ? kHighBytes[byte - 0x80] : char32_t{byte});
    }
    return utf8;
}

} // namespace cssbinder
