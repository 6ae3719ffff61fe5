#pragma once

#include <functional>

class QDialog;

namespace cssbinder {

// The whole program, from the check for a display to the main window's end: main() is this call.
// `beforeShow` sees the main window before it is first shown; the start-up benchmark closes the
// window after its first paint through it, so that it measures the program's own start.
int RunProgram(int argc, char* argv[], const std::function<void(QDialog&)>& beforeShow = {});

} // namespace cssbinder
