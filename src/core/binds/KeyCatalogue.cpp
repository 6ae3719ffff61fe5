#include "core/binds/KeyCatalogue.h"

#include "core/text/LowerCase.h"

#include <algorithm>
#include <array>
#include <span>
#include <stdexcept>
#include <string_view>
#include <utility>
#include <vector>

namespace cssbinder {
namespace {

struct NamedKey {
    std::string_view item;
    std::string_view gameName;
};

constexpr std::array<std::string_view, 26> kLetters{"A", "B", "C", "D", "E", "F", "G", "H", "I",
                                                    "J", "K", "L", "M", "N", "O", "P", "Q", "R",
                                                    "S", "T", "U", "V", "W", "X", "Y", "Z"};

constexpr std::array<std::string_view, 10> kNumbers{"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"};

constexpr std::array<std::string_view, 12> kFunctionKeys{"F1", "F2", "F3", "F4",  "F5",  "F6",
                                                         "F7", "F8", "F9", "F10", "F11", "F12"};

// ")" to "," are the punctuation keys of the French layout, unshifted.
constexpr std::array<std::string_view, 30> kMiscKeys{
    "Escape",   "Pause", ")",       "=",         "^",         "$",         "*",    "ù",
    "!",        ":",     ";",       ",",         "Backspace", "ENTER",     "TAB",  "SHIFT",
    "CTRL",     "ALT",   "Ins",     "Del",       "Home",      "End",       "PGUP", "PGDOWN",
    "Capslock", "Space", "Uparrow", "Downarrow", "Leftarrow", "Rightarrow"};
// The game knows Page Down only as "pgdn" ("pgdown" binds nothing); the list keeps the longer name.
constexpr std::array<NamedKey, 1> kMiscKeyNames{{{"PGDOWN", "PGDN"}}};

// The game names the digits of the pad by their navigation function; the 5, which has none, keeps its digit.
constexpr std::array<NamedKey, 15> kKeyPad{{
    {"Key Pad 1", "kp_end"},
    {"Key Pad 2", "kp_downarrow"},
    {"Key Pad 3", "kp_pgdn"},
    {"Key Pad 4", "kp_leftarrow"},
    {"Key Pad 5", "kp_5"},
    {"Key Pad 6", "kp_rightarrow"},
    {"Key Pad 7", "kp_home"},
    {"Key Pad 8", "kp_uparrow"},
    {"Key Pad 9", "kp_pgup"},
    {"Key Pad 0", "kp_ins"},
    {"Key Pad Enter", "kp_enter"},
    {"Key Pad Delete", "kp_del"},
    {"Key Pad Slash", "kp_slash"},
    {"Key Pad Minus", "kp_minus"},
    {"Key Pad Plus", "kp_plus"},
}};
constexpr auto kKeyPadItems = ItemTexts(kKeyPad);

constexpr std::array<NamedKey, 7> kMouseButtons{{
    {"Mouse Left Click", "mouse1"},
    {"Mouse Right Click", "mouse2"},
    {"Mouse Middle Click", "mouse3"},
    {"Mouse Button 4", "mouse4"},
    {"Mouse Button 5", "mouse5"},
    {"Mouse Wheel Up", "mwheelup"},
    {"Mouse Wheel Down", "mwheeldown"},
}};
constexpr auto kMouseButtonItems = ItemTexts(kMouseButtons);

struct KeyList {
    ComboList list;
    std::span<const NamedKey> names; // the items whose game name is not their text
};

// Indexed by combo number - 1.
constexpr std::array<KeyList, 6> kKeyLists{{
    {{"Letters", "Lettres", kLetters}, {}},
    {{"Numbers", "Nombres", kNumbers}, {}},
    {{"Function Keys", "Touches de fonction", kFunctionKeys}, {}},
    {{"Misc Keys", "Touches diverses", kMiscKeys}, kMiscKeyNames},
    {{"Key Pad Keys", "Touches du pavé numérique", kKeyPadItems}, kKeyPad},
    {{"Mouse Buttons", "Boutons de la souris", kMouseButtonItems}, kMouseButtons},
}};

std::string_view GameNameOf(const KeyList& keys, std::string_view item) {
    const auto named = std::ranges::find(keys.names, item, &NamedKey::item);
    return named == keys.names.end() ? item : named->gameName;
}

} // namespace

const ComboList& KeyComboList(int comboNumber) {
    return kKeyLists.at(static_cast<std::size_t>(comboNumber - 1)).list;
}

std::optional<std::string> GameKeyName(int comboNumber, int position) {
    if (comboNumber < LettersCombo || comboNumber > MouseButtonsCombo) {
        return std::nullopt;
    }
    const KeyList& keys = kKeyLists[static_cast<std::size_t>(comboNumber - 1)];
    const std::optional<std::size_t> index = ItemIndex(position, keys.list.items.size());
    if (!index) {
        return std::nullopt;
    }
    return std::string(GameNameOf(keys, keys.list.items[*index]));
}

std::optional<std::string_view> CatalogueKeyName(std::string_view keyName) {
    // Every game name of the catalogue in small letters beside its own spelling, made once.
    static const std::vector<std::pair<std::string, std::string_view>> lowered = [] {
        std::vector<std::pair<std::string, std::string_view>> names;
        for (const KeyList& keys : kKeyLists) {
            for (const std::string_view item : keys.list.items) {
                const std::string_view gameName = GameNameOf(keys, item);
                names.emplace_back(ToLowerText(gameName), gameName);
            }
        }
        return names;
    }();
    const std::string wanted = ToLowerText(keyName);
    const auto found = std::ranges::find(lowered, wanted, &std::pair<std::string, std::string_view>::first);
    return found == lowered.end() ? std::nullopt : std::optional(found->second);
}

} // namespace cssbinder
