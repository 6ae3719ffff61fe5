#include "platform/profile/UserConfigFile.h"

#include <QDir>
#include <QStandardPaths>

namespace cssbinder {
namespace {

QString UserConfigFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
}

} // namespace

QString UserConfigFile(const QString& name) {
    return UserConfigFolder() + u'/' + name;
}

void MakeUserConfigFolder() {
    QDir().mkpath(UserConfigFolder());
}

} // namespace cssbinder
