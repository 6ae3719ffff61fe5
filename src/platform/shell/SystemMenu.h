#pragma once

#include <QString>

class QWidget;

namespace cssbinder {

// Appends a separator and a command item to the window's system menu. Returns false where the
// platform gives a program no system menu (X11, Wayland); the window then offers the item elsewhere.
bool AppendToSystemMenu(QWidget& window, unsigned commandId, const QString& text);

// Gives the system menu's command item with that ID the text, appending the item when the menu has
// none yet, so that an item can follow the language. Nothing where there is no system menu.
void PutInSystemMenu(QWidget& window, unsigned commandId, const QString& text);

// Whether a native window message is the system menu's command with that ID.
bool IsSystemMenuCommand(const void* message, unsigned commandId);

} // namespace cssbinder
