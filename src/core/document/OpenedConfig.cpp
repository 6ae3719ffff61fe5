#include "core/document/OpenedConfig.h"

#include "core/advanced/ConnectionPresets.h"
#include "core/binds/KeyCatalogue.h"
#include "core/console/ConsoleReader.h"
#include "core/text/CodePage1252.h"
#include "core/text/Utf8.h"

#include <algorithm>
#include <vector>

namespace cssbinder {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// The key a line is stored under. Only a line of one command gets a name: replacing a line of
// several would take the others with it.
std::string KeyOfLine(const std::string& line, const std::vector<std::string_view>& namedVariables) {
    const std::vector<std::string_view> commands = SplitCommands(line);
    if (commands.size() != 1) {
        return line;
    }
    if (const std::optional<ConsoleBind> bind = ReadBind(commands.front())) {
        return std::string(CatalogueKeyName(bind->key).value_or(bind->key));
    }
    // A variable named without a value only shows it.
    const auto named = std::ranges::find_if(namedVariables, [&commands](std::string_view variable) {
        return IsCommand(commands.front(), variable);
    });
    if (named != namedVariables.end() && Tokenize(commands.front()).size() > 1) {
        return std::string(*named);
    }
    return line;
}

} // namespace

std::string DecodeConfigLine(std::string_view bytes) {
    return IsValidUtf8(bytes) ? std::string(bytes) : DecodeCp1252(bytes);
}

ConfigDocument ReadConfigDocument(std::string_view bytes) {
    if (bytes.starts_with(kByteOrderMark)) {
        bytes.remove_prefix(kByteOrderMark.size());
    }
    const std::vector<std::string_view> namedVariables = VariablesStoredByName();
    ConfigDocument document;
    for (std::string_view line : SplitLines(bytes)) {
        if (line.ends_with('\r')) {
            line.remove_suffix(1);
        }
        const std::string text = DecodeConfigLine(line);
        document.Append(KeyOfLine(text, namedVariables), text);
    }
    return document;
}

} // namespace cssbinder
