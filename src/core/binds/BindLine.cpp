#include "core/binds/BindLine.h"

#include "core/text/LowerCase.h"
#include "core/text/Utf8.h"

namespace cssbinder {
namespace {

struct SayMessage {
    std::string text;
    std::size_t typedBytesUsed = 0;
};

// The message of a say text, character by character, up to the chat's limit. The console would
// otherwise cut the text short: a quote closes the bound command, a semicolon starts another command,
// "//" starts a comment (even inside the bound text, which is read again at each key press), and a
// line break ends the config line. All are ASCII bytes, never part of a multi-byte UTF-8 character.
SayMessage MendSayText(std::string_view text) {
    SayMessage message;
    std::size_t chatBytes = 0;
    std::size_t index = 0;
    while (index < text.size()) {
        const char32_t codePoint = DecodeUtf8At(text, index);
        std::string piece;
        if (codePoint == U'\r' && index < text.size() && text[index] == '\n') {
            ++index;
            piece = " ";
        } else if (codePoint == U'\r' || codePoint == U'\n') {
            piece = " ";
        } else if (codePoint == U'"') {
            piece = "'";
        } else if (codePoint == U';') {
            piece = ",";
        } else if (codePoint == U'/' && message.text.ends_with('/')) {
            piece = " /";
        } else {
            AppendUtf8(piece, codePoint);
        }
        chatBytes += ToLowerText(piece).size();
        if (chatBytes > kSayTextLimit) {
            break;
        }
        message.text += piece;
        message.typedBytesUsed = index;
    }
    return message;
}

} // namespace

std::string BindLine(std::string_view key, std::string_view command) {
    std::string line = "bind \"";
    line += key;
    line += "\" \"";
    line += command;
    line += '"';
    return ToLowerText(line);
}

std::string SayCommand(int sayTarget, std::string_view text) {
    return (sayTarget == 0 ? "say " : "say_team ") + MendSayText(text).text;
}

std::string_view FitSayText(std::string_view text) {
    return text.substr(0, MendSayText(text).typedBytesUsed);
}

std::string ConsoleBindValue(std::string_view key) {
    return "con_enable 1\r\n" + BindLine(key, "toggleconsole");
}

} // namespace cssbinder
