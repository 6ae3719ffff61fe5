#include "XvfbScreen.h"

#include <X11/Xlib.h>
#include <X11/extensions/Xrandr.h>

#include <functional>

namespace cssbinder::test {
namespace {

// Calls the action for every CRTC with a gamma ramp of the screen.
void ForEachCrtc(const QString& name, const std::function<void(Display*, RRCrtc, int)>& action) {
    Display* display = XOpenDisplay(name.toLocal8Bit().constData());
    if (display == nullptr) {
        return;
    }
    XRRScreenResources* resources = XRRGetScreenResourcesCurrent(display, DefaultRootWindow(display));
    for (int i = 0; resources != nullptr && i < resources->ncrtc; ++i) {
        const int size = XRRGetCrtcGammaSize(display, resources->crtcs[i]);
        if (size > 0) {
            action(display, resources->crtcs[i], size);
        }
    }
    if (resources != nullptr) {
        XRRFreeScreenResources(resources);
    }
    XSync(display, False);
    XCloseDisplay(display);
}

} // namespace

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
    ForEachCrtc(m_display, [&ramps](Display* display, RRCrtc crtc, int) {
        XRRCrtcGamma* gamma = XRRGetCrtcGamma(display, crtc);
        const auto size = static_cast<std::size_t>(gamma->size);
        ramps.push_back({{gamma->red, gamma->red + size},
                         {gamma->green, gamma->green + size},
                         {gamma->blue, gamma->blue + size}});
        XRRFreeGamma(gamma);
    });
    return ramps;
}

void XvfbScreen::SetRamps(const std::vector<GammaRamp>& ramps) const {
    std::size_t index = 0;
    ForEachCrtc(m_display, [&](Display* display, RRCrtc crtc, int size) {
        const GammaRamp& ramp = ramps.at(index++);
        XRRCrtcGamma* gamma = XRRAllocGamma(size);
        std::copy(ramp.red.begin(), ramp.red.end(), gamma->red);
        std::copy(ramp.green.begin(), ramp.green.end(), gamma->green);
        std::copy(ramp.blue.begin(), ramp.blue.end(), gamma->blue);
        XRRSetCrtcGamma(display, crtc, gamma);
        XRRFreeGamma(gamma);
    });
}

} // namespace cssbinder::test
