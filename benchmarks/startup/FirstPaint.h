#pragma once

class QWidget;

namespace cssbinder::bench {

// Closes the window once its first paint has been handled, so that the process measures exactly
// what a user waits for before the window is on the screen.
void CloseAfterFirstPaint(QWidget& window);

} // namespace cssbinder::bench
