#include "MainWindowFixture.h"
#include "ModalScript.h"

#include "core/binds/KeyCatalogue.h"
#include "core/binds/WeaponLists.h"
#include "core/lang/Language.h"
#include "ui/app/Globals.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <initializer_list>
#include <memory>
#include <string>
#include <tuple>
#include <utility>

namespace cssbinder::test {
namespace {

// The messages of the bind form in French, the language the window starts in.
const QString kSelectKey = QStringLiteral("Pas de touche sélectionnée");
const QString kNothingToAdd = QStringLiteral("Rien à ajouter");
const QString kNothingToSay = QStringLiteral("Rien à dire");
const QString kRedefine = QStringLiteral("Key already associated. Redefine it ?");
constexpr int kAddBuy = 1020, kAddSay = 1032, kAddQuick = 1033, kBindConsole = 1034;
constexpr int kKevlar = 1017, kHelmetAndKevlar = 1018, kNoArmor = 1019, kSmoke = 1012, kToTeam = 1031;
constexpr int kBuyBoxes[] = {1002, 1010, 1011, 1012, 1013, 1014, 1015, 1016};

// The main window on a profile that already knows the game folder, so no question comes first.
struct OpenWindow {
    MainWindowFixture fixture;
    std::unique_ptr<CBinderDlg> window;

    OpenWindow() { window = fixture.OpenWithGameFolder(); }
    CBinderDlg* operator->() const { return window.get(); }
    QPushButton* Button(int id) const { return ControlOf<QPushButton>(*window, id); }
    QAbstractButton* Box(int id) const { return ControlOf<QAbstractButton>(*window, id); }
    QString Preview() const { return window->m_editPreview->toPlainText(); }
};

// Presses a button and gives the answers, in turn, to the message boxes it opens; returns the text of
// every box shown, so that a missing or extra message fails the comparison.
QStringList Press(QPushButton* button, std::initializer_list<QMessageBox::StandardButton> answers = {}) {
    ModalScript script;
    for (const QMessageBox::StandardButton answer : answers) {
        script.Then([answer](QWidget& window) {
            auto* box = qobject_cast<QMessageBox*>(&window);
            QAbstractButton* choice = box ? box->button(answer) : nullptr;
            if (choice == nullptr) {
                window.close();
            }
            QVERIFY2(choice != nullptr, "the box does not offer the answer");
            choice->click();
        });
    }
    Click(button);
    return script.Messages();
}

// The line stored under an entry key, or a null text when the key has none.
QString EntryOf(const std::string& key) {
    const std::string* line = g_configEntries.Find(key);
    return line ? QString::fromStdString(*line) : QString();
}

// The console bind of a catalogue key, which the line carries in small letters.
QString ConsoleLine(const char* key) {
    return QStringLiteral("con_enable 1\r\nbind \"%1\" \"toggleconsole\"")
        .arg(QString::fromUtf8(key).toLower());
}

} // namespace

class BindButtonsTest : public QObject {
    Q_OBJECT
private slots:
    // Each list answers with its own key, and a pick in one list puts the others back on their titles
    // (B, then F5, binds F5); a title picked by the user is no key.
    void keyListsBindTheirOwnKeys() {
        OpenWindow window;
        const std::tuple<QComboBox*, int, const char*> rows[] = {
            {window->m_cbFunctionKeys, 5, "F5"}, {window->m_cbLetters, 26, "Z"},
            {window->m_cbNumbers, 1, "0"},       {window->m_cbMiscKeys, 8, "ù"},
            {window->m_cbKeyPad, 10, "kp_ins"},  {window->m_cbMouseButtons, 7, "mwheeldown"},
        };
        QComboBox* previous = window->m_cbLetters;
        for (const auto& [list, position, key] : rows) {
            Pick(previous, 2);
            Pick(list, position);
            QCOMPARE(previous->currentIndex(), 0);
            QCOMPARE(Press(window->m_btnBindConsole), QStringList());
            QCOMPARE(EntryOf(key), ConsoleLine(key));
            previous = list;
        }
        QCOMPARE(g_configEntries.GetCount(), 6u);
        Pick(previous, 2);
        Pick(window->m_cbNumbers, 0);
        QCOMPARE(previous->currentIndex(), 0);
        QCOMPARE(Press(window->m_btnBindConsole, {QMessageBox::Ok}), QStringList{kSelectKey});
    }

