#include "platform/GammaPreviewSession.h"

#include "platform/GammaRecovery.h"

namespace cssbinder {
namespace {

GammaPreviewSession* g_activeSession = nullptr;

} // namespace

GammaPreviewSession::GammaPreviewSession(std::unique_ptr<DisplayGamma> display)
    : m_display(std::move(display)), m_saved(m_display->ReadRamps()) {
    g_activeSession = this;
}

GammaPreviewSession::~GammaPreviewSession() {
    Restore();
    if (g_activeSession == this) {
        g_activeSession = nullptr;
    }
}

void GammaPreviewSession::Apply(float exponent) {
    if (Access() != GammaAccess::Changeable) {
        return;
    }
    if (!m_bRecoveryKept) {
        KeepRampsForRecovery(m_saved.ramps);
        m_bRecoveryKept = true;
    }
    std::vector<GammaRamp> ramps;
    ramps.reserve(m_saved.ramps.size());
    for (const GammaRamp& own : m_saved.ramps) {
        ramps.push_back(BuildGammaRamp(exponent, own.Size()));
    }
    m_display->WriteRamps(ramps);
}

void GammaPreviewSession::Restore() {
    if (Access() != GammaAccess::Changeable) {
        return;
    }
    m_display->WriteRamps(m_saved.ramps);
    if (m_bRecoveryKept) {
        ForgetRecoveryRamps();
        m_bRecoveryKept = false;
    }
}

void GammaPreviewSession::RestoreActive() {
    if (g_activeSession != nullptr) {
        g_activeSession->Restore();
    }
}

} // namespace cssbinder
