#include "core/text/DialogNumber.h"

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

} // namespace

// std::to_chars, unlike printf, writes a point whatever the user's locale, as the parser expects.
std::string FormatDialogFloat(float value) {
    char buffer[32];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, static_cast<double>(value),
                                            std::chars_format::general, FLT_DIG);
    return error == std::errc{} ? std::string(buffer, end) : std::string();
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
