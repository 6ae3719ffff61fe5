#include "ui/app/ClickablePicture.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace cssbinder {

void ClickablePicture::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        emit clicked();
    }
    PictureControl::mouseReleaseEvent(event);
}

void ClickablePicture::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Space && !event->isAutoRepeat()) {
        emit clicked();
        return;
    }
    PictureControl::keyPressEvent(event);
}

void ClickablePicture::paintEvent(QPaintEvent* event) {
    PictureControl::paintEvent(event);
    if (hasFocus()) {
        // Drawn over the picture, a frame in the highlight colour stands out on any flag.
        QPainter painter(this);
        painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
        painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
    }
}

} // namespace cssbinder