    // Say and quick check their own input before the key, buy the key before its pieces; whatever stops
    // a bind leaves the document, the preview box and the form as they were.
    void refusalShowsOneMessageAndKeepsTheForm_data() {
        QTest::addColumn<int>("button");
        QTest::addColumn<int>("letter");
        QTest::addColumn<QString>("sayText");
        QTest::addColumn<int>("quickWeapon");
        QTest::addColumn<QString>("message");
        const QString hi = QStringLiteral("hi");
        QTest::newRow("say: no text, no key") << kAddSay << 0 << QString() << 27 << kNothingToSay;
        QTest::newRow("say: text, no key") << kAddSay << 0 << hi << 0 << kSelectKey;
        QTest::newRow("quick: title, no key") << kAddQuick << 0 << hi << 0 << kNothingToAdd;
        QTest::newRow("quick: weapon, no key") << kAddQuick << 0 << QString() << 27 << kSelectKey;
        QTest::newRow("buy: nothing, no key") << kAddBuy << 0 << QString() << 0 << kSelectKey;
        QTest::newRow("buy: a key, nothing") << kAddBuy << 3 << hi << 27 << kNothingToAdd;
        QTest::newRow("console: no key") << kBindConsole << 0 << hi << 27 << kSelectKey;
    }
    void refusalShowsOneMessageAndKeepsTheForm() {
        QFETCH(int, button);
        QFETCH(int, letter);
        QFETCH(QString, sayText);
        QFETCH(int, quickWeapon);
        QFETCH(QString, message);
        OpenWindow window;
        Pick(window->m_cbLetters, letter);
        window->m_editSay->setText(sayText);
        Pick(window->m_cbQuickWeapon, quickWeapon);
        window->m_editPreview->setPlainText(QStringLiteral("typed"));

        QCOMPARE(Press(window.Button(button), {QMessageBox::Ok}), QStringList{message});
        QVERIFY(g_configEntries.IsEmpty());
        QCOMPARE(window.Preview(), QStringLiteral("typed"));
        QCOMPARE(window->m_cbLetters->currentIndex(), letter);
        QCOMPARE(window->m_editSay->text(), sayText);
        QCOMPARE(window->m_cbQuickWeapon->currentIndex(), quickWeapon);
    }

