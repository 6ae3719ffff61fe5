#include "MainWindowFixture.h"

#include <QDesktopServices>

namespace cssbinder::test {

LinkCatcher::LinkCatcher() {
    QDesktopServices::setUrlHandler(QStringLiteral("mailto"), this, "Open");
    QDesktopServices::setUrlHandler(QStringLiteral("https"), this, "Open");
}

LinkCatcher::~LinkCatcher() {
    QDesktopServices::unsetUrlHandler(QStringLiteral("mailto"));
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
}

} // namespace cssbinder::test
