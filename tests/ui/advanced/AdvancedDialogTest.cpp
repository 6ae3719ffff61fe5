#include "MainWindowFixture.h"
#include "ModalScript.h"
#include "TestFiles.h"

#include "core/advanced/AdvancedDialogLabels.h"
#include "core/lang/Language.h"
#include "ui/advanced/CAdvancedDlg.h"
#include "ui/app/Credits.h"
#include "ui/app/Globals.h"
#include "ui/app/QtText.h"

#include <QAbstractButton>
#include <QPlainTextEdit>
#include <QStandardPaths>
#include <QTest>

#include <functional>
#include <memory>

namespace cssbinder::test {
namespace {

using namespace Qt::Literals::StringLiterals;

constexpr int kRain = 1073, kVertex = 1083, kAdsl = 1085, kConnectionDefault = 1095, kDirectX81 = 1090,
              kDirectXDefault = 1094, kReportBug = 1093, kBanner = 1061;
constexpr int kGraphicsBoxes[] = {1073, 1074, 1075, 1076, 1077, 1079, 1080, 1081, 1082, 1083, 1084};

// Opens the dialog with the main window's button, runs the step inside its modal loop and waits for
// the loop to end; the step closes the dialog.
void WithDialog(CBinderDlg& window, const std::function<void(CAdvancedDlg&)>& step) {
    ModalScript script;
    script.Then([&step](QWidget& modal) {
        auto* dialog = qobject_cast<CAdvancedDlg*>(&modal);
        QVERIFY(dialog != nullptr);
        step(*dialog);
        // A failed check leaves the step early; the dialog still has to end.
        if (dialog->isVisible()) {
            dialog->reject();
        }
    });
    Click(ControlOf<QWidget>(window, 1022));
    QVERIFY(script.Unexpected().isEmpty());
    QCOMPARE(script.Pending(), std::size_t{0});
}

QByteArray StoreFile() {
    return ReadFile(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                    u"/cssbinder-registry.ini"_s);
}

} // namespace

class AdvancedDialogTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        m_fixture = std::make_unique<MainWindowFixture>();
        m_window = m_fixture->OpenWithGameFolder();
    }
    void cleanup() {
        m_window.reset();
        m_fixture.reset();
    }

    // The first opening shows every box checked, both groups on Default and the document. A box's click
    // refreshes both preview boxes at once; Escape keeps its state in the main window's flag, which the
    // next opening shows.
    void aBoxKeepsItsStateForTheNextOpening() {
        g_configEntries.Store("f", "bind \"f\" \"say gg\"");
        WithDialog(*m_window, [this](CAdvancedDlg& dialog) {
            for (const int box : kGraphicsBoxes) {
                QVERIFY2(Button(dialog, box)->isChecked(), qPrintable(QString::number(box)));
            }
            QVERIFY(Button(dialog, kConnectionDefault)->isChecked() &&
                    Button(dialog, kDirectXDefault)->isChecked());
            QCOMPARE(dialog.m_editPreview->toPlainText(), DocumentText());
            Click(Button(dialog, kRain));
            QVERIFY(DocumentText().startsWith(u"bind \"f\" \"say gg\"\nr_rainalpha \"0\"\nr_rainalphapow"_s));
            QCOMPARE(dialog.m_editPreview->toPlainText(), DocumentText());
            QCOMPARE(m_window->m_editPreview->toPlainText(), DocumentText());
            QTest::keyClick(&dialog, Qt::Key_Escape);
        });
        QCOMPARE(m_window->m_bRain, 0);
        WithDialog(*m_window, [this](CAdvancedDlg& dialog) {
            QVERIFY(!Button(dialog, kRain)->isChecked());
            QCOMPARE(g_configEntries.GetCount(), std::size_t{12});
            Click(Button(dialog, kRain));
            QCOMPARE(m_window->m_editPreview->toPlainText(), u"bind \"f\" \"say gg\"\n"_s);
            Click(Button(dialog, 1));
        });
        QCOMPARE(m_window->m_bRain, 1);
    }

    // The presets write the substitute store; the radio groups open on Default whatever was chosen.
    void presetsWriteTheStoreAndTheGroupsOpenOnDefaultAgain() {
        WithDialog(*m_window, [](CAdvancedDlg& dialog) {
            Click(Button(dialog, kVertex));
            Click(Button(dialog, kAdsl));
            Click(Button(dialog, kDirectX81));
            QCOMPARE(dialog.m_editPreview->toPlainText(), DocumentText());
            Click(Button(dialog, 1));
        });
        QCOMPARE(g_configEntries.GetCount(), std::size_t{12});
        QCOMPARE(*g_configEntries.Find("mat_dxlevel"), "mat_dxlevel \"81\"");
        QCOMPARE(StoreFile(), "[SYSTEM\\CurrentControlSet\\Services\\Tcpip\\Parameters]\n"
                              "DefaultTTL=128\nGlobalMaxTcpWindowSize=101452\nTcpWindowSize=101452\n");

        WithDialog(*m_window, [](CAdvancedDlg& dialog) {
            QVERIFY(Button(dialog, kConnectionDefault)->isChecked() &&
                    Button(dialog, kDirectXDefault)->isChecked());
            Click(Button(dialog, kConnectionDefault));
            Click(Button(dialog, kDirectXDefault));
            QTest::keyClick(&dialog, Qt::Key_Escape);
        });
        QCOMPARE(m_window->m_editPreview->toPlainText(), u"mat_reducefillrate \"1\"\n"_s);
        QCOMPARE(StoreFile(), "[SYSTEM\\CurrentControlSet\\Services\\Tcpip\\Parameters]\n");
    }

    // The texts are proven with the label tables; this proves that the dialog takes them in the chosen
    // language.
    void captionsAndToolTipsFollowTheLanguage() {
        for (int language = English; language <= Spanish; ++language) {
            ClickFlag(*m_window, language);
            CAdvancedDlg dialog(m_window.get());
            dialog.show();
            for (const ControlCaption& caption : AdvancedDialogCaptions(language)) {
                QCOMPARE(CaptionOf(dialog, caption.controlId), ToQString(caption.text));
            }
            for (const ControlCaption& tip : AdvancedDialogToolTips(language)) {
                QCOMPARE(Button(dialog, tip.controlId)->toolTip(), ToQString(tip.text));
            }
        }
    }

    // The banners of both windows open the maker's page, which they show as their tool-tip, with a hand
    // over them and an arrow over the preview boxes; Report bug opens the mail program.
    void bannersAndReportBugOpenTheirLinks() {
        const LinkCatcher catcher;
        CAdvancedDlg dialog(m_window.get());
        dialog.show();
        const QString maker = u"https://github.com/cssbinder/cssbinder"_s;
        for (const QWidget* window : std::initializer_list<const QWidget*>{m_window.get(), &dialog}) {
            auto* banner = ControlOf<QWidget>(*window, kBanner);
            Click(banner);
            QCOMPARE(banner->toolTip(), maker);
            QCOMPARE(banner->cursor().shape(), Qt::PointingHandCursor);
            QCOMPARE(window->findChild<QPlainTextEdit*>()->viewport()->cursor().shape(), Qt::ArrowCursor);
        }
        Click(Button(dialog, kReportBug));
        QCOMPARE(catcher.links, (QStringList{maker, maker, QString::fromUtf8(kReportBugLink)}));
        QVERIFY(catcher.links.constLast().startsWith(u"mailto:"_s) && dialog.isVisible());
    }

private:
    std::unique_ptr<MainWindowFixture> m_fixture;
    std::unique_ptr<CBinderDlg> m_window;
};

} // namespace cssbinder::test

QTEST_MAIN(cssbinder::test::AdvancedDialogTest)
#include "AdvancedDialogTest.moc"