    // Every control of the buy part reaches the command through its own piece. A bind then puts the key,
    // weapon and buy choices back, but keeps the say text, its target and the quick weapon.
    void buyBindReadsEachControlThenResetsTheForm() {
        OpenWindow window;
        const std::pair<int, const char*> pieces[] = {
            {kKevlar, "vest"},      {kHelmetAndKevlar, "vesthelm"},
            {1014, "defuser"},      {1002, "hegrenade"},
            {1010, "flashbang"},    {1011, "flashbang"},
            {1012, "smokegrenade"}, {1013, "nvgs"},
            {1015, "secammo"},      {1016, "primammo"},
        };
        int number = 0;
        for (const auto& [control, piece] : pieces) {
            Pick(window->m_cbNumbers, number + 1);
            window.Box(control)->click();
            QCOMPARE(Press(window->m_btnAddBuy), QStringList());
            const std::string key = std::to_string(number++);
            QCOMPARE(EntryOf(key), QStringLiteral("bind \"%1\" \"buy %2\"")
                                       .arg(QString::fromStdString(key), QLatin1String(piece)));
        }

        Pick(window->m_cbFunctionKeys, 1);
        Pick(window->m_cbSecondary, 4);
        Pick(window->m_cbPrimary1, 14);
        Pick(window->m_cbPrimary2, 13);
        for (const int box : {1014, 1002, 1010, 1011, 1016, kHelmetAndKevlar, kToTeam}) {
            window.Box(box)->click();
        }
        window->m_editSay->setText(QStringLiteral("GG"));
        Pick(window->m_cbQuickWeapon, 5);
        QCOMPARE(Press(window->m_btnAddBuy), QStringList());
        QCOMPARE(EntryOf("F1"),
                 QStringLiteral("bind \"f1\" \"buy deagle;buy m4a1;buy ak47;buy defuser;buy "
                                "vesthelm;buy hegrenade;buy flashbang;buy flashbang;buy primammo\""));
        for (const QComboBox* list : {window->m_cbLetters, window->m_cbNumbers, window->m_cbFunctionKeys,
                                      window->m_cbMiscKeys, window->m_cbKeyPad, window->m_cbMouseButtons,
                                      window->m_cbSecondary, window->m_cbPrimary1, window->m_cbPrimary2}) {
            QCOMPARE(list->currentIndex(), 0);
        }
        for (const int box : kBuyBoxes) {
            QVERIFY2(!window.Box(box)->isChecked(), qPrintable(QString::number(box)));
        }
        QVERIFY(window.Box(kNoArmor)->isChecked());
        Pick(window->m_cbLetters, 7);
        QCOMPARE(Press(window->m_btnAddSay), QStringList());
        QCOMPARE(EntryOf("G"), QStringLiteral("bind \"g\" \"say_team gg\""));
        Pick(window->m_cbLetters, 8);
        QCOMPARE(Press(window->m_btnAddQuick), QStringList());
        QCOMPARE(EntryOf("H"), QStringLiteral("bind \"h\" \"use weapon_deagle\""));
    }

    // A key with an entry is asked about, whatever bind it holds and even for the same line; either answer
    // renders the box again and resets the form.
    void boundKeyAsksBeforeRedefining() {
        const std::tuple<int, QMessageBox::StandardButton, const char*> rows[] = {
            {kAddBuy, QMessageBox::Ok, "bind \"a\" \"buy p228;buy smokegrenade\""},
            {kAddBuy, QMessageBox::Cancel, "bind \"a\" \"say hi\""},
            {kAddSay, QMessageBox::Ok, "bind \"a\" \"say hi\""}};
        for (const auto& [button, answer, line] : rows) {
            OpenWindow window;
            window->m_editSay->setText(QStringLiteral("hi"));
            Pick(window->m_cbLetters, 1);
            QCOMPARE(Press(window->m_btnAddSay), QStringList());
            Pick(window->m_cbLetters, 1);
            Pick(window->m_cbSecondary, 3);
            window.Box(kSmoke)->click();
            window->m_editPreview->appendPlainText(QStringLiteral("typed"));

            QCOMPARE(Press(window.Button(button), {answer}), QStringList{kRedefine});
            QCOMPARE(g_configEntries.GetCount(), 1u);
            QCOMPARE(EntryOf("A"), QString::fromUtf8(line));
            QCOMPARE(window.Preview(), QString::fromUtf8(line) + QLatin1Char('\n'));
            QCOMPARE(window->m_cbLetters->currentIndex(), 0);
            QCOMPARE(window->m_cbSecondary->currentIndex(), 0);
            QVERIFY(!window.Box(kSmoke)->isChecked());
            QCOMPARE(window->m_editSay->text(), QStringLiteral("hi"));
        }
    }

