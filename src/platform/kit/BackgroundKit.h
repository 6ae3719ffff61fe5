#pragma once

#include "platform/kit/KitScript.h"
#include "platform/kit/KitWorkingCopy.h"

#include <QString>

#include <chrono>

namespace cssbinder {

// The folder of the menu background's conversion kit: the folder `background` beside the program
// when it is usable there, else the user's working copy of the installed kit. Every caller asks
// here, so this is the one place that decides it.
KitChoice BackgroundKitFolder();

// The kit's script in the folder.
QString BackgroundKitScript(const QString& folder);

struct KitRun {
    using Outcome = KitScriptRun::Outcome;
    Outcome outcome;
    QString reason;
};

// Runs the kit in its folder and waits for it at most the time limit. The windows go on painting
// meanwhile; the user's input waits until the kit ends. A run still going at the limit is stopped.
// An installed kit's converter lies apart from its scripts: the script is told where, through the
// environment variable CSSBINDER_CONVERTER.
KitRun RunBackgroundKit(const QString& folder, std::chrono::milliseconds timeLimit);

} // namespace cssbinder
