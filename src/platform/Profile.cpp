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

int GetProfileInt(const QString& section, const QString& key, int defaultValue) {
    bool isNumber = false;
    const int value = GetProfileString(section, key).toInt(&isNumber);
    return isNumber ? value : defaultValue;
}

void WriteProfileInt(const QString& section, const QString& key, int value) {
    WriteProfileString(section, key, QString::number(value));
}

} // namespace cssbinder
