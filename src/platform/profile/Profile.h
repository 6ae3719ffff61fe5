#pragma once

#include <QString>

namespace cssbinder {

// The per-user profile: an INI file named after the program (cssbinder.ini) in the per-user
// configuration folder, so that XDG_CONFIG_HOME moves it.
QString ProfilePath();
QString GetProfileString(const QString& section, const QString& key, const QString& defaultValue = {});
// A whole number of the profile; a value that is not one gives the default.
int GetProfileInt(const QString& section, const QString& key, int defaultValue);
// The writes replace the profile only once it is fully written; they return the system's reason
// when they could not, an empty text on success.
[[nodiscard]] QString WriteProfileString(const QString& section, const QString& key, const QString& value);
[[nodiscard]] QString WriteProfileInt(const QString& section, const QString& key, int value);
// Why the profile cannot be written now, found without changing it; an empty text when it can be.
QString ProfileWriteRefusal();

} // namespace cssbinder
