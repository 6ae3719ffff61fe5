#include "MainWindowFixture.h"
#include "ModalScript.h"
#include "TestFiles.h"

#include "ui/app/Globals.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTest>
#include <QUrl>

namespace cssbinder::test {

// Stands in for the desktop's web browser.
class LinkCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void Open(const QUrl& url) { opened.append(url); }
};

class StartupTest : public QObject {
    Q_OBJECT
private slots:
    void firstStartAsksForTheGameFolderAndKeepsIt() {
        MainWindowFixture fixture;
        ModalScript script;
        bool windowHiddenDuringQuestion = false;
        std::unique_ptr<CBinderDlg> window;
        script.Then([&](QWidget& box) {
            windowHiddenDuringQuestion = window == nullptr || !window->isVisible();
            qobject_cast<QMessageBox*>(&box)->button(QMessageBox::Ok)->click();
        });
        script.ChooseFile(fixture.GameFolder());
        window = std::make_unique<CBinderDlg>();
        window->show();

        QCOMPARE(script.Messages(),
                 QStringList{QStringLiteral("Select the location of your \"counter-strike source\" folder")});
        QVERIFY(windowHiddenDuringQuestion);
        QCOMPARE(script.Pending(), 0u);
        QCOMPARE(fixture.ProfileValue(), fixture.GameFolder());
        QCOMPARE(g_gamePath, fixture.GameFolder());

        ModalScript nextStart;
        const auto again = fixture.Open();
        QTest::qWait(30);
        QVERIFY(nextStart.Unexpected().isEmpty());
        QCOMPARE(g_gamePath, fixture.GameFolder());
    }

    void cancelledFolderBrowserStoresNothingAndAsksAgain() {
        MainWindowFixture fixture;
        for (int start = 0; start < 2; ++start) {
            ModalScript script;
            script.AnswerMessage();
            script.CancelFileDialog();
            const auto window = fixture.Open();
            QCOMPARE(script.Pending(), 0u);
            // Without a Steam installation the browser opens where the program was started.
            QCOMPARE(script.DialogFolders(), QStringList{QDir::currentPath()});
            QVERIFY(window->isVisible());
            QCOMPARE(fixture.ProfileValue(), QString());
            QCOMPARE(g_gamePath, QString());
        }
    }

    // With the game installed by Steam, the folder browser opens on it and the user only confirms.
    void firstStartBrowsesFromTheGameSteamInstalled() {
        MainWindowFixture fixture;
        const QDir steam(fixture.HomeFolder() + QStringLiteral("/.local/share/Steam"));
        const QString game = steam.filePath(QStringLiteral("steamapps/common/Counter-Strike Source"));
        QVERIFY(QDir().mkpath(game + QStringLiteral("/cstrike")));
        for (const auto& [name, text] :
             {std::pair{"libraryfolders.vdf",
                        QStringLiteral("\"libraryfolders\" { \"0\" { \"path\" \"%1\" } }")},
              std::pair{"appmanifest_240.acf",
                        QStringLiteral("\"AppState\" { \"installdir\" \"Counter-Strike Source\" }")}}) {
            QVERIFY(WriteFile(steam.filePath(QStringLiteral("steamapps/") + QString::fromLatin1(name)),
                              text.arg(steam.path()).toUtf8()));
        }
        ModalScript script;
        script.AnswerMessage();
        script.CancelFileDialog();
        const auto window = fixture.Open();
        QCOMPARE(script.Pending(), 0u);
        QCOMPARE(script.DialogFolders(), QStringList{game});
    }

    void opensInFrenchWithTheBindFormAndCrosshairReset() {
        MainWindowFixture fixture;
        const auto window = fixture.OpenWithGameFolder();

        QCOMPARE(window->windowTitle(),
                 QStringLiteral("CS:Source Binds/Scripts/Optimization by Zelvar_Brask"));
        QCOMPARE(window->size(), QSize(621, 671));
        // Centred on the screen, give or take the frame the window system adds.
        QVERIFY((window->geometry().center() - window->screen()->availableGeometry().center())
                    .manhattanLength() <= 8);
        QCOMPARE(window->minimumSize(), window->maximumSize());
        QCOMPARE(window->m_nLanguage, 1);
        QCOMPARE(window->m_bFrench, 1);
        QCOMPARE(ControlOf<QPushButton>(*window, 1)->text(), QStringLiteral("Fermer"));
        QCOMPARE(window->m_cbLetters->currentText(), QStringLiteral("Lettres"));
        QVERIFY(ControlOf<QRadioButton>(*window, 1019)->isChecked());
        QVERIFY(ControlOf<QRadioButton>(*window, 1030)->isChecked());
        QVERIFY(ControlOf<QRadioButton>(*window, 1058)->isChecked());
        QCOMPARE(window->m_editGamma->text(), QStringLiteral("2.2"));
        QVERIFY(!window->m_btnTransparencyMinus->isEnabled());
        QVERIFY(window->m_btnTransparencyPlus->isEnabled());
        QCOMPARE(window->m_editPreview->toPlainText(), QString());
        QVERIFY(g_configEntries.IsEmpty());
        for (const int hidden : {1037, 1038, 1039}) {
            QVERIFY(!ControlOf<QWidget>(*window, hidden)->isVisible());
        }
        for (const QPushButton* button : window->findChildren<QPushButton*>()) {
            QVERIFY2(!button->isDefault() && !button->autoDefault(), qPrintable(button->objectName()));
        }
    }

    void bannerShowsAndOpensTheMakersLink() {
        MainWindowFixture fixture;
        const auto window = fixture.OpenWithGameFolder();
        QWidget* banner = ControlOf<QWidget>(*window, 1061);
        QCOMPARE(banner->toolTip(), QStringLiteral("https://github.com/cssbinder/cssbinder"));
        QCOMPARE(banner->cursor().shape(), Qt::PointingHandCursor);
        QCOMPARE(window->m_editSay->cursor().shape(), Qt::ArrowCursor);
        QCOMPARE(window->m_editPreview->viewport()->cursor().shape(), Qt::ArrowCursor);

        LinkCatcher browser;
        QDesktopServices::setUrlHandler(QStringLiteral("https"), &browser, "Open");
        Click(banner);
        QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
        QCOMPARE(browser.opened, QList<QUrl>{QUrl(QStringLiteral("https://github.com/cssbinder/cssbinder"))});
    }

    void windowMenuEndsWithTheAboutEntry() {
        MainWindowFixture fixture;
        const auto window = fixture.OpenWithGameFolder();
        ModalScript script;
        QStringList entries;
        QString aboutTitle;
        script.Then([&](QWidget& popup) {
            auto& menu = static_cast<QMenu&>(popup);
            for (const QAction* action : menu.actions()) {
                entries.append(action->isSeparator() ? QStringLiteral("-") : action->text());
            }
            menu.actions().constLast()->trigger();
            menu.close();
        });
        script.Then([&](QWidget& about) {
            aboutTitle = about.windowTitle();
            about.close();
        });
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 300),
                                window->mapToGlobal(QPoint(5, 300)));
        QApplication::sendEvent(window.get(), &event);
        QTRY_COMPARE(script.Pending(), 0u);

        QCOMPARE(entries, (QStringList{QStringLiteral("-"), QStringLiteral("&A propos de Tarvik...")}));
        QCOMPARE(aboutTitle, QStringLiteral("A propos de Tarvik"));
        QVERIFY(script.Unexpected().isEmpty());
    }
};

} // namespace cssbinder::test

QTEST_MAIN(cssbinder::test::StartupTest)
#include "StartupTest.moc"
