#include "platform/SystemMenu.h"

namespace cssbinder {

bool AppendToSystemMenu(QWidget&, unsigned, const QString&) {
    return false;
}

bool IsSystemMenuCommand(const void*, unsigned) {
    return false;
}

} // namespace cssbinder
