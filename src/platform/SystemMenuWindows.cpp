#include "platform/SystemMenu.h"

#include <QWidget>

#include <windows.h>

namespace cssbinder {

bool AppendToSystemMenu(QWidget& window, unsigned commandId, const QString& text) {
    const HMENU systemMenu = GetSystemMenu(reinterpret_cast<HWND>(window.winId()), FALSE);
    if (systemMenu == nullptr) {
        return false;
    }
    AppendMenuW(systemMenu, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(systemMenu, MF_STRING, commandId, reinterpret_cast<const wchar_t*>(text.utf16()));
    return true;
}

bool IsSystemMenuCommand(const void* message, unsigned commandId) {
    const MSG* msg = static_cast<const MSG*>(message);
    return msg->message == WM_SYSCOMMAND && (msg->wParam & 0xFFF0) == commandId;
}

} // namespace cssbinder
