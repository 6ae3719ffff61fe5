#pragma once

#include <functional>

class QObject;

namespace cssbinder {

// Runs the action in the event loop when the process is asked to end (terminated, interrupted, its
// terminal gone), so that what the tool changed outside itself can be put back first. Where the
// platform has no such request, nothing is watched.
void WatchExitSignals(QObject& owner, std::function<void(int signalNumber)> action);

} // namespace cssbinder
