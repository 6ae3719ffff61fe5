#include "platform/gamma/DisplayGammaX11.h"

#include <QGuiApplication>

namespace cssbinder {

// On X11 the ramps are the X server's; a native Wayland session lets no program change them.
std::unique_ptr<DisplayGamma> OpenSystemDisplayGamma() {
    if (WindowSystemAllowsGamma(QGuiApplication::platformName().toStdString())) {
        return OpenX11DisplayGamma();
    }
    return OpenUnchangeableDisplayGamma();
}

} // namespace cssbinder
