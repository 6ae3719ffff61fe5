#include "MainWindowFixture.h"
#include "MemoryDisplay.h"
#include "ModalScript.h"
#include "TestFiles.h"

#include "core/lang/Language.h"
#include "ui/advanced/AdvancedDialogTemplate.h"
#include "ui/advanced/CAdvancedDlg.h"
#include "ui/app/CAboutDlg.h"
#include "ui/app/GroupFrame.h"
#include "ui/app/MainDialogTemplate.h"
#include "ui/gamma/CGammaDlg.h"

#include <QContextMenuEvent>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QScreen>

#include <algorithm>
#include <clocale>
#include <span>
#include <tuple>
#include <utility>

namespace cssbinder::test {
namespace {

using namespace Qt::StringLiterals;

// Every control of the template in place (where unscaled), hidden buttons hidden, none on another but frames.
void VerifyTemplateInPlace(const QWidget& window, std::span<const ControlTemplate> controls, bool unscaled) {
    QList<const QWidget*> shown;
    for (const ControlTemplate& control : controls) {
        const QWidget* widget = ControlOf<QWidget>(window, control.id);
        QVERIFY2(widget != nullptr && window.rect().contains(widget->geometry()),
                 qPrintable(QString::number(control.id)));
        QCOMPARE(widget->isVisible(), control.kind != ControlKind::HiddenPushButton);
        QVERIFY(!unscaled || widget->x() == control.x * 6 / 4);
        if (widget->isVisible() && control.kind != ControlKind::GroupBox) {
            for (const QWidget* other : shown) {
                QVERIFY2(!widget->geometry().intersects(other->geometry()),
                         qPrintable(widget->objectName() + u" / "_s + other->objectName()));
            }
            shown.append(widget);
        }
    }
}

// Records a pop-up menu's entries ("-" for a separator) and chooses the one at that place, if any.
std::function<void(QWidget&)> ChooseEntry(QStringList& entries, qsizetype entry) {
    return [&entries, entry](QWidget& popup) {
        for (const QAction* action : popup.actions()) {
            entries.append(action->isSeparator() ? u"-"_s : action->text());
        }
        if (entry < popup.actions().size()) {
            popup.actions().at(entry)->trigger();
        }
        popup.close();
    };
}

void OpenContextMenu(CBinderDlg& window) {
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 300), window.mapToGlobal(QPoint(5, 300)));
    QApplication::sendEvent(&window, &event);
}

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT
private slots:
    // The question comes alone before the window shows, and the real browser opens on the game that the
    // Flatpak's Steam installed; a cancelled one stores nothing. A profile that cannot be written is said.
    void gameFolderIsAskedForUntilItHoldsTheGame() {
        MainWindowFixture fixture;
        const QString question = u"Select the location of your \"counter-strike source\" folder"_s;
        QVERIFY(QDir().mkpath(ProfilePath()));
        QCOMPARE(Answer([&] { fixture.Open(); }, {QMessageBox::Ok}),
                 QStringList{u"Cannot write %1: Filename refers to a directory"_s.arg(ProfilePath())});
        QVERIFY(QDir().rmdir(ProfilePath()));
        const QDir steam(fixture.HomeFolder() + u"/.var/app/com.valvesoftware.Steam/.local/share/Steam"_s);
        const QString steamGame = steam.filePath(u"steamapps/common/Counter-Strike Source"_s);
        QVERIFY(QDir().mkpath(steamGame + u"/cstrike"_s));
        QVERIFY(WriteFile(steam.filePath(u"steamapps/libraryfolders.vdf"_s),
                          u"\"libraryfolders\" { \"0\" { \"path\" \"%1\" } }"_s.arg(steam.path()).toUtf8()));
        QVERIFY(WriteFile(steam.filePath(u"steamapps/appmanifest_240.acf"_s),
                          "\"AppState\" { \"installdir\" \"Counter-Strike Source\" }"));
        for (const bool cancel : {true, false}) {
            ModalScript script;
            qsizetype windowsShown = 0;
            QStringList shown;
            script.Then([&](QWidget& box) {
                windowsShown = std::ranges::count_if(QApplication::topLevelWidgets(), &QWidget::isVisible);
                shown.append(box.property("text").toString());
                box.close();
            });
            script.ChooseFile(cancel ? QString() : fixture.GameFolder());
            const auto window = fixture.Open();
            QCOMPARE(shown + script.Offered() + script.Unexpected(), (QStringList{question, steamGame}));
            QVERIFY(windowsShown == 1 && window->isVisible());
            QCOMPARE(ReadProfile(ProfileKey::GamePath), cancel ? QString() : fixture.GameFolder());
            QCOMPARE(g_gamePath, ReadProfile(ProfileKey::GamePath));
        }

        // A game folder that lost its cstrike folder is asked for again; one without it is refused, named
        // in the current language, and a cstrike folder stands for its game folder. The menu asks alike.
        QVERIFY(QDir(fixture.GameFolder() + u"/cstrike"_s).removeRecursively());
        const QString moved = fixture.HomeFolder() + u"/moved"_s, again = fixture.HomeFolder() + u"/again"_s;
        QVERIFY(QDir().mkpath(moved + u"/cstrike"_s) && QDir().mkpath(again + u"/cstrike"_s));
        const Answers answers({QMessageBox::Ok, QMessageBox::Ok, QMessageBox::Ok},
                              {fixture.GameFolder(), moved + u"/cstrike"_s, fixture.HomeFolder(), again});
        const auto window = fixture.Open();
        QCOMPARE(ReadProfile(ProfileKey::GamePath), moved);

        ClickFlag(*window, German);
        QStringList entries;
        ModalScript script;
        script.Then(ChooseEntry(entries, 1));
        script.Then([&](QWidget& about) {
            entries.append(about.windowTitle());
            Click(Button(about, 1));
        });
        OpenContextMenu(*window);
        script.Then(ChooseEntry(entries, 2));
        OpenContextMenu(*window);
        QCOMPARE(entries.first(5), (QStringList{u"-"_s, u"&A propos de Tarvik..."_s, u"Spielordner..."_s,
                                                u"Öffnen..."_s, u"A propos de Tarvik"_s}));
        QCOMPARE(answers.Shown() + script.Unexpected(),
                 (QStringList{question,
                              u"%1 ne contient pas le dossier cstrike du jeu. Choisissez le dossier "
                              "Counter-Strike Source."_s.arg(fixture.GameFolder()),
                              u"%1 enthält keinen cstrike-Ordner des Spiels. Wählen Sie den Ordner "
                              "Counter-Strike Source."_s.arg(fixture.HomeFolder()),
                              steamGame, fixture.GameFolder(), moved, fixture.HomeFolder()}));
        QCOMPARE(ReadProfile(ProfileKey::GamePath), again);
    }

    // Every window fits the free room of every screen of screens.json, frame included, its controls inside
    // and apart; where it fits as laid out, it keeps its size, the main window centred, no default button.
    void everyWindowFitsItsScreen() {
        MainWindowFixture fixture;
        const MemoryDisplay display(GammaAccess::NotChangeable);
        for (QScreen* screen : QGuiApplication::screens()) {
            const auto window = fixture.OpenWithGameFolder(screen);
            CAdvancedDlg advanced(window.get());
            CGammaDlg gamma(French, window.get());
            CAboutDlg about(window.get());
            const bool roomy = screen == QGuiApplication::primaryScreen();
            if (roomy) {
                QCOMPARE(window->size(), QSize(621, 671));
                // Frame included, give or take what the window system adds.
                QVERIFY(qAbs(window->frameGeometry().center().x() -
                             screen->availableGeometry().center().x()) <= 4);
                QCOMPARE(ControlOf<QWidget>(*window, 1061)->size(), QSize(600, 112));
                QCOMPARE(ControlOf<QWidget>(*window, 1109)->size(), QSize(30, 20));
                for (const QPushButton* button :
                     window->findChildren<QPushButton*>(Qt::FindDirectChildrenOnly)) {
                    QVERIFY2(!button->isDefault() && !button->autoDefault(),
                             qPrintable(button->objectName()));
                }
            }
            for (QDialog* dialog : std::initializer_list<QDialog*>{window.get(), &advanced, &gamma, &about}) {
                const QSize laidOut = dialog->size();
                dialog->show();
                const QString name = screen->name() + u" "_s + dialog->windowTitle();
                QVERIFY2(dialog->screen() == screen &&
                             screen->availableGeometry().contains(dialog->frameGeometry()),
                         qPrintable(name));
                QVERIFY2(dialog->size() == laidOut || !roomy, qPrintable(name));
                for (const QWidget* control : dialog->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
                    QVERIFY2(control->isWindow() || dialog->rect().contains(control->geometry()),
                             qPrintable(name + control->objectName()));
                }
            }
            VerifyTemplateInPlace(*window, MainDialogControls(), roomy);
            VerifyTemplateInPlace(advanced, AdvancedDialogControls(), roomy);
        }
    }

    // The straight edges and corners, drawn apart, give the pixels of one antialiased rounded outline.
    void groupFrameIsOneAntialiasedRoundedOutline() {
        for (const QSize size : {QSize(40, 30), QSize(333, 57), QSize(61, 250)}) {
            GroupFrame frame(u"T"_s, nullptr);
            frame.setAutoFillBackground(true);
            frame.resize(size);
            const QFontMetrics metrics = frame.fontMetrics();
            const QRect title(6, 0, metrics.horizontalAdvance(frame.title()) + 4, metrics.height());
            QImage drawn = frame.grab().toImage().convertToFormat(QImage::Format_RGB32);
            QPainter(&drawn).fillRect(title, Qt::black);

            QImage expected(size, QImage::Format_RGB32);
            expected.fill(frame.palette().window().color());
            QPainter painter(&expected);
            painter.setRenderHint(QPainter::Antialiasing);
            painter.setPen(frame.palette().window().color().darker(140));
            painter.drawRoundedRect(
                QRectF(expected.rect().adjusted(0, metrics.height() / 2, -1, -1)).translated(0.5, 0.5), 2, 2);
            painter.fillRect(title, Qt::black);
            painter.end();
            QCOMPARE(drawn, expected);
        }
    }

    // Tab walks the window in order, Shift+Tab back; the keyboard alone makes a buy bind. Escape, the close
    // box and Exit close at once while the box holds the text last saved (none at first), else ask first.
    // Exit and the colour buttons refuse a gamma out of 1 to 3, keeping a number but not a text; the French
    // locale reads a comma as a decimal.
    void keyboardMakesABindAndQuittingWithUnsavedTextAsksFirst() {
        QCOMPARE(*std::localeconv()->decimal_point, ',');
        MainWindowFixture fixture;
        const auto window = fixture.OpenWithGameFolder();
        const std::function<void()> escape = [&] {
            QTest::keyClick(window->m_editPreview, Qt::Key_Escape);
        };
        QCOMPARE(Answer(escape), QStringList());
        QVERIFY(!window->isVisible());
        window->show();

        QApplication::setActiveWindow(window.get());
        window->m_cbLetters->setFocus();
        // Presses a key on the focused control; names the one focused then.
        const auto press = [](Qt::Key key, int times = 1) {
            for (int time = 0; time < times; ++time) {
                QTest::keyClick(QApplication::focusWidget(), key);
            }
            return QApplication::focusWidget()->objectName();
        };
        QStringList order{QApplication::focusWidget()->objectName()};
        while (order.size() < 60 && order.count(order.constLast()) == 1) {
            order.append(press(Qt::Key_Tab));
        }
        QCOMPARE(order.join(u' '),
                 u"1004 1005 1006 1007 1008 1009 1000 1001 1003 1015 1016 1002 1010 1011 1012 "
                 u"1013 1014 1019 1034 1020 1022 1029 1030 1032 1021 1033 1058 1071 1062 1063 "
                 u"1072 1073 1064 1070 1040 1036 1035 1026 1109 1113 1110 1111 1112 1027 1 1004"_s);
        QCOMPARE(press(Qt::Key_Backtab), u"1"_s);
        // A letter, a secondary weapon, the grenade, the helmet: every pick by arrows or Space.
        const std::pair<Qt::Key, int> picks[] = {{Qt::Key_Tab, 1},  {Qt::Key_Down, 1}, {Qt::Key_Tab, 6},
                                                 {Qt::Key_Down, 1}, {Qt::Key_Tab, 5},  {Qt::Key_Space, 1},
                                                 {Qt::Key_Tab, 6},  {Qt::Key_Up, 1}};
        for (const auto& [key, times] : picks) {
            press(key, times);
        }
        QCOMPARE(press(Qt::Key_Tab, 2), u"1020"_s);
        press(Qt::Key_Space);
        const QString bind = u"bind \"a\" \"buy glock;buy vesthelm;buy hegrenade\"\n"_s;
        QCOMPARE(Committed(*window), bind);

        const QStringList question{u"Vos modifications ne sont pas sauvegardées. Quitter quand même ?"_s};
        for (const std::function<void()>& quit :
             {escape, std::function<void()>([&] { window->close(); }),
              std::function<void()>([&] { Click(Button(*window, 1)); })}) {
            QCOMPARE(Answer(quit, {QMessageBox::Cancel}), question);
            QVERIFY(window->isVisible());
            QCOMPARE(Committed(*window), bind);
        }
        for (const auto& [gamma, button, value] :
             {std::tuple(u"abc"_s, 1, 2.2f), std::tuple(u"3.01"_s, 1, 3.01f),
              std::tuple(u"5"_s, 1059, 5.0f)}) {
            window->m_editGamma->setText(gamma);
            QCOMPARE(Press(ControlOf<QWidget>(*window, button), {QMessageBox::Ok}),
                     QStringList{u"Please enter a number between 1 and 3."_s});
            QVERIFY(window->isVisible() && window->focusWidget() == window->m_editGamma);
            QCOMPARE(window->m_fGamma, value);
        }
        QCOMPARE(window->m_nColor, 0);
        window->m_editGamma->setText(u"1,5"_s);
        QCOMPARE(Press(Button(*window, 1), {QMessageBox::Ok}), question);
        QVERIFY(!window->isVisible());
        QCOMPARE(window->m_fGamma, 1.5f);
    }

    // Save writes the box, rendered or typed, in UTF-8 with CR LF (the real dialog adds .cfg); the
    // hand-written file is kept as .bak, which a second save keeps, and a full disk leaves both. A saved or
    // opened file is what quitting compares with; its lines stay in place through binds, a preset and Save.
    // Ctrl+O asks about unsaved changes first, and a file over 1 MB is refused, named.
    void saveAndOpenKeepTheHandWrittenFile() {
        MainWindowFixture fixture;
        const auto window = fixture.OpenWithGameFolder();
        const QString target = QDir(fixture.ConfigFolder()).filePath(u"autoexec.cfg"_s);
        const QString backup = target + u".bak"_s;
        const QStringList offered{target};
        QVERIFY(WriteFile(target, "// mine\r\n"));
        g_configEntries.Store("F1", "bind \"f1\" \"say héllo\"");
        window->RefreshPreview();
        QCOMPARE(Press(window->m_btnSave, {}, {QString()}), offered);
        QCOMPARE(ReadFile(target), "// mine\r\n");
        ModalScript script;
        script.ChooseFile(u"autoexec"_s);
        Click(window->m_btnSave);
        QCOMPARE(script.Offered() + script.Unexpected(), offered);
        QCOMPARE(ReadFile(target), "bind \"f1\" \"say h\xC3\xA9llo\"\r\n");
        window->m_editPreview->moveCursor(QTextCursor::End);
        window->m_editPreview->insertPlainText(u"ù"_s);
        QCOMPARE(Press(window->m_btnSave, {}, {target}), offered);
        QCOMPARE(ReadFile(target), "bind \"f1\" \"say h\xC3\xA9llo\"\r\n\xC3\xB9");
        QCOMPARE(Answer([&] { QTest::keyClick(window->m_editPreview, Qt::Key_Escape); }), QStringList());
        QVERIFY(!window->isVisible());
        window->show();
        QCOMPARE(g_configEntries.GetCount(), 1u);
        QCOMPARE(ReadFile(backup), "// mine\r\n");

        const QByteArray filled = QByteArray("// mine\r\n").repeated(444) + "bind";
        QVERIFY(WriteFile(target, filled) && WriteFile(backup, "// mine\r\n"));
        QCOMPARE(
            WithFileSizeLimit(1024, [&] { return Press(window->m_btnSave, {QMessageBox::Ok}, {target}); }),
            (QStringList{
                u"Impossible d'écrire %1 : %2"_s.arg(QDir::toNativeSeparators(backup), FileTooLarge()),
                target}));
        QCOMPARE(ReadFile(target), filled);
        QCOMPARE(ReadFile(backup), "// mine\r\n");

        const QString mine = QDir(fixture.ConfigFolder()).filePath(u"mine.cfg"_s);
        const QByteArray handWritten =
            "// my binds\r\nexec userconfig.cfg\r\nalias +jt \"+jump; duck\"\r\n\r\n"
            "bind \"a\" \"+moveleft\"\r\nbind mouse4 +jt\r\nrate 10000 // mine\r\n\r\n"
            "// my binds\r\n";
        QVERIFY(WriteFile(mine, handWritten));
        QStringList entries;
        script.Then(ChooseEntry(entries, 3));
        QCOMPARE(Answer([&] { OpenContextMenu(*window); }, {}, {mine}) + script.Unexpected(),
                 QStringList{fixture.ConfigFolder()});
        QCOMPARE(Committed(*window), QString::fromUtf8(handWritten).remove(u'\r'));
        QCOMPARE(Answer([&] { QTest::keyClick(window->m_editPreview, Qt::Key_Escape); }), QStringList());
        window->show();

        window->m_editSay->setText(u"gg"_s);
        Pick(window->m_cbLetters, 1);
        QCOMPARE(Press(window->m_btnAddSay, {QMessageBox::Ok}),
                 QStringList{u"Key already associated. Redefine it ?"_s});
        CAdvancedDlg advanced(window.get());
        advanced.show();
        Click(Button(advanced, 1086));
        advanced.close();
        QCOMPARE(Press(window->m_btnSave, {}, {mine}), QStringList{mine});
        QCOMPARE(ReadFile(mine + u".bak"_s), handWritten);
        QCOMPARE(ReadFile(mine),
                 "// my binds\r\nexec userconfig.cfg\r\nalias +jt \"+jump; duck\"\r\n\r\n"
                 "bind \"a\" \"say gg\"\r\nbind mouse4 +jt\r\nrate \"25000\"\r\n\r\n// my binds\r\n"
                 "cl_rate \"25000\"\r\ncl_cmdrate \"150\"\r\ncl_cmdbackup \"5\"\r\n"
                 "cl_updaterate \"150\"\r\ncl_smooth \"0\"\r\ncl_smoothtime \"0.1\"\r\n"
                 "cl_interp \"0.05\"\r\ncl_interpolate \"1\"\r\ncl_lagcomp_errorcheck \"1\"\r\n");

        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        window->m_editPreview->appendPlainText(u"typed"_s);
        const QString large = QDir(fixture.ConfigFolder()).filePath(u"large.cfg"_s);
        QVERIFY(WriteFile(large, QByteArray((1 << 20) + 1, ' ')));
        QCOMPARE(Answer([&] { QTest::keyClick(window.get(), Qt::Key_O, Qt::ControlModifier); },
                        {QMessageBox::Ok, QMessageBox::Ok}, {large}),
                 (QStringList{
                     u"Vos modifications ne sont pas sauvegardées. Ouvrir un autre fichier quand même ?"_s,
                     u"Impossible de lire %1 : larger than 1 MB"_s.arg(QDir::toNativeSeparators(large)),
                     fixture.ConfigFolder()}));
        QVERIFY(window->m_editPreview->toPlainText().endsWith(u"typed"_s));
    }
};

} // namespace cssbinder::test

QTEST_MAIN(cssbinder::test::MainWindowTest)
#include "MainWindowTest.moc"
