#include "platform/gamma/GammaPreviewSession.h"

namespace cssbinder {
namespace {

GammaPreviewSession* g_activeSession = nullptr;

} // namespace

GammaPreviewSession::GammaPreviewSession(std::unique_ptr<DisplayGamma> display)
    : m_display(std::move(display)) {
    g_activeSession = this;
    m_note = m_recovery.Take() ? m_recovery.RestoreLeft(*m_display)
                               : RecoveryNote{GammaNote::RecoveryInUse, GammaRecoveryPath(), {}};
    // Read after an earlier run's ramps went back, so that these are the screen's own.
    m_saved = m_display->ReadRamps();
    // Ramps not back yet, or kept by another copy, would be overwritten by this preview's.
    if (Access() != GammaAccess::Changeable || (m_note && m_note->note != GammaNote::RecoverySetAside)) {
        return;
    }
    if (const QString reason = m_recovery.Keep(m_saved.ramps); !reason.isEmpty()) {
        m_note = RecoveryNote{GammaNote::RecoveryNotWritten, GammaRecoveryPath(), reason};
        return;
    }
    m_bRecoveryKept = true;
}

GammaPreviewSession::~GammaPreviewSession() {
    Restore();
    if (g_activeSession == this) {
        g_activeSession = nullptr;
    }
}

void GammaPreviewSession::Apply(float exponent) {
    if (!ChangesScreen()) {
        return;
    }
    std::vector<GammaRamp> ramps;
    ramps.reserve(m_saved.ramps.size());
    for (const GammaRamp& own : m_saved.ramps) {
        ramps.push_back(BuildGammaRamp(exponent, own.Size()));
    }
    m_display->WriteRamps(ramps);
}

void GammaPreviewSession::Restore() {
    if (ChangesScreen() && m_display->WriteRamps(m_saved.ramps)) {
        m_recovery.Forget();
        m_bRecoveryKept = false;
    }
}

void GammaPreviewSession::RestoreActive() {
    if (g_activeSession != nullptr) {
        g_activeSession->Restore();
    }
}

} // namespace cssbinder
