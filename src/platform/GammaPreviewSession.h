#pragma once

#include "platform/DisplayGamma.h"

#include <memory>
#include <vector>

namespace cssbinder {

// The screen's gamma while a preview runs: its own ramps are read once at the start and written back
// on every way out, the destructor and an exit signal included.
class GammaPreviewSession {
public:
    explicit GammaPreviewSession(std::unique_ptr<DisplayGamma> display);
    ~GammaPreviewSession();
    GammaPreviewSession(const GammaPreviewSession&) = delete;
    GammaPreviewSession& operator=(const GammaPreviewSession&) = delete;

    GammaAccess Access() const { return m_saved.access; }
    const std::vector<GammaRamp>& SavedRamps() const { return m_saved.ramps; }

    // Shows the exponent on every output, each at its own ramp size. Before the first change the own
    // ramps are kept in the recovery file. Nothing is written unless the ramps could be read.
    void Apply(float exponent);
    // Writes the own ramps back and drops the recovery file.
    void Restore();

    // The session that runs now, if any, restores: for a process that is asked to end.
    static void RestoreActive();

private:
    std::unique_ptr<DisplayGamma> m_display;
    DisplayRamps m_saved;
    bool m_bRecoveryKept = false;
};

} // namespace cssbinder
