#pragma once

#include <QString>

#include <optional>

namespace cssbinder {

// The values the tool keeps in its per-user profile; Profile.cpp holds each one's section, name and
// default.
enum class ProfileKey {
    GamePath,
    GammaSliderPosition,
};

// The per-user profile: an INI file named after the program (cssbinder.ini) in the per-user
// configuration folder.
QString ProfilePath();
// The stored text, or the key's default when there is none.
QString ReadProfile(ProfileKey key);
// The stored whole number; none when the profile holds none for the key.
std::optional<int> ReadProfileNumber(ProfileKey key);
// The writes replace the profile only once it is fully written; they return the system's reason
// when they could not, an empty text on success.
[[nodiscard]] QString WriteProfile(ProfileKey key, const QString& value);
[[nodiscard]] QString WriteProfile(ProfileKey key, int value);
// Why the profile cannot be written now, found without changing it; an empty text when it can be.
QString ProfileWriteRefusal();

} // namespace cssbinder
