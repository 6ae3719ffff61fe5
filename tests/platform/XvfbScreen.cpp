#include "XvfbScreen.h"

#include <X11/Xlib.h>
#include <X11/extensions/Xrandr.h>

namespace cssbinder::test {

XvfbScreen::XvfbScreen() {
    m_server.start(QStringLiteral("Xvfb"),
                   {QStringLiteral("-noreset"), QStringLiteral("-displayfd"), QStringLiteral("1"),
                    QStringLiteral("-screen"), QStringLiteral("0"), QStringLiteral("1024x768x24")});
    // The server writes its display number once it accepts clients.
    while (m_server.waitForReadyRead(10000)) {
        if (m_server.canReadLine()) {
            m_display = u':' + QString::fromLatin1(m_server.readLine()).trimmed();
            return;
        }
    }
}

XvfbScreen::~XvfbScreen() {
    m_server.terminate();
    m_server.waitForFinished(5000);
}

std::vector<GammaRamp> XvfbScreen::Ramps() const {
    std::vector<GammaRamp> ramps;
    Display* display = XOpenDisplay(m_display.toLocal8Bit().constData());
    if (display == nullptr) {
        return ramps;
    }
    XRRScreenResources* resources = XRRGetScreenResourcesCurrent(display, DefaultRootWindow(display));
    for (int i = 0; resources != nullptr && i < resources->ncrtc; ++i) {
        if (XRRGetCrtcGammaSize(display, resources->crtcs[i]) <= 0) {
            continue;
        }
        XRRCrtcGamma* gamma = XRRGetCrtcGamma(display, resources->crtcs[i]);
        const auto size = static_cast<std::size_t>(gamma->size);
        ramps.push_back({{gamma->red, gamma->red + size},
                         {gamma->green, gamma->green + size},
                         {gamma->blue, gamma->blue + size}});
        XRRFreeGamma(gamma);
    }
    if (resources != nullptr) {
        XRRFreeScreenResources(resources);
    }
    XCloseDisplay(display);
    return ramps;
}

} // namespace cssbinder::test
