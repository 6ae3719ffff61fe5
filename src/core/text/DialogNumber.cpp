#include "core/text/DialogNumber.h"

#include <cfloat>
#include <charconv>
#include <cstdio>

namespace cssbinder {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

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

std::string FormatDialogFloat(float value) {
    char buffer[32];
    const int length = std::snprintf(buffer, sizeof buffer, "%.*g", FLT_DIG, static_cast<double>(value));
    return std::string(buffer, static_cast<std::size_t>(length));
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
