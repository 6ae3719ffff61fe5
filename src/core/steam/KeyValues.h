#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace cssbinder {

// One key of Valve's KeyValues text (Steam's .vdf and .acf files): a text value, or a block of keys.
struct KeyValues {
    std::string key;
    std::string value;
    std::vector<KeyValues> children;

    // The first key of this block with that name; Steam compares key names without regard to case.
    const KeyValues* Find(std::string_view childKey) const;
};

// Reads KeyValues text: quoted or bare keys and values, nested blocks in braces, the escapes \\, \",
// \n and \t in quoted texts, // comments and [$PLATFORM] conditions, which are skipped, as is a UTF-8
// byte-order mark at the start. The result is a block holding the top-level keys, or nothing when the
// text is broken.
std::optional<KeyValues> ParseKeyValues(std::string_view text);

} // namespace cssbinder
