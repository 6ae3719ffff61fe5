#include "platform/BackgroundKit.h"

namespace cssbinder {

KitCommand BackgroundKitCommand() {
    return {QStringLiteral("convert.sh"), QStringLiteral("sh"), {QStringLiteral("convert.sh")}};
}

} // namespace cssbinder
