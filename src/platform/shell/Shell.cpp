#include "platform/shell/Shell.h"

#include <QDesktopServices>
#include <QUrl>

namespace cssbinder {

void OpenLink(const QString& link) {
    QDesktopServices::openUrl(QUrl(link));
}

} // namespace cssbinder
