#include "ui/crosshair/CCrosshairPreview.h"

#include "core/crosshair/ArmGeometry.h"
#include "ui/res/Pictures.h"

#include <QPainter>

namespace cssbinder {
namespace {

constexpr int kSurfaceBitmap = 133;

QRect ToQRect(const PixelRect& rect) {
    return QRect(QPoint(rect.left, rect.top), QPoint(rect.right - 1, rect.bottom - 1));
}

} // namespace

CCrosshairPreview::CCrosshairPreview(QWidget* parent) : PictureControl(Bitmap(kSurfaceBitmap), parent) {}

void CCrosshairPreview::DrawCrosshairPreview(const CrosshairState& crosshair) {
    m_nArmLength = crosshair.m_nArmLength;
    m_nGap = crosshair.m_nGap;
    m_crDraw = crosshair.m_crDraw;
    repaint();
}

void CCrosshairPreview::paintEvent(QPaintEvent* event) {
    PictureControl::paintEvent(event);
    QPainter painter(this);
    // The arms are measured in the surface's pixels, scaled with it.
    if (Scale() != 1.0) {
        painter.scale(Scale(), Scale());
    }

    const PixelPoint centre = PreviewCentre({0, 0, Image().width(), Image().height()});
    const ArmRects arms =
        ComputeArmRects(centre.x, centre.y, m_nArmLength, m_nGap, ArmThickness(m_nArmLength));
    // Transparency is already blended into the draw colour, so the arms are always opaque.
    const QColor drawColour(RedOf(m_crDraw), GreenOf(m_crDraw), BlueOf(m_crDraw));
    for (const PixelRect& arm : {arms.left, arms.right, arms.top, arms.bottom}) {
        painter.fillRect(ToQRect(arm), drawColour);
    }
}

} // namespace cssbinder
