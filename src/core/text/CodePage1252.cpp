#include "core/text/CodePage1252.h"

#include "core/text/Utf8.h"

#include <array>
#include <optional>
#include <utility>

namespace cssbinder {
namespace {

// The bytes 0x80 to 0x9F, whose characters are not the Latin-1 ones.
constexpr std::array<std::pair<char32_t, unsigned char>, 27> kHighBytes{{
    {0x20AC, 0x80}, {0x201A, 0x82}, {0x0192, 0x83}, {0x201E, 0x84}, {0x2026, 0x85}, {0x2020, 0x86},
    {0x2021, 0x87}, {0x02C6, 0x88}, {0x2030, 0x89}, {0x0160, 0x8A}, {0x2039, 0x8B}, {0x0152, 0x8C},
    {0x017D, 0x8E}, {0x2018, 0x91}, {0x2019, 0x92}, {0x201C, 0x93}, {0x201D, 0x94}, {0x2022, 0x95},
    {0x2013, 0x96}, {0x2014, 0x97}, {0x02DC, 0x98}, {0x2122, 0x99}, {0x0161, 0x9A}, {0x203A, 0x9B},
    {0x0153, 0x9C}, {0x017E, 0x9E}, {0x0178, 0x9F},
}};

// Windows keeps the five unassigned bytes of the page as their C1 control characters.
bool IsUnassignedC1(char32_t codePoint) {
    return codePoint == 0x81 || codePoint == 0x8D || codePoint == 0x8F || codePoint == 0x90 ||
           codePoint == 0x9D;
}

std::optional<unsigned char> ToCp1252Byte(char32_t codePoint) {
    if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF) || IsUnassignedC1(codePoint)) {
        return static_cast<unsigned char>(codePoint);
    }
    for (const auto& [character, byte] : kHighBytes) {
        if (character == codePoint) {
            return byte;
        }
    }
    return std::nullopt;
}

constexpr std::array<std::pair<char32_t, char32_t>, 4> kHighCapitals{{
    {0x0160, 0x0161}, // Š
    {0x0152, 0x0153}, // Œ
    {0x017D, 0x017E}, // Ž
    {0x0178, 0x00FF}, // Ÿ
}};

char32_t ToLower(char32_t codePoint) {
    const bool asciiCapital = codePoint >= U'A' && codePoint <= U'Z';
    const bool latinCapital = codePoint >= 0xC0 && codePoint <= 0xDE && codePoint != 0xD7;
    if (asciiCapital || latinCapital) {
        return codePoint + 0x20;
    }
    for (const auto& [capital, small] : kHighCapitals) {
        if (capital == codePoint) {
            return small;
        }
    }
    return codePoint;
}

} // namespace

std::string EncodeCp1252(std::string_view utf8) {
    std::string bytes;
    bytes.reserve(utf8.size());
    ForEachCodePoint(utf8, [&bytes](char32_t codePoint) {
        bytes += static_cast<char>(ToCp1252Byte(codePoint).value_or('?'));
    });
    return bytes;
}

std::string ToLowerCp1252(std::string_view utf8) {
    std::string lower;
    lower.reserve(utf8.size());
    ForEachCodePoint(utf8, [&lower](char32_t codePoint) { AppendUtf8(lower, ToLower(codePoint)); });
    return lower;
}

} // namespace cssbinder
