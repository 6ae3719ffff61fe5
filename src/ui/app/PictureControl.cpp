#include "ui/app/PictureControl.h"

#include <QPainter>

#include <cmath>

namespace cssbinder {

PictureControl::PictureControl(const QImage& image, QWidget* parent) : QWidget(parent), m_image(image) {}

void PictureControl::SetImage(const QImage& image) {
    m_image = image;
    update();
}

void PictureControl::showEvent(QShowEvent* event) {
    // A picture without transparency covers its place, so nothing under it is painted; but it covers
    // whole pixels of the screen only at its own size on a screen of a whole scale, otherwise what lies
    // under its last partly covered pixels is painted too.
    const double ratio = devicePixelRatioF();
    setAttribute(Qt::WA_OpaquePaintEvent,
                 !m_image.hasAlphaChannel() && m_scale == 1.0 && ratio == std::floor(ratio));
    QWidget::showEvent(event);
}

void PictureControl::SetScale(double scale) {
    m_scale = scale;
    updateGeometry();
    update();
}

QSize PictureControl::sizeHint() const {
    return (QSizeF(m_image.size()) * m_scale).toSize();
}

void PictureControl::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (m_scale != 1.0) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.scale(m_scale, m_scale);
    }
    painter.drawImage(0, 0, m_image);
}

} // namespace cssbinder
