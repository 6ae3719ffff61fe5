#include "core/text/DialogNumber.h"

#include <cfloat>
#include <charconv>
#include <clocale>
#include <cstdio>

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

} // namespace

// printf writes the decimal separator of the user's locale; the field and its parser use a point.
std::string FormatDialogFloat(float value) {
    char buffer[32];
    const int length = std::snprintf(buffer, sizeof buffer, "%.*g", FLT_DIG, static_cast<double>(value));
    const std::string_view printed(buffer, static_cast<std::size_t>(length));
    const std::string_view separator = std::localeconv()->decimal_point;
    const std::size_t at = printed.find(separator);
    if (separator == "." || at == std::string_view::npos) {
        return std::string(printed);
    }
    return std::string(printed.substr(0, at)).append(".").append(printed.substr(at + separator.size()));
}

std::optional<float> ParseDialogFloat(std::string_view text) {
    text = TrimBlanks(text);
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
    }
    double value = 0.0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc{} || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return static_cast<float>(value);
}

} // namespace cssbinder
