#include "core/text/LowerCase.h"

#include "core/text/Utf8.h"

#include <array>

namespace cssbinder {
namespace {

// The capitals from `first` to `last` lie `offset` before their small forms; in an alternating range
// only every second character, from `first` on, is a capital, and the small form follows it.
struct CaseRange {
    char32_t first;
    char32_t last;
    int offset;
    bool alternating;
};

constexpr std::array<CaseRange, 22> kCaseRanges{{
    {0xC0, 0xD6, 0x20, false},           // À to Ö
    {0xD8, 0xDE, 0x20, false},           // Ø to Þ, without ×
    {0x100, 0x12E, 1, true},             // Ā to Į
    {0x130, 0x130, 'i' - 0x130, false},  // İ, whose small form is the plain i
    {0x132, 0x136, 1, true},             // Ĳ to Ķ
    {0x139, 0x147, 1, true},             // Ĺ to Ň
    {0x14A, 0x176, 1, true},             // Ŋ to Ŷ, Œ and Š among them
    {0x178, 0x178, 0xFF - 0x178, false}, // Ÿ, whose small form ÿ lies in Latin-1
    {0x179, 0x17D, 1, true},             // Ź to Ž
    {0x386, 0x386, 0x26, false},         // Ά
    {0x388, 0x38A, 0x25, false},         // Έ to Ί
    {0x38C, 0x38C, 0x40, false},         // Ό
    {0x38E, 0x38F, 0x3F, false},         // Ύ, Ώ
    {0x391, 0x3A1, 0x20, false},         // Α to Ρ
    {0x3A3, 0x3AB, 0x20, false},         // Σ to Ϋ
    {0x400, 0x40F, 0x50, false},         // Ѐ to Џ
    {0x410, 0x42F, 0x20, false},         // А to Я
    {0x460, 0x480, 1, true},             // Ѡ to Ҁ
    {0x48A, 0x4BE, 1, true},             // Ҋ to Ҿ
    {0x4C1, 0x4CD, 1, true},             // Ӂ to Ӎ
    {0x4D0, 0x52E, 1, true},             // Ӑ to Ԯ
    {0x4C0, 0x4C0, 0xF, false},          // Ӏ
}};

char32_t ToLowerLetter(char32_t codePoint) {
    if (codePoint < 0x80) {
        return codePoint >= U'A' && codePoint <= U'Z' ? codePoint + 0x20 : codePoint;
    }
    for (const CaseRange& range : kCaseRanges) {
        if (codePoint >= range.first && codePoint <= range.last &&
            (!range.alternating || (codePoint - range.first) % 2 == 0)) {
            return static_cast<char32_t>(static_cast<int>(codePoint) + range.offset);
        }
    }
    return codePoint;
}

} // namespace

std::string ToLowerText(std::string_view utf8) {
    std::string lower;
    lower.reserve(utf8.size());
    ForEachCodePoint(utf8, [&lower](char32_t codePoint) { AppendUtf8(lower, ToLowerLetter(codePoint)); });
    return lower;
}

} // namespace cssbinder
