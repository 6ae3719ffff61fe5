#include "BindFormSteps.h"

#include "core/lang/Language.h"

#include <QComboBox>
#include <QTest>

#include <array>

namespace cssbinder::test {
namespace {

constexpr std::array<int, 6> kKeyLists{1004, 1005, 1006, 1007, 1008, 1009};
// Every list of the bind form, in the order of the title tables below.
constexpr std::array<int, 10> kAllLists{1004, 1005, 1008, 1006, 1007, 1009, 1000, 1001, 1003, 1021};

const std::array<QString, 10> kEnglishTitles{QStringLiteral("Letters"),
                                             QStringLiteral("Numbers"),
                                             QStringLiteral("Function Keys"),
                                             QStringLiteral("Misc Keys"),
                                             QStringLiteral("Key Pad Keys"),
                                             QStringLiteral("Mouse Buttons"),
                                             QStringLiteral("Secondary Weapon"),
                                             QStringLiteral("Primary Weapon 1st Choice"),
                                             QStringLiteral("Primary Weapon 2nd Choice"),
                                             QStringLiteral("Choose weapon to use")};
const std::array<QString, 10> kFrenchTitles{QStringLiteral("Lettres"),
                                            QStringLiteral("Nombres"),
                                            QStringLiteral("Touches de fonction"),
                                            QStringLiteral("Touches diverses"),
                                            QStringLiteral("Touches du pavé numérique"),
                                            QStringLiteral("Boutons de la souris"),
                                            QStringLiteral("Arme secondaire"),
                                            QStringLiteral("1er choix pour l'arme primaire"),
                                            QStringLiteral("2ème choix pour l'arme primaire"),
                                            QStringLiteral("Choisir l'arme à utiliser")};

QComboBox* List(const CBinderDlg& window, int controlId) {
    return ControlOf<QComboBox>(window, controlId);
}

} // namespace

class KeyChoiceTest : public QObject {
    Q_OBJECT
private slots:
    void pickInAnotherListMovesTheKey() {
        OpenWindow window;
        Pick(window->m_cbLetters, 2);
        Pick(window->m_cbFunctionKeys, 5);

        QCOMPARE(window->m_cbLetters->currentText(), QStringLiteral("Lettres"));
        QCOMPARE(window->m_cbFunctionKeys->currentText(), QStringLiteral("F5"));
        QCOMPARE(Press(window->m_btnBindConsole), QStringList());
        QCOMPARE(g_configEntries.GetCount(), 1u);
        QCOMPARE(EntryOf("F5"), QStringLiteral("con_enable 1\r\nbind \"f5\" \"toggleconsole\""));
    }

    // Each list must answer with its own key: a list wired to another list's number would bind the
    // other list's title or item instead.
    void everyListBindsItsOwnKey_data() {
        QTest::addColumn<int>("earlierList");
        QTest::addColumn<int>("list");
        QTest::addColumn<int>("position");
        QTest::addColumn<QByteArray>("entryKey");
        QTest::addColumn<QString>("keyInLine");
        QTest::newRow("letters") << 1009 << 1004 << 26 << QByteArray("Z") << QStringLiteral("z");
        QTest::newRow("numbers") << 1004 << 1005 << 1 << QByteArray("0") << QStringLiteral("0");
        QTest::newRow("misc keys") << 1005 << 1006 << 8 << QByteArray("ù") << QStringLiteral("ù");
        QTest::newRow("key pad") << 1006 << 1007 << 10 << QByteArray("kp_ins") << QStringLiteral("kp_ins");
        QTest::newRow("function keys") << 1007 << 1008 << 12 << QByteArray("F12") << QStringLiteral("f12");
        QTest::newRow("mouse") << 1008 << 1009 << 7 << QByteArray("mwheeldown")
                               << QStringLiteral("mwheeldown");
    }
    void everyListBindsItsOwnKey() {
        QFETCH(int, earlierList);
        QFETCH(int, list);
        QFETCH(int, position);
        QFETCH(QByteArray, entryKey);
        QFETCH(QString, keyInLine);
        OpenWindow window;
        Pick(List(*window, earlierList), 1);
        Pick(List(*window, list), position);

        for (const int other : kKeyLists) {
            QCOMPARE(List(*window, other)->currentIndex(), other == list ? position : 0);
        }
        QCOMPARE(Press(window->m_btnBindConsole), QStringList());
        QCOMPARE(g_configEntries.GetCount(), 1u);
        QCOMPARE(EntryOf(entryKey.constData()),
                 QStringLiteral("con_enable 1\r\nbind \"%1\" \"toggleconsole\"").arg(keyInLine));
    }

