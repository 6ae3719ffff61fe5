#include "platform/BackgroundKit.h"

namespace cssbinder {

KitCommand BackgroundKitCommand() {
    return {QStringLiteral("convert.bat"),
            QStringLiteral("cmd"),
            {QStringLiteral("/c"), QStringLiteral("convert.bat")}};
}

} // namespace cssbinder
