// Reads any bytes as a config file with the model of the game's console and presses every key it binds:
// every piece read must lie inside its text and keep the console's limits.
#include "core/console/ConsoleReader.h"

#include "FuzzInput.h"

#include <functional>

namespace {

using namespace cssbinder;

bool Inside(std::string_view piece, std::string_view text) {
    return std::less_equal<>()(text.data(), piece.data()) &&
           std::less_equal<>()(piece.data() + piece.size(), text.data() + text.size());
}

// Binds may bind binds; the depth keeps a hostile file from nesting the reading without end.
void Read(std::string_view text, int depth) {
    for (const std::string_view command : ReadCommands(text)) {
        Expect(Inside(command, text) && command.size() <= kMaxCommandBytes);
        const auto arguments = Tokenize(command);
        Expect(arguments.size() <= kMaxCommandArguments);
        for (const std::string_view argument : arguments) {
            Expect(Inside(argument, command));
        }
        if (const auto chat = ChatText(command)) {
            Expect(Inside(*chat, command) && chat->size() <= kMaxChatBytes);
        }
        if (const auto bind = ReadBind(command); bind && depth < 3) {
            Expect(Inside(bind->key, command));
            Read(bind->boundText, depth + 1);
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Read(FuzzText(data, size), 0);
    return 0;
}
