#pragma once

#include <QString>

namespace cssbinder {

// The per-user profile: an INI file named after the program (cssbinder.ini) in the per-user
// configuration folder, so that XDG_CONFIG_HOME moves it.
QString ProfilePath();
QString GetProfileString(const QString& section, const QString& key, const QString& defaultValue = {});
void WriteProfileString(const QString& section, const QString& key, const QString& value);

} // namespace cssbinder
