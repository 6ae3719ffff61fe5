#include "core/text/Utf8.h"

namespace cssbinder {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

bool IsContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

} // namespace

char32_t DecodeUtf8At(std::string_view utf8, std::size_t& index) {
    const auto lead = static_cast<unsigned char>(utf8[index++]);
    if (lead < 0x80) {
        return lead;
    }
    int length = 0;
    char32_t codePoint = 0;
    char32_t smallest = 0;
    if ((lead & 0xE0) == 0xC0) {
        length = 1;
        codePoint = lead & 0x1F;
        smallest = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 2;
        codePoint = lead & 0x0F;
        smallest = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 3;
        codePoint = lead & 0x07;
        smallest = 0x10000;
    } else {
        return kReplacement;
    }
    for (int i = 0; i < length; ++i) {
        if (index >= utf8.size() || !IsContinuation(static_cast<unsigned char>(utf8[index]))) {
            return kReplacement;
        }
        codePoint = (codePoint << 6) | (static_cast<unsigned char>(utf8[index++]) & 0x3F);
    }
    // Overlong forms, surrogates and values past Unicode are not characters.
    if (codePoint < smallest || codePoint > 0x10FFFF || (codePoint >= 0xD800 && codePoint <= 0xDFFF)) {
        return kReplacement;
    }
    return codePoint;
}

bool IsValidUtf8(std::string_view bytes) {
    std::size_t index = 0;
    while (index < bytes.size()) {
        const std::size_t start = index;
        // A replacement character stands for a malformed sequence unless it was written itself.
        if (DecodeUtf8At(bytes, index) == kReplacement &&
            bytes.substr(start, index - start) != "\xEF\xBF\xBD") {
            return false;
        }
    }
    return true;
}

void AppendUtf8(std::string& out, char32_t codePoint) {
    if (codePoint < 0x80) {
        out += static_cast<char>(codePoint);
    } else if (codePoint < 0x800) {
        out += static_cast<char>(0xC0 | (codePoint >> 6));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else if (codePoint < 0x10000) {
        out += static_cast<char>(0xE0 | (codePoint >> 12));
        out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (codePoint >> 18));
        out += static_cast<char>(0x80 | ((codePoint >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    }
}

} // namespace cssbinder