    void titlePickedByTheUserIsNoKey() {
        OpenWindow window;
        Pick(window->m_cbLetters, 3);
        Pick(window->m_cbNumbers, 0);

        QCOMPARE(window->m_cbLetters->currentIndex(), 0);
        QCOMPARE(Press(window->m_btnBindConsole, {QMessageBox::Ok}), QStringList{kSelectKeyFr});
        QVERIFY(g_configEntries.IsEmpty());
        QCOMPARE(Preview(*window), QString());
    }

    // Only English and French refill the lists; the other languages leave the titles of the last
    // refill, and no refill may add to what a list already holds.
    void listTitlesFollowEnglishAndFrenchOnly_data() {
        QTest::addColumn<QList<int>>("flags");
        QTest::addColumn<bool>("frenchTitles");
        QTest::newRow("German after French") << QList<int>{German} << true;
        QTest::newRow("Italian after French") << QList<int>{Italian} << true;
        QTest::newRow("Spanish after French") << QList<int>{Spanish} << true;
        QTest::newRow("English") << QList<int>{English} << false;
        QTest::newRow("German after English") << QList<int>{English, German} << false;
        QTest::newRow("Spanish after English") << QList<int>{English, Spanish} << false;
        QTest::newRow("French after English and German") << QList<int>{English, German, French} << true;
    }
    void listTitlesFollowEnglishAndFrenchOnly() {
        QFETCH(QList<int>, flags);
        QFETCH(bool, frenchTitles);
        OpenWindow window;
        std::array<int, kAllLists.size()> countsAtStart{};
        for (std::size_t i = 0; i < kAllLists.size(); ++i) {
            countsAtStart[i] = List(*window, kAllLists[i])->count();
        }
        for (const int flag : flags) {
            ClickFlag(*window, flag);
        }

        const auto& titles = frenchTitles ? kFrenchTitles : kEnglishTitles;
        for (std::size_t i = 0; i < kAllLists.size(); ++i) {
            const QComboBox* list = List(*window, kAllLists[i]);
            QCOMPARE(list->itemText(0), titles[i]);
            QCOMPARE(list->currentIndex(), 0);
            QCOMPARE(list->count(), countsAtStart[i]);
        }
    }

    // English and French put every list back on its title, so the key chosen before is gone; the
    // other languages keep the choices and the bind uses them. The document and the preview box are
    // not touched by a language either way.
    void languageKeepsOrDropsTheChoices_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<bool>("keepsChoices");
        QTest::addColumn<QString>("selectKey");
        QTest::newRow("English") << int{English} << false << QStringLiteral("Select a key");
        QTest::newRow("French") << int{French} << false << kSelectKeyFr;
        QTest::newRow("German") << int{German} << true << QStringLiteral("Keine Taste Auswahlen");
        QTest::newRow("Italian") << int{Italian} << true << QStringLiteral("Nessuna tasti selezionata");
        QTest::newRow("Spanish") << int{Spanish} << true << QStringLiteral("Ningunos tecla seleccionado");
    }
    void languageKeepsOrDropsTheChoices() {
        QFETCH(int, language);
        QFETCH(bool, keepsChoices);
        QFETCH(QString, selectKey);
        OpenWindow window;
        Pick(window->m_cbLetters, 1);
        QCOMPARE(Press(window->m_btnBindConsole), QStringList());
        const QString preview = Preview(*window);

        struct Choice {
            QComboBox* list;
            int position;
        };
        const std::array<Choice, 4> choices{{{window->m_cbLetters, 11},
                                             {window->m_cbSecondary, 2},
                                             {window->m_cbPrimary1, 20},
                                             {window->m_cbQuickWeapon, 27}}};
        for (const Choice& choice : choices) {
            Pick(choice.list, choice.position);
        }
        ClickFlag(*window, language);

        QCOMPARE(Preview(*window), preview);
        QCOMPARE(g_configEntries.GetCount(), 1u);
        for (const Choice& choice : choices) {
            QCOMPARE(choice.list->currentIndex(), keepsChoices ? choice.position : 0);
        }
        if (keepsChoices) {
            QCOMPARE(Press(window->m_btnAddBuy), QStringList());
            QCOMPARE(EntryOf("K"), QStringLiteral("bind \"k\" \"buy usp;buy awp\""));
        }
        // Without a key now, in both cases: the message comes in the new language.
        QCOMPARE(Press(window->m_btnAddBuy, {QMessageBox::Ok}), QStringList{selectKey});
        QCOMPARE(g_configEntries.GetCount(), keepsChoices ? 2u : 1u);
    }
};

} // namespace cssbinder::test

QTEST_MAIN(cssbinder::test::KeyChoiceTest)
#include "KeyChoiceTest.moc"