    // English and French refill every list with its title in that language and drop the choices; German
    // keeps the titles of the last refill and the choices, which a bind then uses.
    void languageRefillsOrKeepsTheLists_data() {
        QTest::addColumn<int>("before");
        QTest::addColumn<int>("language");
        QTest::addColumn<bool>("frenchTitles");
        QTest::newRow("English") << -1 << int{English} << false;
        QTest::newRow("French after English") << int{English} << int{French} << true;
        QTest::newRow("German after French") << -1 << int{German} << true;
        QTest::newRow("German after English") << int{English} << int{German} << false;
    }
    void languageRefillsOrKeepsTheLists() {
        QFETCH(int, before);
        QFETCH(int, language);
        QFETCH(bool, frenchTitles);
        OpenWindow window;
        if (before >= 0) {
            ClickFlag(*window.window, before);
        }
        Pick(window->m_cbLetters, 11);
        Pick(window->m_cbSecondary, 2);
        Pick(window->m_cbPrimary1, 20);
        Pick(window->m_cbQuickWeapon, 27);
        ClickFlag(*window.window, language);

        const std::pair<const QComboBox*, const ComboList*> lists[] = {
            {window->m_cbLetters, &KeyComboList(LettersCombo)},
            {window->m_cbNumbers, &KeyComboList(NumbersCombo)},
            {window->m_cbFunctionKeys, &KeyComboList(FunctionKeysCombo)},
            {window->m_cbMiscKeys, &KeyComboList(MiscKeysCombo)},
            {window->m_cbKeyPad, &KeyComboList(KeyPadCombo)},
            {window->m_cbMouseButtons, &KeyComboList(MouseButtonsCombo)},
            {window->m_cbSecondary, &SecondaryWeaponList()},
            {window->m_cbPrimary1, &PrimaryWeaponList1()},
            {window->m_cbPrimary2, &PrimaryWeaponList2()},
            {window->m_cbQuickWeapon, &QuickWeaponList()}};
        for (const auto& [list, items] : lists) {
            const std::string_view title = items->Title(frenchTitles);
            QCOMPARE(list->itemText(0), QString::fromUtf8(title.data(), qsizetype(title.size())));
            QCOMPARE(list->count(), qsizetype(items->items.size()) + 1);
        }
        const bool keeps = language == German;
        QCOMPARE(window->m_cbQuickWeapon->currentIndex(), keeps ? 27 : 0);
        QCOMPARE(window->m_cbLetters->currentIndex(), keeps ? 11 : 0);
        if (keeps) {
            QCOMPARE(Press(window->m_btnAddBuy), QStringList());
            QCOMPARE(EntryOf("K"), QStringLiteral("bind \"k\" \"buy usp;buy awp\""));
        } else {
            QCOMPARE(window->m_cbSecondary->currentIndex(), 0);
            QCOMPARE(window->m_cbPrimary1->currentIndex(), 0);
        }
    }

    void sayFieldTakesAtMost255Characters() {
        OpenWindow window;
        QTest::keyClicks(window->m_editSay, QString(260, QLatin1Char('x')));
        Pick(window->m_cbLetters, 17);
        QCOMPARE(Press(window->m_btnAddSay), QStringList());
        QCOMPARE(EntryOf("Q"), QStringLiteral("bind \"q\" \"say %1\"").arg(QString(255, QLatin1Char('x'))));
    }

    // The box shows the whole document after every bind, a console bind as its two lines.
    void previewShowsTheDocument() {
        OpenWindow window;
        window->m_editSay->setText(QStringLiteral("One"));
        Pick(window->m_cbLetters, 2);
        QCOMPARE(Press(window->m_btnAddSay), QStringList());
        Pick(window->m_cbLetters, 1);
        QCOMPARE(Press(window->m_btnBindConsole), QStringList());
        QCOMPARE(window.Preview(),
                 QStringLiteral("bind \"b\" \"say one\"\ncon_enable 1\nbind \"a\" \"toggleconsole\"\n"));
    }
};

} // namespace cssbinder::test

QTEST_MAIN(cssbinder::test::BindButtonsTest)
#include "BindButtonsTest.moc"
