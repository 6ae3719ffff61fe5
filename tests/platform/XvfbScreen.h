#pragma once

#include "core/gamma/GammaRamp.h"

#include <QProcess>
#include <QString>

#include <vector>

namespace cssbinder::test {

// A virtual X screen of the test's own. It runs with -noreset: without it the server resets when its
// last client leaves, and a ramp set by a client that has gone reads back as garbage.
class XvfbScreen {
public:
    XvfbScreen();
    ~XvfbScreen();

    // ":N", or empty when the server did not start.
    const QString& DisplayName() const { return m_display; }

    // The ramps of every CRTC, read through XRandR without the tool's own code.
    std::vector<GammaRamp> Ramps() const;

private:
    QProcess m_server;
    QString m_display;
};

} // namespace cssbinder::test
