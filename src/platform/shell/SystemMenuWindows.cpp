#include "platform/shell/SystemMenu.h"

#include <QWidget>

#include <windows.h>

namespace cssbinder {
namespace {

HMENU SystemMenuOf(QWidget& window) {
    return GetSystemMenu(reinterpret_cast<HWND>(window.winId()), FALSE);
}

} // namespace

bool AppendToSystemMenu(QWidget& window, unsigned commandId, const QString& text) {
    const HMENU systemMenu = SystemMenuOf(window);
    if (systemMenu == nullptr) {
        return false;
    }
    AppendMenuW(systemMenu, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(systemMenu, MF_STRING, commandId, reinterpret_cast<const wchar_t*>(text.utf16()));
    return true;
}

void PutInSystemMenu(QWidget& window, unsigned commandId, const QString& text) {
    const HMENU systemMenu = SystemMenuOf(window);
    if (systemMenu == nullptr) {
        return;
    }
    const auto* wideText = reinterpret_cast<const wchar_t*>(text.utf16());
    if (!ModifyMenuW(systemMenu, commandId, MF_BYCOMMAND | MF_STRING, commandId, wideText)) {
        AppendMenuW(systemMenu, MF_STRING, commandId, wideText);
    }
}

bool IsSystemMenuCommand(const void* message, unsigned commandId) {
    const MSG* msg = static_cast<const MSG*>(message);
    return msg->message == WM_SYSCOMMAND && (msg->wParam & 0xFFF0) == commandId;
}

} // namespace cssbinder
