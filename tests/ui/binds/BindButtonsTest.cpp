#include "BindFormSteps.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

#include <array>

namespace cssbinder::test {
namespace {

constexpr int kAddBuy = 1020;
constexpr int kAddSay = 1032;
constexpr int kAddQuick = 1033;
constexpr int kBindConsole = 1034;
constexpr std::array<int, 8> kBuyBoxes{1002, 1010, 1011, 1012, 1013, 1014, 1015, 1016};
constexpr int kKevlar = 1017;
constexpr int kHelmetAndKevlar = 1018;
constexpr int kNoArmor = 1019;
constexpr int kToTeam = 1031;

QPushButton* Button(const CBinderDlg& window, int controlId) {
    return ControlOf<QPushButton>(window, controlId);
}

void Tick(const CBinderDlg& window, int controlId) {
    ControlOf<QAbstractButton>(window, controlId)->click();
}

bool IsTicked(const CBinderDlg& window, int controlId) {
    return ControlOf<QAbstractButton>(window, controlId)->isChecked();
}

QString ConsoleLine(const char* keyInLine) {
    return QStringLiteral("con_enable 1\r\nbind \"%1\" \"toggleconsole\"").arg(QString::fromUtf8(keyInLine));
}

} // namespace

class BindButtonsTest : public QObject {
    Q_OBJECT
private slots:
    // Each button checks its own input first and the key after it; whatever stops it leaves the
    // document, the preview box and every choice of the form as they were.
    void refusalShowsOneMessageAndKeepsTheForm_data() {
        QTest::addColumn<int>("button");
        QTest::addColumn<int>("letter");
        QTest::addColumn<QString>("sayText");
        QTest::addColumn<int>("quickWeapon");
        QTest::addColumn<int>("secondary");
        QTest::addColumn<QString>("message");
        const QString hello = QStringLiteral("hello");
        QTest::newRow("say: no text, no key") << kAddSay << 0 << QString() << 0 << 0 << kNothingToSayFr;
        QTest::newRow("say: no text, a key") << kAddSay << 3 << QString() << 0 << 2 << kNothingToSayFr;
        QTest::newRow("say: text, no key") << kAddSay << 0 << hello << 0 << 0 << kSelectKeyFr;
        QTest::newRow("quick: title, no key") << kAddQuick << 0 << hello << 0 << 0 << kNothingToAddFr;
        QTest::newRow("quick: separator, a key") << kAddQuick << 3 << QString() << 1 << 0 << kNothingToAddFr;
        QTest::newRow("quick: weapon, no key") << kAddQuick << 0 << QString() << 27 << 0 << kSelectKeyFr;
        QTest::newRow("buy: nothing, no key") << kAddBuy << 0 << QString() << 0 << 0 << kSelectKeyFr;
        QTest::newRow("buy: weapon, no key") << kAddBuy << 0 << QString() << 0 << 2 << kSelectKeyFr;
        QTest::newRow("buy: a key, nothing") << kAddBuy << 3 << hello << 27 << 0 << kNothingToAddFr;
        QTest::newRow("console: no key") << kBindConsole << 0 << hello << 27 << 2 << kSelectKeyFr;
    }
    void refusalShowsOneMessageAndKeepsTheForm() {
        QFETCH(int, button);
        QFETCH(int, letter);
        QFETCH(QString, sayText);
        QFETCH(int, quickWeapon);
        QFETCH(int, secondary);
        QFETCH(QString, message);
        OpenWindow window;
        if (letter != 0) {
            Pick(window->m_cbLetters, letter);
        }
        window->m_editSay->setText(sayText);
        Pick(window->m_cbQuickWeapon, quickWeapon);
        Pick(window->m_cbSecondary, secondary);

        QMessageBox::StandardButtons offered;
        QCOMPARE(PressAnswering(Button(*window, button), QMessageBox::Ok, offered), message);
        QCOMPARE(offered, QMessageBox::StandardButtons(QMessageBox::Ok));
        QVERIFY(g_configEntries.IsEmpty());
        QCOMPARE(Preview(*window), QString());
        QCOMPARE(window->m_cbLetters->currentIndex(), letter);
        QCOMPARE(window->m_editSay->text(), sayText);
        QCOMPARE(window->m_cbQuickWeapon->currentIndex(), quickWeapon);
        QCOMPARE(window->m_cbSecondary->currentIndex(), secondary);
    }

