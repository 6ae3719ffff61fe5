#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace cssbinder {

// Every number the tool shows, reads or writes goes through these, so that a desktop whose locale
// writes a decimal comma (French, German) sees and saves the same text as any other: a dot.

// A float as a dialog field shows it: the shortest form of six significant digits (2.2 shows as "2.2").
std::string FormatDialogFloat(float value);

// The number a dialog field holds: optional blanks around one decimal number, nothing else. A comma
// is read as the decimal separator, as French and German players type it ("1,5" is 1.5).
std::optional<float> ParseDialogFloat(std::string_view text);

// A number with six decimals, as a console value takes it: 2.2 is "2.200000".
std::string FormatSixDecimals(double value);

} // namespace cssbinder
