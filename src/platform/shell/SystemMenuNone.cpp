#include "platform/shell/SystemMenu.h"

namespace cssbinder {

bool AppendToSystemMenu(QWidget&, unsigned, const QString&) {
    return false;
}

void PutInSystemMenu(QWidget&, unsigned, const QString&) {}

bool IsSystemMenuCommand(const void*, unsigned) {
    return false;
}

} // namespace cssbinder