    // Every control of the buy part must reach the command, and only through its own piece.
    void buyBindReadsEachControl_data() {
        QTest::addColumn<QList<int>>("ticks");
        QTest::addColumn<int>("armor");
        QTest::addColumn<QList<int>>("weapons");
        QTest::addColumn<QString>("command");
        const QList<int> noWeapons{0, 0, 0};
        QTest::newRow("defusal kit") << QList<int>{1014} << kNoArmor << noWeapons << "buy defuser";
        QTest::newRow("HE grenade") << QList<int>{1002} << kNoArmor << noWeapons << "buy hegrenade";
        QTest::newRow("flashbang 1") << QList<int>{1010} << kNoArmor << noWeapons << "buy flashbang";
        QTest::newRow("flashbang 2") << QList<int>{1011} << kNoArmor << noWeapons << "buy flashbang";
        QTest::newRow("smoke grenade") << QList<int>{1012} << kNoArmor << noWeapons << "buy smokegrenade";
        QTest::newRow("night vision") << QList<int>{1013} << kNoArmor << noWeapons << "buy nvgs";
        QTest::newRow("secondary ammo") << QList<int>{1015} << kNoArmor << noWeapons << "buy secammo";
        QTest::newRow("primary ammo") << QList<int>{1016} << kNoArmor << noWeapons << "buy primammo";
        QTest::newRow("Kevlar") << QList<int>{} << kKevlar << noWeapons << "buy vest";
        QTest::newRow("helmet and Kevlar") << QList<int>{} << kHelmetAndKevlar << noWeapons << "buy vesthelm";
        QTest::newRow("second choice only")
            << QList<int>{} << kNoArmor << QList<int>{0, 0, 19} << "buy scout";
        QTest::newRow("whole form") << QList<int>{1014, 1002, 1010, 1011, 1016} << kHelmetAndKevlar
                                    << QList<int>{4, 14, 13}
                                    << "buy deagle;buy m4a1;buy ak47;buy defuser;buy vesthelm;buy hegrenade;"
                                       "buy flashbang;buy flashbang;buy primammo";
    }
    void buyBindReadsEachControl() {
        QFETCH(QList<int>, ticks);
        QFETCH(int, armor);
        QFETCH(QList<int>, weapons);
        QFETCH(QString, command);
        OpenWindow window;
        Pick(window->m_cbFunctionKeys, 1);
        for (const int box : ticks) {
            Tick(*window, box);
        }
        Tick(*window, armor);
        Pick(window->m_cbSecondary, weapons.at(0));
        Pick(window->m_cbPrimary1, weapons.at(1));
        Pick(window->m_cbPrimary2, weapons.at(2));

        QCOMPARE(Press(window->m_btnAddBuy), QStringList());
        QCOMPARE(g_configEntries.GetCount(), 1u);
        QCOMPARE(EntryOf("F1"), QStringLiteral("bind \"f1\" \"%1\"").arg(command));
    }

    // After a bind the key, weapon and buy choices start over, while the say text, its target and the
    // quick weapon stay for the next key.
    void bindResetsTheFormButKeepsSayAndQuickWeapon() {
        OpenWindow window;
        Pick(window->m_cbMouseButtons, 2);
        Pick(window->m_cbSecondary, 1);
        Pick(window->m_cbPrimary1, 2);
        Pick(window->m_cbPrimary2, 3);
        for (const int box : kBuyBoxes) {
            Tick(*window, box);
        }
        Tick(*window, kKevlar);
        window->m_editSay->setText(QStringLiteral("gg"));
        Tick(*window, kToTeam);
        Pick(window->m_cbQuickWeapon, 5);

        QCOMPARE(Press(window->m_btnAddBuy), QStringList());
        QCOMPARE(EntryOf("mouse2"),
                 QStringLiteral("bind \"mouse2\" \"buy glock;buy m3;buy xm1014;buy defuser;"
                                "buy vest;buy hegrenade;buy flashbang;buy flashbang;"
                                "buy smokegrenade;buy primammo;buy secammo;buy nvgs\""));
        for (const int list : {1004, 1005, 1006, 1007, 1008, 1009, 1000, 1001, 1003}) {
            QCOMPARE(ControlOf<QComboBox>(*window, list)->currentIndex(), 0);
        }
        for (const int box : kBuyBoxes) {
            QVERIFY2(!IsTicked(*window, box), qPrintable(QString::number(box)));
        }
        QVERIFY(IsTicked(*window, kNoArmor));
        QCOMPARE(Press(window->m_btnBindConsole, {QMessageBox::Ok}), QStringList{kSelectKeyFr});

        Pick(window->m_cbLetters, 7);
        QCOMPARE(Press(window->m_btnAddSay), QStringList());
        QCOMPARE(EntryOf("G"), QStringLiteral("bind \"g\" \"say_team gg\""));
        Pick(window->m_cbLetters, 8);
        QCOMPARE(Press(window->m_btnAddQuick), QStringList());
        QCOMPARE(EntryOf("H"), QStringLiteral("bind \"h\" \"use weapon_deagle\""));
    }

