#pragma once

#include <QString>

namespace cssbinder {

// The per-user profile: an INI file named after the program (cssbinder.ini) in the per-user
// configuration folder, so that XDG_CONFIG_HOME moves it.
QString ProfilePath();
QString GetProfileString(const QString& section, const QString& key, const QString& defaultValue = {});
void WriteProfileString(const QString& section, const QString& key, const QString& value);
// A whole number of the profile; a value that is not one gives the default.
int GetProfileInt(const QString& section, const QString& key, int defaultValue);
void WriteProfileInt(const QString& section, const QString& key, int value);

} // namespace cssbinder
