#include "MainWindowFixture.h"
#include "ModalScript.h"
#include "TestFiles.h"

#include "core/advanced/AdvancedDialogLabels.h"
#include "core/lang/Language.h"
#include "ui/advanced/CAdvancedDlg.h"
#include "ui/app/ClickablePicture.h"
#include "ui/app/Credits.h"
#include "ui/app/Globals.h"
#include "ui/app/QtText.h"

#include <QAbstractButton>
#include <QGroupBox>
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

void PressEscape(QWidget& dialog) {
    QTest::keyClick(&dialog, Qt::Key_Escape);
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

    void firstOpeningShowsEveryBoxCheckedBothDefaultsAndTheDocumentText() {
        g_configEntries.Store("f", "bind \"f\" \"say gg\"");
        WithDialog(*m_window, [](CAdvancedDlg& dialog) {
            for (const int box : kGraphicsBoxes) {
                QVERIFY2(Button(dialog, box)->isChecked(), qPrintable(QString::number(box)));
            }
            QVERIFY(Button(dialog, kConnectionDefault)->isChecked());
            QVERIFY(Button(dialog, kDirectXDefault)->isChecked());
            QCOMPARE(dialog.m_editPreview->toPlainText(), DocumentText());
            PressEscape(dialog);
        });
    }

    // A box's click refreshes both boxes at once; Escape keeps its state in the main window's flag.
    void aBoxKeepsItsStateForTheNextOpening() {
        WithDialog(*m_window, [this](CAdvancedDlg& dialog) {
            Click(Button(dialog, kRain));
            QVERIFY(DocumentText().startsWith(u"r_rainalpha \"0\"\nr_rainalphapow \"0\""_s));
            QCOMPARE(dialog.m_editPreview->toPlainText(), DocumentText());
            QCOMPARE(m_window->m_editPreview->toPlainText(), DocumentText());
            PressEscape(dialog);
        });
        QCOMPARE(m_window->m_bRain, 0);
        WithDialog(*m_window, [this](CAdvancedDlg& dialog) {
            QVERIFY(!Button(dialog, kRain)->isChecked());
            QCOMPARE(g_configEntries.GetCount(), std::size_t{11});
            Click(Button(dialog, kRain));
            QCOMPARE(m_window->m_editPreview->toPlainText(), QString());
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
            QVERIFY(Button(dialog, kConnectionDefault)->isChecked());
            QVERIFY(Button(dialog, kDirectXDefault)->isChecked());
            Click(Button(dialog, kConnectionDefault));
            Click(Button(dialog, kDirectXDefault));
            PressEscape(dialog);
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

    void reportBugAndTheBannerOpenTheirLinks() {
        const LinkCatcher catcher;
        CAdvancedDlg dialog(m_window.get());
        dialog.show();
        Click(Button(dialog, kReportBug));
        auto* banner = ControlOf<ClickablePicture>(dialog, kBanner);
        Click(banner);
        QCOMPARE(catcher.links,
                 (QStringList{QString::fromUtf8(kReportBugLink), QString::fromUtf8(kMakerWebPage)}));
        QVERIFY(catcher.links.constFirst().startsWith(u"mailto:"_s));
        QCOMPARE(banner->toolTip(), QString::fromUtf8(kMakerWebPage));
        QCOMPARE(banner->cursor().shape(), Qt::PointingHandCursor);
        QCOMPARE(dialog.m_editPreview->viewport()->cursor().shape(), Qt::ArrowCursor);
        QVERIFY(dialog.isVisible());
    }

private:
    std::unique_ptr<MainWindowFixture> m_fixture;
    std::unique_ptr<CBinderDlg> m_window;
};

} // namespace cssbinder::test

QTEST_MAIN(cssbinder::test::AdvancedDialogTest)
#include "AdvancedDialogTest.moc"
