#include "ui/app/PictureControl.h"

#include <QPainter>

namespace cssbinder {

PictureControl::PictureControl(const QImage& image, QWidget* parent) : QWidget(parent), m_image(image) {
    setAttribute(Qt::WA_OpaquePaintEvent, !m_image.hasAlphaChannel());
}

void PictureControl::SetImage(const QImage& image) {
    m_image = image;
    update();
}

QSize PictureControl::sizeHint() const {
    return m_image.size();
}

void PictureControl::paintEvent(QPaintEvent*) {
    QPainter(this).drawImage(0, 0, m_image);
}

} // namespace cssbinder