    // A key with an entry is asked about, whatever bind it holds and even for the same line; either
    // answer renders the box again and resets the form.
    void boundKeyAsksBeforeRedefining_data() {
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("second");
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("line");
        QTest::newRow("OK replaces") << kBindConsole << kAddSay << int{QMessageBox::Ok}
                                     << QStringLiteral("bind \"a\" \"say hi\"");
        QTest::newRow("Cancel keeps")
            << kBindConsole << kAddSay << int{QMessageBox::Cancel} << ConsoleLine("a");
        QTest::newRow("same line") << kBindConsole << kBindConsole << int{QMessageBox::Ok}
                                   << ConsoleLine("a");
        QTest::newRow("buy replaces say") << kAddSay << kAddBuy << int{QMessageBox::Ok}
                                          << QStringLiteral("bind \"a\" \"buy p228;buy smokegrenade\"");
    }
    void boundKeyAsksBeforeRedefining() {
        QFETCH(int, first);
        QFETCH(int, second);
        QFETCH(int, answer);
        QFETCH(QString, line);
        OpenWindow window;
        window->m_editSay->setText(QStringLiteral("hi"));
        Pick(window->m_cbLetters, 1);
        QCOMPARE(Press(Button(*window, first)), QStringList());
        Pick(window->m_cbLetters, 1);
        Pick(window->m_cbSecondary, 3);
        Tick(*window, 1012);
        window->m_editPreview->appendPlainText(QStringLiteral("typed"));

        QMessageBox::StandardButtons offered;
        QCOMPARE(PressAnswering(Button(*window, second), QMessageBox::StandardButton(answer), offered),
                 kRedefineQuestion);
        QCOMPARE(offered, QMessageBox::Ok | QMessageBox::Cancel);
        QCOMPARE(g_configEntries.GetCount(), 1u);
        QCOMPARE(EntryOf("A"), line);
        QCOMPARE(Preview(*window),
                 QString(line).replace(QStringLiteral("\r\n"), QStringLiteral("\n")) + QLatin1Char('\n'));
        QCOMPARE(window->m_cbLetters->currentIndex(), 0);
        QCOMPARE(window->m_cbSecondary->currentIndex(), 0);
        QVERIFY(!IsTicked(*window, 1012));
        QCOMPARE(window->m_editSay->text(), QStringLiteral("hi"));
        QCOMPARE(Press(window->m_btnBindConsole, {QMessageBox::Ok}), QStringList{kSelectKeyFr});
    }

    // What the player enters must not end the bound command or its line early, nor start another
    // console command.
    void sayTextIsLoweredAndDefused_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("pasted");
        QTest::addColumn<QString>("line");
        QTest::newRow("capitals, quotes, semicolon")
            << QStringLiteral("GG \"Nice\"; Go!") << false
            << QStringLiteral("bind \"g\" \"say_team gg 'nice', go!\"");
        QTest::newRow("pasted line breaks") << QStringLiteral("gl\r\nhf\nwp\r") << true
                                            << QStringLiteral("bind \"g\" \"say_team gl hf wp \"");
    }
    void sayTextIsLoweredAndDefused() {
        QFETCH(QString, text);
        QFETCH(bool, pasted);
        QFETCH(QString, line);
        OpenWindow window;
        if (pasted) {
            QApplication::clipboard()->setText(text);
            window->m_editSay->paste();
        } else {
            QTest::keyClicks(window->m_editSay, text);
        }
        Tick(*window, kToTeam);
        Pick(window->m_cbLetters, 7);
        QCOMPARE(Press(window->m_btnAddSay), QStringList());

        QCOMPARE(EntryOf("G"), line);
        QCOMPARE(Preview(*window), line + QLatin1Char('\n'));
        QCOMPARE(window->m_editSay->text(), text);
    }

