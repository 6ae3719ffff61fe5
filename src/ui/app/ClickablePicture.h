#pragma once

#include "ui/app/PictureControl.h"

namespace cssbinder {

// A picture whose click is a command, like the banner and the flags.
class ClickablePicture : public PictureControl {
    Q_OBJECT
public:
    using PictureControl::PictureControl;

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

} // namespace cssbinder
