#include "MainWindowFixture.h"
#include "ModalScript.h"

#include "core/lang/GammaDialogLabels.h"
#include "core/lang/Language.h"
#include "platform/gamma/DisplayGammaX11.h"
#include "ui/app/QtText.h"
#include "ui/gamma/CGammaDlg.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>

#include <cstdio>
#include <cstring>

namespace cssbinder::test {

using namespace Qt::StringLiterals;

// A headless Wayland compositor in a private runtime folder (QTemporaryDir makes it 0700, as Wayland
// clients ask), with XWayland serving an X display when asked; this process's clients are pointed at it.
class WestonSession {
public:
    explicit WestonSession(bool xwayland) {
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(m_runtime.path()));
        m_weston.setProcessChannelMode(QProcess::MergedChannels);
        m_weston.start(u"weston"_s, QStringList{u"--backend=headless-backend.so"_s, u"--use-pixman"_s,
                                                u"--idle-time=0"_s, u"--socket=wayland-test"_s} +
                                        (xwayland ? QStringList{u"--xwayland"_s} : QStringList()));
        static const QRegularExpression kXDisplay(u"listening on display (:\\d+)"_s);
        QString xDisplay;
        const QDeadlineTimer deadline(10000);
        while (!started && m_weston.state() != QProcess::NotRunning && !deadline.hasExpired()) {
            m_weston.waitForReadyRead(50);
            log += QString::fromLocal8Bit(m_weston.readAll());
            xDisplay = kXDisplay.match(log).captured(1);
            started =
                QFile::exists(m_runtime.filePath(u"wayland-test"_s)) && (!xwayland || !xDisplay.isEmpty());
        }
        log += m_weston.errorString();
        qputenv("WAYLAND_DISPLAY", "wayland-test");
        qputenv("QT_QPA_PLATFORM", xwayland ? "xcb" : "wayland");
        qputenv("DISPLAY", xDisplay.toLatin1());
    }
    ~WestonSession() {
        m_weston.terminate();
        m_weston.waitForFinished(5000);
    }
    Q_DISABLE_COPY(WestonSession)

    bool started = false;
    // What weston said, for the message when it did not start.
    QString log;

private:
    QTemporaryDir m_runtime;
    QProcess m_weston;
};

// In a headless Wayland session, native or through XWayland, the gamma dialog says the screen cannot change.
class WaylandSessionTest : public QObject {
    Q_OBJECT
private slots:
    void theGammaDialogOpensOverTheWindowAndSaysTheScreenCannotChange() {
        if (QGuiApplication::platformName() == u"xcb"_s) {
            // Whatever this XWayland calls its outputs, its marks tell it from a real X server.
            const XServerFacts facts = ReadXServerFacts();
            QVERIFY(!facts.gammaSizes.empty() && (facts.randrEmulation || facts.xwaylandExtension));
        }
        MainWindowFixture fixture;
        const auto window = fixture.OpenWithGameFolder();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        ModalScript script;
        script.Then([&](QWidget& shown) {
            auto& dialog = *qobject_cast<CGammaDlg*>(&shown);
            QVERIFY(QTest::qWaitForWindowExposed(&dialog));
            QCOMPARE(dialog.windowHandle()->transientParent(), window->windowHandle());
            auto* note = dialog.findChild<QLabel*>(u"1114"_s);
            QVERIFY(note->isVisible());
            QCOMPARE(note->text(), ToQString(GammaNoteText(GammaNote::ScreenCannotChange, French)));
            dialog.close();
        });
        Click(window->m_btnPreview);
        QTRY_COMPARE(script.Pending(), 0u);
        QVERIFY(script.Unexpected().isEmpty());
    }
};

} // namespace cssbinder::test

// The first argument names the toolkit's window system: wayland, or xcb for XWayland.
int main(int argc, char* argv[]) {
    const bool x11 = argc > 1 && std::strcmp(argv[1], "xcb") == 0;
    const cssbinder::test::WestonSession session(x11);
    if (!session.started) {
        std::fprintf(stderr, "SKIP: weston could not start a headless session:\n%s\n",
                     qPrintable(session.log));
        return 77;
    }
    QApplication application(argc, argv);
    cssbinder::test::WaylandSessionTest test;
    return QTest::qExec(&test, argc > 1 ? argc - 1 : argc, argc > 1 ? argv + 1 : argv);
}

#include "WaylandSessionTest.moc"
