#include "core/gamma/RampFile.h"

#include <algorithm>
#include <charconv>
#include <cstdint>

namespace cssbinder {
namespace {

constexpr std::string_view kHeader = "cssbinder gamma ramps 1\n";
// Far beyond any adapter, small enough that a damaged file cannot ask for much memory.
constexpr std::size_t kLargestRamp = 65536;
constexpr std::size_t kMostOutputs = 64;
constexpr std::uint16_t kDimmestTop = 65535 / 10;

void AppendChannel(std::string& text, const std::vector<std::uint16_t>& channel) {
    for (std::size_t k = 0; k < channel.size(); ++k) {
        if (k > 0) {
            text += ' ';
        }
        text += std::to_string(channel[k]);
    }
    text += '\n';
}

// Reads whole numbers separated by one blank or line end, as the file writes them.
class NumberReader {
public:
    explicit NumberReader(std::string_view text) : m_text(text) {}

    std::optional<std::size_t> Next(std::size_t largest) {
        std::size_t value = 0;
        const auto [end, error] = std::from_chars(m_text.data(), m_text.data() + m_text.size(), value);
        if (error != std::errc{} || end == m_text.data() + m_text.size() || value > largest ||
            (*end != ' ' && *end != '\n')) {
            return std::nullopt;
        }
        m_text.remove_prefix(static_cast<std::size_t>(end - m_text.data()) + 1);
        return value;
    }
    bool AtEnd() const { return m_text.empty(); }

private:
    std::string_view m_text;
};

bool ReadChannel(NumberReader& reader, std::vector<std::uint16_t>& channel, std::size_t size) {
    channel.resize(size);
    for (std::uint16_t& entry : channel) {
        const std::optional<std::size_t> value = reader.Next(65535);
        if (!value) {
            return false;
        }
        entry = static_cast<std::uint16_t>(*value);
    }
    return true;
}

bool IsLit(const GammaRamp& ramp) {
    bool rises = false;
    for (const std::vector<std::uint16_t>* channel : {&ramp.red, &ramp.green, &ramp.blue}) {
        if (channel->empty() || channel->size() != ramp.Size() || !std::ranges::is_sorted(*channel)) {
            return false;
        }
        rises = rises || (channel->back() >= kDimmestTop && channel->back() > channel->front());
    }
    return rises;
}

} // namespace

std::string SerializeRamps(const std::vector<GammaRamp>& ramps) {
    std::string text(kHeader);
    text += std::to_string(ramps.size()) + '\n';
    for (const GammaRamp& ramp : ramps) {
        text += std::to_string(ramp.Size()) + '\n';
        AppendChannel(text, ramp.red);
        AppendChannel(text, ramp.green);
        AppendChannel(text, ramp.blue);
    }
    return text;
}

std::optional<std::vector<GammaRamp>> ParseRamps(std::string_view text) {
    if (!text.starts_with(kHeader)) {
        return std::nullopt;
    }
    NumberReader reader(text.substr(kHeader.size()));
    const std::optional<std::size_t> outputs = reader.Next(kMostOutputs);
    if (!outputs || *outputs == 0) {
        return std::nullopt;
    }
    std::vector<GammaRamp> ramps(*outputs);
    for (GammaRamp& ramp : ramps) {
        const std::optional<std::size_t> size = reader.Next(kLargestRamp);
        if (!size || *size == 0 || !ReadChannel(reader, ramp.red, *size) ||
            !ReadChannel(reader, ramp.green, *size) || !ReadChannel(reader, ramp.blue, *size)) {
            return std::nullopt;
        }
    }
    if (!reader.AtEnd()) {
        return std::nullopt;
    }
    return ramps;
}

KeptRamps JudgeKeptRamps(const std::vector<GammaRamp>& kept, const std::vector<GammaRamp>& current) {
    if (kept.size() != current.size()) {
        return KeptRamps::OtherOutputs;
    }
    for (std::size_t i = 0; i < kept.size(); ++i) {
        if (kept[i].Size() != current[i].Size() || !IsLit(kept[i])) {
            return KeptRamps::Implausible;
        }
    }
    return KeptRamps::Plausible;
}

} // namespace cssbinder
