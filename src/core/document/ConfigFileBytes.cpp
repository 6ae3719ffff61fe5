#include "core/document/ConfigFileBytes.h"

#include "core/text/CodePage1252.h"

namespace cssbinder {

std::string ToConfigFileBytes(std::string_view text) {
    std::string withCrLf;
    withCrLf.reserve(text.size() + text.size() / 8);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            withCrLf += "\r\n";
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
                ++i;
            }
        } else {
            withCrLf += c;
        }
    }
    return EncodeCp1252(withCrLf);
}

} // namespace cssbinder
