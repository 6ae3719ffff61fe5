#include "ui/app/BannerLink.h"

#include "platform/shell/Shell.h"
#include "ui/app/ClickablePicture.h"
#include "ui/app/Credits.h"

namespace cssbinder {

void MakeBannerLink(ClickablePicture& banner) {
    banner.setToolTip(QString::fromUtf8(kMakerWebPage));
    banner.setCursor(Qt::PointingHandCursor);
    QObject::connect(&banner, &ClickablePicture::clicked, &banner,
                     [] { OpenLink(QString::fromUtf8(kMakerWebPage)); });
}

} // namespace cssbinder
