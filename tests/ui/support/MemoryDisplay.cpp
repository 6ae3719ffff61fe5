#include "MemoryDisplay.h"

namespace cssbinder::test {
namespace {

class MemoryDisplayGamma final : public DisplayGamma {
public:
    explicit MemoryDisplayGamma(std::shared_ptr<MemoryScreen> screen) : m_screen(std::move(screen)) {}

    DisplayRamps ReadRamps() override {
        const bool readable = m_screen->access == GammaAccess::Changeable;
        return {m_screen->access, readable ? m_screen->ramps : std::vector<GammaRamp>()};
    }
    bool WriteRamps(const std::vector<GammaRamp>& ramps) override {
        m_screen->written.push_back(ramps);
        if (m_screen->refusesWrites) {
            return false;
        }
        m_screen->ramps = ramps;
        return true;
    }

private:
    std::shared_ptr<MemoryScreen> m_screen;
};

} // namespace

MemoryDisplay::MemoryDisplay(GammaAccess access)
    : m_own{BuildGammaRamp(0.9f, 256), BuildGammaRamp(1.1f, 1024)},
      m_screen(std::make_shared<MemoryScreen>()) {
    m_screen->access = access;
    m_screen->ramps = m_own;
    SetDisplayGammaFactoryForTests(
        [screen = m_screen] { return std::make_unique<MemoryDisplayGamma>(screen); });
}

MemoryDisplay::~MemoryDisplay() {
    SetDisplayGammaFactoryForTests({});
}

std::vector<GammaRamp> MemoryDisplay::RampsFor(int position) const {
    const float exponent = ExponentForPosition(position);
    return {BuildGammaRamp(exponent, 256), BuildGammaRamp(exponent, 1024)};
}

} // namespace cssbinder::test