    // A gamma field out of range is reported at both pulls of the form, and the bind goes on.
    void gammaOutOfRangeIsReportedAtEachPull_data() {
        QTest::addColumn<int>("button");
        QTest::addColumn<QString>("line");
        QTest::newRow("buy") << kAddBuy << QStringLiteral("bind \"e\" \"buy vest\"");
        QTest::newRow("say") << kAddSay << QStringLiteral("bind \"e\" \"say hi\"");
        QTest::newRow("quick") << kAddQuick << QStringLiteral("bind \"e\" \"use weapon_deagle\"");
        QTest::newRow("console") << kBindConsole << ConsoleLine("e");
    }
    void gammaOutOfRangeIsReportedAtEachPull() {
        QFETCH(int, button);
        QFETCH(QString, line);
        OpenWindow window;
        window->m_editGamma->setText(QStringLiteral("5"));
        window->m_editSay->setText(QStringLiteral("hi"));
        Pick(window->m_cbQuickWeapon, 5);
        Tick(*window, kKevlar);
        Pick(window->m_cbLetters, 5);

        const QString range = QStringLiteral("Please enter a number between 1 and 3.");
        QCOMPARE(Press(Button(*window, button), {QMessageBox::Ok, QMessageBox::Ok}),
                 (QStringList{range, range}));
        QCOMPARE(EntryOf("E"), line);
    }

    void sayFieldTakesAtMost255Characters() {
        OpenWindow window;
        QTest::keyClicks(window->m_editSay, QString(260, QLatin1Char('x')));
        QCOMPARE(window->m_editSay->text(), QString(255, QLatin1Char('x')));
        Pick(window->m_cbLetters, 17);
        QCOMPARE(Press(window->m_btnAddSay), QStringList());
        QCOMPARE(EntryOf("Q"), QStringLiteral("bind \"q\" \"say %1\"").arg(QString(255, QLatin1Char('x'))));

        window->m_editSay->clear();
        QApplication::clipboard()->setText(QString(300, QLatin1Char('y')));
        window->m_editSay->paste();
        QCOMPARE(window->m_editSay->text(), QString(255, QLatin1Char('y')));
    }

    // The box shows the whole document, in the order the keys were first bound, after every bind (a
    // console bind as its two lines); a refused bind leaves what the user typed there, a stored one
    // replaces it.
    void previewFollowsTheDocument() {
        OpenWindow window;
        Pick(window->m_cbLetters, 1);
        QCOMPARE(Press(window->m_btnBindConsole), QStringList());
        QCOMPARE(Preview(*window), PreviewOf({"con_enable 1", "bind \"a\" \"toggleconsole\""}));

        window->m_editSay->setText(QStringLiteral("One"));
        Pick(window->m_cbLetters, 2);
        QCOMPARE(Press(window->m_btnAddSay), QStringList());
        QCOMPARE(Preview(*window),
                 PreviewOf({"con_enable 1", "bind \"a\" \"toggleconsole\"", "bind \"b\" \"say one\""}));

        Pick(window->m_cbQuickWeapon, 20);
        Pick(window->m_cbLetters, 3);
        QCOMPARE(Press(window->m_btnAddQuick), QStringList());
        Tick(*window, kKevlar);
        Pick(window->m_cbLetters, 4);
        QCOMPARE(Press(window->m_btnAddBuy), QStringList());
        const QString fourBinds =
            PreviewOf({"con_enable 1", "bind \"a\" \"toggleconsole\"", "bind \"b\" \"say one\"",
                       "bind \"c\" \"use weapon_ak47\"", "bind \"d\" \"buy vest\""});
        QCOMPARE(Preview(*window), fourBinds);

        window->m_editPreview->appendPlainText(QStringLiteral("typed"));
        QCOMPARE(Press(window->m_btnAddBuy, {QMessageBox::Ok}), QStringList{kSelectKeyFr});
        QVERIFY(Preview(*window).contains(QStringLiteral("typed")));
        Pick(window->m_cbLetters, 1);
        QCOMPARE(Press(window->m_btnAddSay, {QMessageBox::Ok}), QStringList{kRedefineQuestion});
        QCOMPARE(Preview(*window), PreviewOf({"bind \"a\" \"say one\"", "bind \"b\" \"say one\"",
                                              "bind \"c\" \"use weapon_ak47\"", "bind \"d\" \"buy vest\""}));
    }
};

} // namespace cssbinder::test

QTEST_MAIN(cssbinder::test::BindButtonsTest)
#include "BindButtonsTest.moc"
