#pragma once

#include "core/lang/Language.h"

#include <span>
#include <string_view>
#include <utility>
#include <vector>

namespace cssbinder {

// The messages of the main window, in the current language.
enum class Message {
    NothingToAdd,
    NothingToSay,
    SelectKey,
    NothingToSave,
    CannotWrite,
    QuitUnsaved,
    NotGameFolder,
    CannotRead,
    OpenUnsaved
};

struct ControlCaption {
    int controlId;
    std::string_view text;
};

// The caption of every relabelled control of the main window for one language, in the order the
// label routines set them. The Dynamic button (1072) and the transparency button (1070) read their
// state: `dynamic` picks "Fixed" over "Dynamic", `useAlpha` picks "No transparency" over "Set transparency".
std::vector<ControlCaption> MainWindowCaptions(int language, bool dynamic, bool useAlpha);

// The caption of the transparency button alone, for the language of the combo lists.
std::string_view SetAlphaCaption(int language, bool useAlpha);

// "Cannot write %1: %2" and "Cannot read %1: %2" take the file's path and the system's reason; the refusal of
// a folder that is not the game's takes that folder.
std::string_view MessageText(Message message, int language);

// The window's menu entry that asks for the game folder again.
std::string_view GameFolderEntry(int language);
// The window's menu entry that opens a configuration file.
std::string_view OpenEntry(int language);

} // namespace cssbinder
