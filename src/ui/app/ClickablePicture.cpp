#include "ui/app/ClickablePicture.h"

#include <QMouseEvent>

namespace cssbinder {

ClickablePicture::ClickablePicture(QWidget* parent) : QLabel(parent) {}

void ClickablePicture::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        emit clicked();
    }
    QLabel::mouseReleaseEvent(event);
}

} // namespace cssbinder
