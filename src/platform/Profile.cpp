#include "platform/Profile.h"

#include <QSettings>
#include <QStandardPaths>

namespace cssbinder {
namespace {

QString ProfileKey(const QString& section, const QString& key) {
    return section + u'/' + key;
}

} // namespace

QString ProfilePath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/cssbinder.ini");
}

QString GetProfileString(const QString& section, const QString& key, const QString& defaultValue) {
    const QSettings profile(ProfilePath(), QSettings::IniFormat);
    return profile.value(ProfileKey(section, key), defaultValue).toString();
}

void WriteProfileString(const QString& section, const QString& key, const QString& value) {
    QSettings profile(ProfilePath(), QSettings::IniFormat);
    profile.setValue(ProfileKey(section, key), value);
}

} // namespace cssbinder
