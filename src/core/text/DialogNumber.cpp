#include "core/text/DialogNumber.h"

#include <algorithm>
#include <array>
#include <cfloat>
#include <charconv>

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

} // namespace

std::string FormatDialogFloat(float value) {
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
