#include "platform/BackgroundKit.h"

#include <QProcess>

namespace cssbinder {

KitCommand BackgroundKitCommand() {
    return {QStringLiteral("convert.bat"),
            QStringLiteral("cmd"),
            {QStringLiteral("/c"), QStringLiteral("convert.bat")}};
}

void PrepareKitProcess(QProcess&) {}

void StopKitProcess(QProcess& process) {
    process.kill();
}

} // namespace cssbinder
