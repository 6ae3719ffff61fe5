#pragma once

#include <chrono>
#include <functional>
#include <string>

namespace cssbinder {

// Runs the menu background kit's script, one back end per system. Free of Qt, so that the Windows
// back end builds and runs alone.

// The script's file name in the kit's folder.
const char* KitScriptName();

struct KitScriptRun {
    enum class Outcome { Finished, NotStarted, Failed, TimedOut };
    Outcome outcome;
    // What the kit wrote on its error output, or the system's reason when it did not start.
    std::string reason;
};

// Runs the script with the kit's folder (UTF-8) as working folder and waits for it at most the time
// limit, calling whileWaiting every few milliseconds meanwhile. A run still going at the limit is
// stopped with every program it started, so that no converter writes a texture after it was given up.
KitScriptRun RunKitScript(const std::string& folder, std::chrono::milliseconds timeLimit,
                          const std::function<void()>& whileWaiting);

// How often the back ends call whileWaiting, and how long they wait for a stopped script to end.
constexpr std::chrono::milliseconds kKitPollInterval{20};
constexpr std::chrono::milliseconds kKitStopLimit{2000};

// How a started script ended, and what that means for the run, shared by the back ends; the error
// output is trimmed.
enum class KitScriptEnd { Exited, Crashed, Stopped };
KitScriptRun KitScriptOutcome(KitScriptEnd end, int exitCode, std::string errors);

} // namespace cssbinder
