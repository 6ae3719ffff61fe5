#pragma once

#include "platform/gamma/DisplayGamma.h"

#include <memory>
#include <vector>

namespace cssbinder::test {

// An in-memory screen; it outlives the displays opened on it, for a test to look after a dialog closed.
struct MemoryScreen {
    GammaAccess access = GammaAccess::Changeable;
    std::vector<GammaRamp> ramps;
    // Every write asked for, taken or refused.
    std::vector<std::vector<GammaRamp>> written;
    bool refusesWrites = false;
};

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

// Stands in for the real screen while it lives; its own ramps: two outputs of different sizes, not identity.
class MemoryDisplay {
public:
    explicit MemoryDisplay(GammaAccess access = GammaAccess::Changeable)
        : m_own{BuildGammaRamp(0.9f, 256), BuildGammaRamp(1.1f, 1024)},
          m_screen(std::make_shared<MemoryScreen>()) {
        m_screen->access = access;
        m_screen->ramps = m_own;
        SetDisplayGammaFactoryForTests(
            [screen = m_screen] { return std::make_unique<MemoryDisplayGamma>(screen); });
    }
    ~MemoryDisplay() { SetDisplayGammaFactoryForTests({}); }
    MemoryDisplay(const MemoryDisplay&) = delete;
    MemoryDisplay& operator=(const MemoryDisplay&) = delete;

    const std::vector<GammaRamp>& OwnRamps() const { return m_own; }
    MemoryScreen& Screen() const { return *m_screen; }
    // The ramps the screen shows for a slider position.
    std::vector<GammaRamp> RampsFor(int position) const {
        const float exponent = ExponentForPosition(position);
        return {BuildGammaRamp(exponent, 256), BuildGammaRamp(exponent, 1024)};
    }

private:
    std::vector<GammaRamp> m_own;
    std::shared_ptr<MemoryScreen> m_screen;
};

} // namespace cssbinder::test
