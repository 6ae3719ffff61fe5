#include "core/binds/BindLine.h"

#include "core/text/CodePage1252.h"

namespace cssbinder {

std::string BindLine(std::string_view key, std::string_view command) {
    std::string line = "bind \"";
    line += key;
    line += "\" \"";
    line += command;
    line += '"';
    return ToLowerCp1252(line);
}

std::string SayCommand(int sayTarget, std::string_view text) {
    // A quote would close the bound command early, a semicolon would start another console command,
    // and a line break (pasted into the field) would end the config line and hand the rest to the
    // console. All are ASCII bytes, never part of a multi-byte UTF-8 character.
    std::string message;
    message.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            continue;
        }
        message += c == '"' ? '\'' : c == ';' ? ',' : c == '\r' || c == '\n' ? ' ' : c;
    }
    return (sayTarget == 0 ? "say " : "say_team ") + message;
}

std::string ConsoleBindValue(std::string_view key) {
    return "con_enable 1\r\n" + BindLine(key, "toggleconsole");
}

} // namespace cssbinder
