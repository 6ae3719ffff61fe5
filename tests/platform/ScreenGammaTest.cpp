#include "TestFiles.h"

#include "platform/gamma/DisplayGamma.h"
#include "platform/gamma/GammaRecovery.h"
#include "ui/app/MainDialogTemplate.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <X11/Xlib.h>
#include <X11/extensions/Xrandr.h>

#include <algorithm>
#include <csignal>

namespace cssbinder::test {

using namespace Qt::StringLiterals;

// A virtual X screen of the test's own. It runs with -noreset: without it the server resets when its
// last client leaves, and a ramp set by a client that has gone reads back as garbage.
class XvfbScreen {
public:
    XvfbScreen() {
        m_server.start(u"Xvfb"_s,
                       {u"-noreset"_s, u"-displayfd"_s, u"1"_s, u"-screen"_s, u"0"_s, u"1024x768x24"_s});
        // The server writes its display number once it accepts clients.
        while (m_server.waitForReadyRead(10000)) {
            if (m_server.canReadLine()) {
                name = u':' + QString::fromLatin1(m_server.readLine()).trimmed();
                return;
            }
        }
    }
    ~XvfbScreen() {
        m_server.terminate();
        m_server.waitForFinished(5000);
    }
    Q_DISABLE_COPY(XvfbScreen)

    // ":N", or empty when the server did not start.
    QString name;

    // The ramps of every CRTC, read through XRandR without the tool's own code.
    std::vector<GammaRamp> Ramps() const {
        std::vector<GammaRamp> ramps;
        Display* display = XOpenDisplay(name.toLocal8Bit().constData());
        XRRScreenResources* resources = XRRGetScreenResourcesCurrent(display, DefaultRootWindow(display));
        for (int i = 0; i < resources->ncrtc; ++i) {
            if (XRRGetCrtcGammaSize(display, resources->crtcs[i]) > 0) {
                XRRCrtcGamma* gamma = XRRGetCrtcGamma(display, resources->crtcs[i]);
                const auto size = static_cast<std::size_t>(gamma->size);
                ramps.push_back({{gamma->red, gamma->red + size},
                                 {gamma->green, gamma->green + size},
                                 {gamma->blue, gamma->blue + size}});
                XRRFreeGamma(gamma);
            }
        }
        XRRFreeScreenResources(resources);
        XCloseDisplay(display);
        return ramps;
    }

private:
    QProcess m_server;
};

// The real program's gamma preview on a real X server, read back through XRandR, as it ends.
class ScreenGammaTest : public QObject {
    Q_OBJECT
public:
    explicit ScreenGammaTest(const XvfbScreen& screen) : m_screen(screen) {}

private slots:
    void anEndedToolPutsTheRampBackAndAKilledOneAtItsNextStart() {
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_home.filePath(u"config"_s)));
        QVERIFY(QDir(m_home.path()).mkpath(u"game/cstrike/cfg"_s));
        QVERIFY(WriteFile(m_home.filePath(u"config/cssbinder.ini"_s),
                          "[zelvar_team_binder]\ncss_path=" + QFile::encodeName(m_home.filePath(u"game"_s))));
        const std::vector<GammaRamp> own{BuildGammaRamp(0.9f, 256)};
        const std::vector<GammaRamp> preview{BuildGammaRamp(ExponentForPosition(220), 256)};
        const auto display = OpenDisplayGamma();
        QVERIFY(display->WriteRamps(own));

        for (const bool killed : {false, true}) {
            QProcess tool;
            tool.start(QStringLiteral(CSSBINDER_PROGRAM), {});
            OpenPreview();
            QTRY_COMPARE_WITH_TIMEOUT(m_screen.Ramps(), preview, 10000);
            killed ? tool.kill() : tool.terminate();
            QVERIFY(tool.waitForFinished(10000));
            // SIGTERM puts the ramp back (exit 128 + signal); after a kill the next start does.
            QCOMPARE(tool.exitCode(), killed ? SIGKILL : 128 + SIGTERM);
            QCOMPARE(m_screen.Ramps(), killed ? preview : own);
            QCOMPARE(QFile::exists(GammaRecoveryPath()), killed);
            tool.start(QStringLiteral(CSSBINDER_PROGRAM), {});
            QTRY_COMPARE_WITH_TIMEOUT(m_screen.Ramps(), own, 10000);
            QTRY_VERIFY(!QFile::exists(GammaRecoveryPath()));
            tool.terminate();
            QVERIFY(tool.waitForFinished(10000));
        }
    }

private:
    // Waits for the main window, then clicks the middle of its Preview button as a user would.
    static void OpenPreview() {
        const auto controls = MainDialogControls();
        const auto button = std::ranges::find(controls, 1040, &ControlTemplate::id);
        const QPoint centre =
            DialogUnitsToPixels(button->x, button->y, button->width, button->height).center();
        QProcess xdotool;
        xdotool.start(u"xdotool"_s, {u"search"_s, u"--sync"_s, u"--name"_s, u"^CS:Source Binds"_s,
                                     u"mousemove"_s, u"--window"_s, u"%1"_s, QString::number(centre.x()),
                                     QString::number(centre.y()), u"click"_s, u"1"_s});
        QVERIFY(xdotool.waitForFinished(15000) && xdotool.exitCode() == 0);
    }

    const XvfbScreen& m_screen;
    QTemporaryDir m_home;
};

} // namespace cssbinder::test

int main(int argc, char* argv[]) {
    const cssbinder::test::XvfbScreen screen;
    if (screen.name.isEmpty()) {
        std::fputs("Xvfb did not start\n", stderr);
        return 1;
    }
    qputenv("DISPLAY", screen.name.toLocal8Bit());
    qputenv("QT_QPA_PLATFORM", "xcb");
    QApplication application(argc, argv);
    cssbinder::test::ScreenGammaTest test(screen);
    return QTest::qExec(&test, argc, argv);
}

#include "ScreenGammaTest.moc"
