// Feeds any bytes to the reader of Steam's library and manifest files, which the tool reads from
// wherever Steam left them. Every input must end in a tree or in nothing, never in a crash, a hang or
// undefined behaviour; every key of a tree is found again by its name in any case.
#include "core/steam/KeyValues.h"

#include "FuzzInput.h"

#include <algorithm>

namespace {

using cssbinder::KeyValues;

std::string Upper(std::string text) {
    std::ranges::transform(text, text.begin(),
                           [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return text;
}

void Walk(const KeyValues& block) {
    for (const KeyValues& child : block.children) {
        const KeyValues* found = block.Find(Upper(child.key));
        cssbinder::Expect(found != nullptr && Upper(found->key) == Upper(child.key));
        Walk(child);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (const auto tree = cssbinder::ParseKeyValues(cssbinder::FuzzText(data, size))) {
        Walk(*tree);
    }
    return 0;
}
