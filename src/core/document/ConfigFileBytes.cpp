#include "core/document/ConfigFileBytes.h"

namespace cssbinder {

// UTF-8 as it is, without a byte-order mark: the game shows chat text decoded as UTF-8, and a mark
// would become part of the first command's name.
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
    return withCrLf;
}

} // namespace cssbinder
