#pragma once

#include "platform/files/SafeFile.h"

#include <QString>

#include <optional>

namespace cssbinder {

// The places the menu background's conversion kit can be used from.
struct KitFolders {
    // The folder `background` beside the program: a build tree, or a copy the user unpacked.
    QString besideProgram;
    // The kit an installed program came with, which its user cannot write into.
    QString installed;
    // The user's own working copy of the installed kit.
    QString perUser;
};

struct KitChoice {
    QString folder;
    // The file that kept the per-user copy from being made or renewed, and why; an older copy stays
    // whole and is used.
    std::optional<WriteFailure> copyFailure;
};

// The kit folder to use: the one beside the program when it holds a kit that can be written into;
// else the per-user copy of the installed kit, made on first use and made again when the installed
// kit has changed since; without an installed kit, the per-user copy if there is one, and the
// folder beside the program otherwise.
KitChoice KitWorkingFolder(const KitFolders& folders);

} // namespace cssbinder
