#include "MainWindowFixture.h"
#include "ModalScript.h"
#include "TestFiles.h"

#include "ui/advanced/CAdvancedDlg.h"
#include "ui/app/Credits.h"
#include "ui/app/Globals.h"

#include <QAbstractButton>
#include <QDir>
#include <QPlainTextEdit>
#include <QStandardPaths>
#include <QTest>

#include <functional>

namespace cssbinder::test {
namespace {

using namespace Qt::Literals::StringLiterals;

constexpr int kRain = 1073, kVertex = 1083, kAdsl = 1085, kLan = 1086, kConnectionDefault = 1095,
              kDirectX81 = 1090, kDirectXDefault = 1094, kReportBug = 1093, kBanner = 1061;
constexpr int kCheckedAtFirst[] = {
    1073, 1074, 1075, 1076, 1077, 1079, 1080, 1081, 1082, 1083, 1084, kConnectionDefault, kDirectXDefault};
// Every preset, ADSL and DirectX 8.1 last, then every box off and back on but Rain and Vertex.
constexpr int kClickedInTurn[] = {1087, 1086, 1095, 1085, 1088, 1089, 1091, 1094, 1090, 1073,
                                  1074, 1075, 1076, 1077, 1079, 1080, 1081, 1082, 1083, 1084,
                                  1074, 1075, 1076, 1077, 1079, 1080, 1081, 1082, 1084};

// Opens the dialog with the main window's button, runs the step inside its modal loop and waits for
// the loop to end; the step closes the dialog.
void WithDialog(CBinderDlg& window, const std::function<void(CAdvancedDlg&)>& step) {
    ModalScript script;
    script.Then([&step](QWidget& modal) {
        auto* dialog = qobject_cast<CAdvancedDlg*>(&modal);
        QVERIFY(dialog != nullptr);
        step(*dialog);
    });
    Click(ControlOf<QWidget>(window, 1022));
    QVERIFY(script.Unexpected().isEmpty());
    QCOMPARE(script.Pending(), std::size_t{0});
}

QString StorePath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           u"/cssbinder-registry.ini"_s;
}

} // namespace

class AdvancedDialogTest : public QObject {
    Q_OBJECT
private slots:
    // The first opening shows every box checked, both groups on Default and the document; a click
    // refreshes both preview boxes at once. Escape keeps a box's state in the main window's flag, which
    // the next opening shows; the presets write the substitute store, and the groups open on Default.
    void boxesAndPresetsLastUntilTheNextOpening() {
        MainWindowFixture fixture;
        const auto window = fixture.OpenWithGameFolder();
        g_configEntries.Store("f", "bind \"f\" \"say gg\"");
        WithDialog(*window, [&window](CAdvancedDlg& dialog) {
            for (const int button : kCheckedAtFirst) {
                QVERIFY2(Button(dialog, button)->isChecked(), qPrintable(QString::number(button)));
            }
            QCOMPARE(dialog.m_editPreview->toPlainText(), DocumentText());
            // Each handler refreshes both preview boxes on its own: they are made stale before each click.
            // The presets come first, since their Default also takes Vertex's "mat_reducefillrate".
            for (const int button : kClickedInTurn) {
                dialog.m_editPreview->setPlainText(u"stale"_s);
                window->m_editPreview->setPlainText(u"stale"_s);
                QAbstractButton* box = Button(dialog, button);
                QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2)); // on the mark
                QCOMPARE(dialog.m_editPreview->toPlainText(), DocumentText());
                QCOMPARE(Committed(*window), DocumentText());
            }
            QTest::keyClick(&dialog, Qt::Key_Escape);
        });
        QCOMPARE(window->m_bRain, 0);
        QCOMPARE(*g_configEntries.Find("mat_dxlevel"), "mat_dxlevel \"81\"");
        QCOMPARE(ReadFile(StorePath()),
                 "[SYSTEM\\CurrentControlSet\\Services\\Tcpip\\Parameters]\n"
                 "DefaultTTL=128\nGlobalMaxTcpWindowSize=101452\nTcpWindowSize=101452\n");
        WithDialog(*window, [](CAdvancedDlg& dialog) {
            QVERIFY(!Button(dialog, kRain)->isChecked() && Button(dialog, kConnectionDefault)->isChecked() &&
                    Button(dialog, kDirectXDefault)->isChecked());
            QCOMPARE(g_configEntries.GetCount(), std::size_t{24});
            for (const int button : {kRain, kConnectionDefault, kDirectXDefault}) {
                Click(Button(dialog, button));
            }
            Click(Button(dialog, 1));
        });
        QCOMPARE(window->m_bRain, 1);
        QCOMPARE(window->m_editPreview->toPlainText(),
                 u"bind \"f\" \"say gg\"\nmat_reducefillrate \"1\"\n"_s);
        QCOMPARE(ReadFile(StorePath()), "[SYSTEM\\CurrentControlSet\\Services\\Tcpip\\Parameters]\n");
    }

    // A store that cannot be written (the disk full) keeps what it held, and the click that would have
    // changed it says so with the file and the system's reason.
    void aPresetTheStoreCannotKeepIsSaid() {
        MainWindowFixture fixture;
        const auto window = fixture.OpenWithGameFolder();
        CAdvancedDlg dialog(window.get());
        dialog.show();
        Click(Button(dialog, kAdsl));
        const QByteArray stored = ReadFile(StorePath());
        const QString message =
            u"Impossible d'écrire %1 : %2"_s.arg(QDir::toNativeSeparators(StorePath()), FileTooLarge());
        for (const int button : {kLan, kConnectionDefault}) {
            QCOMPARE(WithFileSizeLimit(16, [&] { return Press(Button(dialog, button), {QMessageBox::Ok}); }),
                     QStringList{message});
            QCOMPARE(ReadFile(StorePath()), stored);
        }
    }

    // The banners of both windows open the maker's page, which they show as their tool-tip, with a hand
    // over them and an arrow over the preview boxes; Report bug opens the mail program.
    void bannersAndReportBugOpenTheirLinks() {
        MainWindowFixture fixture;
        const auto main = fixture.OpenWithGameFolder();
        const LinkCatcher catcher;
        CAdvancedDlg dialog(main.get());
        dialog.show();
        const QString maker = u"https://github.com/cssbinder/cssbinder"_s;
        for (const QWidget* window : std::initializer_list<const QWidget*>{main.get(), &dialog}) {
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
};

} // namespace cssbinder::test

QTEST_MAIN(cssbinder::test::AdvancedDialogTest)
#include "AdvancedDialogTest.moc"
