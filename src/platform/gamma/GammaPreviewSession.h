#pragma once

#include "platform/gamma/DisplayGamma.h"
#include "platform/gamma/GammaRecovery.h"

#include <memory>
#include <optional>
#include <vector>

namespace cssbinder {

// The screen's gamma while a preview runs: its own ramps are read once at the start and written back
// on every way out, the destructor and an exit signal included. The screen is changed only while its
// own ramps are safe in the recovery file, which this session owns from start to end.
class GammaPreviewSession {
public:
    explicit GammaPreviewSession(std::unique_ptr<DisplayGamma> display);
    ~GammaPreviewSession();
    GammaPreviewSession(const GammaPreviewSession&) = delete;
    GammaPreviewSession& operator=(const GammaPreviewSession&) = delete;

    GammaAccess Access() const { return m_saved.access; }
    const std::vector<GammaRamp>& SavedRamps() const { return m_saved.ramps; }
    // Whether Apply changes the screen: the ramps could be read and are kept in the recovery file.
    bool ChangesScreen() const { return m_bRecoveryKept; }
    const std::optional<RecoveryNote>& Note() const { return m_note; }

    // Shows the exponent on every output, each at its own ramp size.
    void Apply(float exponent);
    // Writes the own ramps back; the recovery file goes only once they are back.
    void Restore();

    // The session that runs now, if any, restores: for a process that is asked to end.
    static void RestoreActive();

private:
    std::unique_ptr<DisplayGamma> m_display;
    GammaRecoveryFile m_recovery;
    DisplayRamps m_saved;
    std::optional<RecoveryNote> m_note;
    bool m_bRecoveryKept = false;
};

} // namespace cssbinder
