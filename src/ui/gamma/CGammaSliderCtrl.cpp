#include "ui/gamma/CGammaSliderCtrl.h"

#include "platform/gamma/GammaPreviewSession.h"
#include "platform/profile/Profile.h"

#include <algorithm>

namespace cssbinder {
namespace {

constexpr int kTickFrequency = 5;

} // namespace

CGammaSliderCtrl::CGammaSliderCtrl(QWidget* parent) : QSlider(Qt::Horizontal, parent) {
    setTickPosition(QSlider::TicksAbove);
    setFocusPolicy(Qt::StrongFocus);
    // A page is a fifth of the range, as on the system's own trackbar.
    setPageStep((kGammaSliderMax - kGammaSliderMin) / 5);
    // Every kind of move previews: drags, arrows, Home and End, clicks in the channel, the wheel.
    connect(this, &QAbstractSlider::actionTriggered, this, &CGammaSliderCtrl::HScroll);
}

CGammaSliderCtrl::~CGammaSliderCtrl() {
    SavePosition();
    SetSavedRamp();
}

void CGammaSliderCtrl::PreSubclassWindow() {
    m_session = std::make_unique<GammaPreviewSession>(OpenDisplayGamma());
    // The range holds even when the ramps cannot be read, so the disabled slider shows the position
    // that OK hands back.
    setRange(kGammaSliderMin, kGammaSliderMax);
    if (Access() == GammaAccess::Unreadable) {
        setEnabled(false);
        return;
    }
    setTickInterval(kTickFrequency);
    InitFromProfile();
}

GammaAccess CGammaSliderCtrl::Access() const {
    return m_session ? m_session->Access() : GammaAccess::Unreadable;
}

std::optional<RecoveryNote> CGammaSliderCtrl::Note() const {
    return m_session ? m_session->Note() : std::nullopt;
}

void CGammaSliderCtrl::ApplyExponent(float exponent) {
    if (!m_session) {
        return;
    }
    m_session->Apply(exponent);
    if (Access() != GammaAccess::Unreadable && !m_session->ChangesScreen()) {
        emit rampPreviewed(BuildGammaRamp(exponent));
    }
}

void CGammaSliderCtrl::SetPositionAndApply(int position) {
    setValue(position);
    ApplyExponent(ExponentForPosition(position));
}

void CGammaSliderCtrl::InitFromProfile() {
    // The profile is a file anyone can edit: a position beyond the slider would flash the screen white.
    SetPositionAndApply(
        std::clamp(ReadProfileNumber(ProfileKey::GammaSliderPosition).value_or(OwnRampPosition()),
                   kGammaSliderMin, kGammaSliderMax));
}

void CGammaSliderCtrl::RestoreRamp() {
    if (Access() == GammaAccess::Unreadable) {
        return;
    }
    setValue(OwnRampPosition());
    SetSavedRamp();
}

void CGammaSliderCtrl::SetSavedRamp() {
    if (m_session) {
        m_session->Restore();
    }
}

void CGammaSliderCtrl::SavePosition() {
    if (!m_session) {
        return;
    }
    // It runs as the dialog goes, where no message can be shown; a profile that cannot be written is
    // said when the game folder is asked for.
    if (const QString failure = WriteProfile(ProfileKey::GammaSliderPosition, value()); !failure.isEmpty()) {
        qWarning("Cannot write %s: %s", qUtf8Printable(ProfilePath()), qUtf8Printable(failure));
    }
}

int CGammaSliderCtrl::OwnRampPosition() const {
    const std::vector<GammaRamp>& own = m_session->SavedRamps();
    return EstimatePosition(own.empty() ? GammaRamp{} : own.front());
}

void CGammaSliderCtrl::HScroll() {
    // The position the move leads to; the value follows right after this signal.
    ApplyExponent(ExponentForPosition(sliderPosition()));
}

} // namespace cssbinder
