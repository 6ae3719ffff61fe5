#pragma once

// Locales of French and German desktops, which write a decimal comma, as each system's C library
// names them.
namespace cssbinder {
#ifdef _WIN32
inline constexpr const char* kFrenchLocale = "French_France.1252";
inline constexpr const char* kGermanLocale = "German_Germany.1252";
#else
inline constexpr const char* kFrenchLocale = "fr_FR.UTF-8";
inline constexpr const char* kGermanLocale = "de_DE.UTF-8";
#endif
} // namespace cssbinder
