#include "ui/res/Pictures.h"

#include "ui/res/DrawnPictures.h"
#include "ui/res/StoredPictures.h"

#include <QImage>

namespace cssbinder {

QPixmap Bitmap(int resourceId) {
    for (const StoredPicture& picture : StoredPictures()) {
        if (picture.id == resourceId) {
            // The image borrows the stored pixels, which last as long as the program.
            return QPixmap::fromImage(QImage(picture.pixels, picture.width, picture.height,
                                             picture.bytesPerLine,
                                             static_cast<QImage::Format>(picture.imageFormat)));
        }
    }
    return {};
}

QIcon ProgramIcon() {
    QIcon icon;
    icon.addPixmap(Bitmap(128));
    icon.addPixmap(Bitmap(kSmallProgramIcon));
    return icon;
}

} // namespace cssbinder
