#pragma once

#include "ui/app/PictureControl.h"

namespace cssbinder {

// A picture whose click is a command, like the banner and the flags. One that Tab reaches shows the
// focus with a frame and is clicked by Space, as a push button is.
class ClickablePicture : public PictureControl {
    Q_OBJECT
public:
    using PictureControl::PictureControl;

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};

} // namespace cssbinder
