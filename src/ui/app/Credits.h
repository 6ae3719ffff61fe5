#pragma once

namespace cssbinder {

// The maker's web page, shown as the banner's tool-tip and opened by a click on it.
inline constexpr char kMakerWebPage[] = "https://github.com/cssbinder/cssbinder";
// Opened by Report Bug in the Advanced Parameters dialog.
inline constexpr char kReportBugLink[] = "mailto:cssbinder@users.noreply.github.com";
// The two credit lines of the About box.
inline constexpr char kAuthorCredit[] = "Generator coded by the cssbinder authors";
inline constexpr char kLogoCredit[] = "Logo by the cssbinder authors";

} // namespace cssbinder
