#include "core/binds/BindLine.h"

#include "core/text/CodePage1252.h"

#include <algorithm>

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
    // A quote would close the bound command early and a semicolon would start another console command.
    // Both are ASCII bytes, never part of a multi-byte UTF-8 character.
    std::string message(text);
    std::replace(message.begin(), message.end(), '"', '\'');
    std::replace(message.begin(), message.end(), ';', ',');
    return (sayTarget == 0 ? "say " : "say_team ") + message;
}

std::string ConsoleBindValue(std::string_view key) {
    return "con_enable 1\r\n" + BindLine(key, "toggleconsole");
}

} // namespace cssbinder
