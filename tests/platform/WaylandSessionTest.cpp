#include "WestonSession.h"

#include "MainWindowFixture.h"
#include "ModalScript.h"

#include "core/lang/GammaDialogLabels.h"
#include "core/lang/Language.h"
#include "platform/DisplayGammaX11.h"
#include "platform/GammaRecovery.h"
#include "ui/app/PictureControl.h"
#include "ui/app/QtText.h"
#include "ui/gamma/CGammaDlg.h"
#include "ui/gamma/CGammaSliderCtrl.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QWindow>

#include <cstdio>
#include <cstring>

namespace cssbinder::test {

using namespace Qt::StringLiterals;

// The tool in a real Wayland session, headless: natively, and through XWayland under X11. Neither lets
// a program change the screen's ramps, so the gamma dialog says so and recolours its pictures instead.
class WaylandSessionTest : public QObject {
    Q_OBJECT
private slots:
    void theGammaDialogOpensOverTheWindowAndSaysTheScreenCannotChange() {
        if (QGuiApplication::platformName() == u"xcb"_s) {
            // Whatever this XWayland calls its outputs, its marks tell it from a real X server.
            const XServerFacts facts = ReadXServerFacts();
            qInfo("XWayland outputs: %s", facts.outputNames.empty() ? "none" : facts.outputNames[0].c_str());
            QVERIFY(!facts.gammaSizes.empty());
            QCOMPARE(AccessOfXServer(
                         {{"HEADLESS-1"}, facts.gammaSizes, facts.randrEmulation, facts.xwaylandExtension}),
                     GammaAccess::NotChangeable);
        }
        const auto window = m_fixture.OpenWithGameFolder();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        ModalScript script;
        script.Then([&](QWidget& dialog) {
            CheckDialog(*qobject_cast<CGammaDlg*>(&dialog), *window);
            dialog.close();
        });
        Click(window->m_btnPreview);
        QTRY_COMPARE(script.Pending(), 0u);
        QVERIFY(script.Unexpected().isEmpty());
    }

private:
    void CheckDialog(CGammaDlg& dialog, const CBinderDlg& window) {
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QCOMPARE(dialog.windowHandle()->transientParent(), window.windowHandle());
        auto* note = dialog.findChild<QLabel*>(u"1114"_s);
        QVERIFY(note->isVisible());
        QCOMPARE(note->text(), ToQString(GammaNoteText(GammaNote::ScreenCannotChange, French)));
        // Nothing was read from the screen, so nothing is kept to put back.
        QVERIFY(!QFile::exists(GammaRecoveryPath()));
        auto* picture = dialog.findChild<PictureControl*>(u"-1"_s);
        const QRgb before = picture->Image().pixel(200, 10);
        QTest::keyClick(dialog.m_slider, Qt::Key_Home);
        QCOMPARE(dialog.m_slider->value(), 100);
        QVERIFY(qGray(picture->Image().pixel(200, 10)) < qGray(before));
    }

    MainWindowFixture m_fixture;
};

} // namespace cssbinder::test

// The first argument names the toolkit's window system: wayland, or xcb for XWayland.
int main(int argc, char* argv[]) {
    const bool x11 = argc > 1 && std::strcmp(argv[1], "xcb") == 0;
    const cssbinder::test::WestonSession session(x11);
    if (!session.Started()) {
        std::fprintf(stderr, "SKIP: weston could not start a headless session:\n%s\n",
                     qPrintable(session.Log()));
        return 77;
    }
    session.Enter();
    QApplication application(argc, argv);
    cssbinder::test::WaylandSessionTest test;
    return QTest::qExec(&test, argc > 1 ? argc - 1 : argc, argc > 1 ? argv + 1 : argv);
}

#include "WaylandSessionTest.moc"
