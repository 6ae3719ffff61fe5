#pragma once

#include "core/gamma/GammaAccess.h"
#include "core/gamma/GammaRamp.h"
#include "platform/gamma/GammaRecovery.h"

#include <QSlider>

#include <memory>
#include <optional>

namespace cssbinder {

class GammaPreviewSession;

// The gamma preview's slider: every move shows the ramp of the position it now shows on the whole
// screen, and the screen's own ramp, read when the slider is attached, goes back when it ends. Where
// the screen is not changed, the ramp is handed to the pictures instead.
class CGammaSliderCtrl : public QSlider {
    Q_OBJECT
public:
    explicit CGammaSliderCtrl(QWidget* parent);
    ~CGammaSliderCtrl() override;

    // Runs as the dialog attaches the slider: opens the preview session on the display, which reads and
    // keeps the screen's own ramps, and sets the slider up; where they cannot be read, the slider is
    // disabled and nothing is applied or restored.
    void PreSubclassWindow();

    void ApplyExponent(float exponent);
    void SetPositionAndApply(int position);
    void InitFromProfile();
    // Puts the slider on the estimate of the screen's own ramp and the ramp back on the screen.
    void RestoreRamp();
    // Sets the ramps kept when the slider was attached back on the screen, which ends the session's
    // need of the recovery file.
    void SetSavedRamp();
    void SavePosition();

    GammaAccess Access() const;
    // What the preview has to say about the recovery file, when it has anything to say.
    std::optional<RecoveryNote> Note() const;

signals:
    // Where the screen itself cannot show it, the ramp that a move previews.
    void rampPreviewed(const cssbinder::GammaRamp& ramp);

private:
    void HScroll();
    // The position whose ramp is nearest the screen's own (of its first output).
    int OwnRampPosition() const;

    std::unique_ptr<GammaPreviewSession> m_session;
};

} // namespace cssbinder
