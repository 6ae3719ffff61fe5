#include "MainWindowFixture.h"
#include "ModalScript.h"

#include "ui/advanced/CAdvancedDlg.h"
#include "ui/app/ClickablePicture.h"
#include "ui/app/Credits.h"
#include "ui/app/Globals.h"

#include <QAbstractButton>
#include <QDesktopServices>
#include <QFile>
#include <QGroupBox>
#include <QPlainTextEdit>
#include <QStandardPaths>
#include <QTest>
#include <QUrl>

#include <functional>
#include <memory>

namespace cssbinder::test {
namespace {

using namespace Qt::Literals::StringLiterals;

constexpr int kRain = 1073, kVertex = 1083, kAdsl = 1085, kConnectionDefault = 1095, kDirectX81 = 1090,
              kDirectXDefault = 1094, kReportBug = 1093, kBanner = 1061;
constexpr int kGraphicsBoxes[] = {1073, 1074, 1075, 1076, 1077, 1079, 1080, 1081, 1082, 1083, 1084};

QAbstractButton* Button(const QWidget& dialog, int id) {
    return ControlOf<QAbstractButton>(dialog, id);
}

// The document as a preview box shows it: the box keeps line feeds only.
QString Document() {
    return QString::fromStdString(g_configEntries.Render()).replace(u"\r\n"_s, u"\n"_s);
}

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
    QFile file(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
               u"/cssbinder-registry.ini"_s);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(none)");
}

// Catches the links the desktop would open.
class LinkCatcher : public QObject {
    Q_OBJECT
public:
    LinkCatcher() {
        for (const QString& scheme : {u"mailto"_s, u"https"_s}) {
            QDesktopServices::setUrlHandler(scheme, this, "Open");
        }
    }
    ~LinkCatcher() override {
        for (const QString& scheme : {u"mailto"_s, u"https"_s}) {
            QDesktopServices::unsetUrlHandler(scheme);
        }
    }
    QStringList links;

public slots:
    void Open(const QUrl& link) { links.append(link.toString()); }
};

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

    void firstOpeningShowsEveryBoxCheckedBothDefaultsAndTheDocument() {
        g_configEntries.Store("f", "bind \"f\" \"say gg\"");
        WithDialog(*m_window, [](CAdvancedDlg& dialog) {
            for (const int box : kGraphicsBoxes) {
                QVERIFY2(Button(dialog, box)->isChecked(), qPrintable(QString::number(box)));
            }
            QVERIFY(Button(dialog, kConnectionDefault)->isChecked());
            QVERIFY(Button(dialog, kDirectXDefault)->isChecked());
            QCOMPARE(dialog.m_editPreview->toPlainText(), Document());
            PressEscape(dialog);
        });
    }

    // A box's click refreshes both boxes at once; Escape keeps its state in the main window's flag.
    void aBoxKeepsItsStateForTheNextOpening() {
        WithDialog(*m_window, [this](CAdvancedDlg& dialog) {
            Click(Button(dialog, kRain));
            QVERIFY(Document().startsWith(u"r_rainalpha \"0\"\nr_rainalphapow \"0\""_s));
            QCOMPARE(dialog.m_editPreview->toPlainText(), Document());
            QCOMPARE(m_window->m_editPreview->toPlainText(), Document());
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
            QCOMPARE(dialog.m_editPreview->toPlainText(), Document());
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

    void captionsAndToolTipsFollowTheLanguage_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QStringList>("captions"); // 1073, 1092, 1108, 1094 and 1095
        QTest::addColumn<QString>("rainTip");
        const QString english = u"Desactivate rain if unchecked"_s;
        QTest::newRow("English") << 0
                                 << QStringList{u"Rain"_s, u"Change menu background"_s,
                                                u"Connection Optimizations"_s, u"Default"_s}
                                 << english;
        QTest::newRow("French") << 1
                                << QStringList{u"Pluie"_s, u"Changer le fond du menu"_s,
                                               u"Optimisations de la connection"_s, u"Défaut"_s}
                                << u"Désactive la pluie si décochée"_s;
        QTest::newRow("German") << 2
                                << QStringList{u"Regen"_s, u"CS background wechseln"_s,
                                               u"Verbindungs Optimierung"_s, u"Rückstellung"_s}
                                << english;
        QTest::newRow("Italian") << 3
                                 << QStringList{u"Pioggia"_s, u"Cambi il CSS Background"_s,
                                                u"Ottimizzazione di Conection"_s, u"Difetto"_s}
                                 << english;
        QTest::newRow("Spanish") << 4
                                 << QStringList{u"Lluvia"_s, u"Cambie el CSS Background"_s,
                                                u"Optimizaciones de la conexión"_s, u"Defecto"_s}
                                 << english;
    }
    void captionsAndToolTipsFollowTheLanguage() {
        QFETCH(int, language);
        QFETCH(QStringList, captions);
        QFETCH(QString, rainTip);
        ClickFlag(*m_window, language);
        CAdvancedDlg dialog(m_window.get());
        dialog.show();
        QCOMPARE((QStringList{CaptionOf(dialog, kRain), CaptionOf(dialog, 1092), CaptionOf(dialog, 1108),
                              CaptionOf(dialog, kDirectXDefault)}),
                 captions);
        QCOMPARE(CaptionOf(dialog, kConnectionDefault), CaptionOf(dialog, kDirectXDefault));
        QCOMPARE(Button(dialog, kRain)->toolTip(), rainTip);
        QVERIFY(Button(dialog, kReportBug)->toolTip().isEmpty());
        QCOMPARE(dialog.windowTitle(), u"Advanced Parameters"_s);
        QCOMPARE((QStringList{CaptionOf(dialog, 1), CaptionOf(dialog, 1087), CaptionOf(dialog, kAdsl),
                              CaptionOf(dialog, 1086), CaptionOf(dialog, 1088), CaptionOf(dialog, 1089),
                              CaptionOf(dialog, kDirectX81), CaptionOf(dialog, 1091)}),
                 (QStringList{u"OK"_s, u"56k"_s, u"ADSL"_s, u"LAN"_s, u"DirectX 7"_s, u"DirectX 8"_s,
                              u"DirectX 8.1"_s, u"DirectX 9"_s}));
    }

    void reportBugAndTheBannerOpenTheirLinks() {
        LinkCatcher catcher;
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
