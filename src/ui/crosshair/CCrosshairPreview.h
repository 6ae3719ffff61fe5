#pragma once

#include "core/crosshair/CrosshairState.h"
#include "ui/app/PictureControl.h"

namespace cssbinder {

// The crosshair as the game will show it: the game surface with the four arms drawn over it in the
// draw colour, at the arm length and gap of the scale.
class CCrosshairPreview : public PictureControl {
    Q_OBJECT
public:
    explicit CCrosshairPreview(QWidget* parent);

    // Shows the state and repaints at once.
    void DrawCrosshairPreview(const CrosshairState& crosshair);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int m_nArmLength = 0;
    int m_nGap = 0;
    ColorRef m_crDraw = 0;
};

} // namespace cssbinder
