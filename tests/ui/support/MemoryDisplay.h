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

// Stands in for the real screen while it lives; its own ramps: two outputs of different sizes, not identity.
class MemoryDisplay {
public:
    explicit MemoryDisplay(GammaAccess access = GammaAccess::Changeable);
    ~MemoryDisplay();
    MemoryDisplay(const MemoryDisplay&) = delete;
    MemoryDisplay& operator=(const MemoryDisplay&) = delete;

    const std::vector<GammaRamp>& OwnRamps() const { return m_own; }
    MemoryScreen& Screen() const { return *m_screen; }
    // The ramps the screen shows for a slider position.
    std::vector<GammaRamp> RampsFor(int position) const;

private:
    std::vector<GammaRamp> m_own;
    std::shared_ptr<MemoryScreen> m_screen;
};

} // namespace cssbinder::test
