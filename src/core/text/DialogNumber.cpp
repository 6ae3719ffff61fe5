#include "core/text/DialogNumber.h"

#include <algorithm>
#include <array>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdlib>

namespace cssbinder {
namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

template <typename... Format> std::string ToChars(double value, Format... format) {
    std::array<char, 64> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, format...);
    return std::string(buffer.data(), result.ptr);
}

// A value of at most two decimals and six digits (the gamma the window starts with, most typed ones)
// is written by integer arithmetic: the library's general formatter pages in about 200 KiB of its
// tables at first use. Within 1e-7 of n / 100, six significant digits of the value are those of
// n / 100, so the text is the same.
std::optional<std::string> FormatHundredths(float value) {
    const double hundredths = static_cast<double>(value) * 100.0;
    const double rounded = std::round(hundredths);
    if (!(std::abs(rounded) < 1e6) || std::abs(hundredths - rounded) > std::abs(rounded) * 1e-7 ||
        (rounded == 0.0 && std::signbit(value))) {
        return std::nullopt;
    }
    const long long whole = std::llround(rounded);
    std::string text = std::to_string(std::llabs(whole) / 100);
    if (const long long cents = std::llabs(whole) % 100; cents != 0) {
        text += '.';
        text += static_cast<char>('0' + cents / 10);
        if (cents % 10 != 0) {
            text += static_cast<char>('0' + cents % 10);
        }
    }
    return whole < 0 ? '-' + text : text;
}

} // namespace

std::string FormatDialogFloat(float value) {
    if (std::optional<std::string> text = FormatHundredths(value)) {
        return *text;
    }
    return ToChars(static_cast<double>(value), std::chars_format::general, FLT_DIG);
}

std::optional<float> ParseDialogFloat(std::string_view text) {
    std::string number(TrimBlanks(text));
    if (number.find('.') == std::string::npos) {
        std::replace(number.begin(), number.end(), ',', '.');
    }
    std::string_view digits = number;
    if (!digits.empty() && digits.front() == '+') {
        digits.remove_prefix(1);
    }
    double value = 0.0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (digits.empty() || error != std::errc{} || end != digits.data() + digits.size()) {
        return std::nullopt;
    }
    return static_cast<float>(value);
}

std::string FormatSixDecimals(double value) {
    return ToChars(value, std::chars_format::fixed, 6);
}

} // namespace cssbinder
