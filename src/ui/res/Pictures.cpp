#include "ui/res/Pictures.h"

#include "ui/res/DrawnPictures.h"
#include "ui/res/StoredPictures.h"

#include <QImage>

namespace cssbinder {

QImage Bitmap(int resourceId) {
    for (const StoredPicture& picture : StoredPictures()) {
        if (picture.id == resourceId) {
            // Read-only: the stored pixels last as long as the program, and a change works on a copy.
            return QImage(picture.pixels, picture.width, picture.height, picture.bytesPerLine,
                          static_cast<QImage::Format>(picture.imageFormat));
        }
    }
    return {};
}

QIcon ProgramIcon() {
    QIcon icon;
    icon.addPixmap(QPixmap::fromImage(Bitmap(128)));
    icon.addPixmap(QPixmap::fromImage(Bitmap(kSmallProgramIcon)));
    return icon;
}

} // namespace cssbinder
