#include "ui/app/ClickablePicture.h"

#include <QMouseEvent>

namespace cssbinder {

void ClickablePicture::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        emit clicked();
    }
    PictureControl::mouseReleaseEvent(event);
}

} // namespace cssbinder
