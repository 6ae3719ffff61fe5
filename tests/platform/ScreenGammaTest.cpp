#include "XvfbScreen.h"

#include "platform/GammaRecovery.h"
#include "ui/app/MainDialogTemplate.h"
#include "ui/gamma/CGammaDlg.h"
#include "ui/gamma/CGammaSliderCtrl.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>

namespace cssbinder::test {
namespace {

std::vector<GammaRamp> RampsFor(int position) {
    return {BuildGammaRamp(ExponentForPosition(position), 256)};
}

// The middle of the main window's Preview button, in pixels of the window.
QPoint PreviewButtonCentre() {
    const auto controls = MainDialogControls();
    const auto button =
        std::find_if(controls.begin(), controls.end(), [](const ControlTemplate& c) { return c.id == 1040; });
    return DialogUnitsToPixels(button->x, button->y, button->width, button->height).center();
}

bool Run(const QString& program, const QStringList& arguments, const QString& display) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DISPLAY"), display);
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    return process.waitForFinished(15000) && process.exitCode() == 0;
}

} // namespace

// The gamma preview on a real X server: the ramps read back through XRandR are the ones the slider's
// position gives, and the screen's own are back on every way out, also when the tool is ended.
class ScreenGammaTest : public QObject {
    Q_OBJECT
public:
    explicit ScreenGammaTest(const XvfbScreen& screen) : m_screen(screen) {}

private slots:
    void init() {
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_home.filePath(QStringLiteral("config"))));
        m_screen.SetRamps(m_own);
        QCOMPARE(m_screen.Ramps(), m_own);
    }

    void okAndCancelPutTheScreensOwnRampBack() {
        for (const bool confirm : {true, false}) {
            CGammaDlg dialog(0);
            dialog.show();
            QCOMPARE(m_screen.Ramps(), RampsFor(220));
            QVERIFY(QFile::exists(GammaRecoveryPath()));
            dialog.m_slider->setSliderPosition(150);
            QCOMPARE(m_screen.Ramps(), RampsFor(150));
            confirm ? dialog.accept() : dialog.reject();
            QCOMPARE(m_screen.Ramps(), m_own);
            QVERIFY(!QFile::exists(GammaRecoveryPath()));
            QCOMPARE(dialog.m_nPosition, confirm ? 150 : 0);
        }
    }

    void anEndedToolPutsTheRampBackAndAKilledOneAtItsNextStart() {
        QDir(m_home.path()).mkpath(QStringLiteral("config"));
        QDir(m_home.path()).mkpath(QStringLiteral("game/cstrike/cfg"));
        QFile profile(m_home.filePath(QStringLiteral("config/cssbinder.ini")));
        QVERIFY(profile.open(QIODevice::WriteOnly));
        profile.write("[zelvar_team_binder]\ncss_path=" +
                      QFile::encodeName(m_home.filePath(QStringLiteral("game"))) + '\n');
        profile.close();

        for (const bool killed : {false, true}) {
            QProcess tool;
            StartTool(tool);
            OpenPreview();
            QTRY_COMPARE_WITH_TIMEOUT(m_screen.Ramps(), RampsFor(220), 10000);
            QVERIFY(QFile::exists(GammaRecoveryPath()));
            killed ? tool.kill() : tool.terminate();
            QVERIFY(tool.waitForFinished(10000));
            if (!killed) {
                QCOMPARE(m_screen.Ramps(), m_own);
                QVERIFY(!QFile::exists(GammaRecoveryPath()));
                continue;
            }
            // Nothing could put the ramp back; the next start does.
            QCOMPARE(m_screen.Ramps(), RampsFor(220));
            StartTool(tool);
            QTRY_COMPARE_WITH_TIMEOUT(m_screen.Ramps(), m_own, 10000);
            QTRY_VERIFY(!QFile::exists(GammaRecoveryPath()));
            tool.terminate();
            QVERIFY(tool.waitForFinished(10000));
        }
    }

private:
    void StartTool(QProcess& tool) const {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("DISPLAY"), m_screen.DisplayName());
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        tool.setProcessEnvironment(environment);
        tool.start(QStringLiteral(CSSBINDER_PROGRAM), {});
        QVERIFY(tool.waitForStarted());
    }

    // Clicks the main window's Preview button as a user would.
    void OpenPreview() const {
        const QPoint centre = PreviewButtonCentre();
        QVERIFY(Run(QStringLiteral("xdotool"),
                    {QStringLiteral("search"), QStringLiteral("--sync"), QStringLiteral("--name"),
                     QStringLiteral("^CS:Source Binds"), QStringLiteral("mousemove"),
                     QStringLiteral("--window"), QStringLiteral("%1"), QString::number(centre.x()),
                     QString::number(centre.y()), QStringLiteral("click"), QStringLiteral("1")},
                    m_screen.DisplayName()));
    }

    const XvfbScreen& m_screen;
    QTemporaryDir m_home;
    const std::vector<GammaRamp> m_own{BuildGammaRamp(0.9f, 256)};
};

} // namespace cssbinder::test

int main(int argc, char* argv[]) {
    const cssbinder::test::XvfbScreen screen;
    if (screen.DisplayName().isEmpty()) {
        std::fputs("Xvfb did not start\n", stderr);
        return 1;
    }
    qputenv("DISPLAY", screen.DisplayName().toLocal8Bit());
    qputenv("QT_QPA_PLATFORM", "xcb");
    QApplication application(argc, argv);
    cssbinder::test::ScreenGammaTest test(screen);
    return QTest::qExec(&test, argc, argv);
}

#include "ScreenGammaTest.moc"
