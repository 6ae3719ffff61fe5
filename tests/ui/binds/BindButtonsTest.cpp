#include "MainWindowFixture.h"

#include <QLineEdit>
#include <QPushButton>

#include <tuple>
#include <utility>

namespace cssbinder::test {

using namespace Qt::StringLiterals;

class BindButtonsTest : public QObject {
    Q_OBJECT
    static constexpr int kSmoke = 1012;

private slots:
    // A refused bind leaves the document, the box and the key alone; a bound key is asked about. Each list
    // binds its own key and puts the others back on their titles; each buy control adds its own piece. A
    // bind resets the form but the say text (cut to the chat's 127 bytes), its target and quick weapon.
    void eachControlReachesItsBindAndABoundKeyIsAskedAbout() {
        MainWindowFixture fixture;
        const auto window = fixture.OpenWithGameFolder();
        for (const auto& [button, letter, message] :
             {std::tuple(window->m_btnAddBuy, 3, u"Rien à ajouter"_s),
              std::tuple(window->m_btnBindConsole, 0, u"Pas de touche sélectionnée"_s)}) {
            Pick(window->m_cbLetters, letter);
            window->m_editPreview->setPlainText(u"typed"_s);
            QCOMPARE(Press(button, {QMessageBox::Ok}), QStringList{message});
            QCOMPARE(std::tuple(g_configEntries.IsEmpty(), window->m_editPreview->toPlainText(),
                                window->m_cbLetters->currentIndex()),
                     std::tuple(true, u"typed"_s, letter));
        }
        window->m_editSay->setText(u"hi"_s);
        Pick(window->m_cbLetters, 1);
        QCOMPARE(Press(window->m_btnAddSay), QStringList());
        for (const auto& [answer, line] :
             {std::pair(QMessageBox::Cancel, "bind \"a\" \"say hi\""),
              std::pair(QMessageBox::Ok, "bind \"a\" \"buy p228;buy smokegrenade\"")}) {
            Pick(window->m_cbLetters, 1);
            Pick(window->m_cbSecondary, 3);
            Button(*window, kSmoke)->click();
            window->m_editPreview->appendPlainText(u"typed"_s);
            QCOMPARE(Press(window->m_btnAddBuy, {answer}),
                     QStringList{u"Key already associated. Redefine it ?"_s});
            QCOMPARE(Committed(*window), QString::fromUtf8(line) + u'\n');
            QCOMPARE(window->m_cbLetters->currentIndex() + window->m_cbSecondary->currentIndex(), 0);
            QVERIFY(!Button(*window, kSmoke)->isChecked());
        }
        const std::tuple<QComboBox*, int, const char*, const char*> rows[] = {
            {window->m_cbFunctionKeys, 5, "F5", "f5"},
            {window->m_cbLetters, 26, "Z", "z"},
            {window->m_cbNumbers, 1, "0", "0"},
            {window->m_cbMiscKeys, 8, "ù", "ù"},
            {window->m_cbKeyPad, 10, "Key Pad 0", "kp_ins"},
            {window->m_cbMouseButtons, 7, "Mouse Wheel Down", "mwheeldown"}};
        QComboBox* previous = window->m_cbLetters;
        QString document = u"bind \"a\" \"buy p228;buy smokegrenade\"\n"_s;
        for (const auto& [list, position, shown, key] : rows) {
            Pick(previous, 2);
            Pick(list, position);
            QCOMPARE(std::pair(list->currentText(), previous->currentIndex()),
                     std::pair(QString::fromUtf8(shown), 0));
            QCOMPARE(Press(window->m_btnBindConsole), QStringList());
            document += u"con_enable 1\nbind \"%1\" \"toggleconsole\"\n"_s.arg(QString::fromUtf8(key));
            previous = list;
        }
        // Defuser and helmet are in the last bind.
        const std::pair<int, const char*> pieces[] = {
            {1017, "vest"},           {1002, "hegrenade"}, {1010, "flashbang"}, {1011, "flashbang"},
            {kSmoke, "smokegrenade"}, {1013, "nvgs"},      {1015, "secammo"},   {1016, "primammo"}};
        int number = 1;
        for (const auto& [control, piece] : pieces) {
            Pick(window->m_cbNumbers, number + 1);
            Button(*window, control)->click();
            QCOMPARE(Press(window->m_btnAddBuy), QStringList());
            document += u"bind \"%1\" \"buy %2\"\n"_s.arg(number++).arg(QLatin1String(piece));
        }
        Pick(window->m_cbFunctionKeys, 1);
        Pick(window->m_cbSecondary, 4);
        Pick(window->m_cbPrimary1, 14);
        Pick(window->m_cbPrimary2, 13);
        Pick(window->m_cbQuickWeapon, 5);
        for (const int box : {1014, 1018, 1031}) {
            Button(*window, box)->click();
        }
        QTest::sendKeyEvent(QTest::Click, window->m_editSay, Qt::Key_unknown,
                            QString(100, u'X') + QString(20, u'Ж'), Qt::NoModifier);
        QCOMPARE(Press(window->m_btnAddBuy), QStringList());
        for (const QComboBox* list : window->findChildren<QComboBox*>()) {
            QCOMPARE(list->currentIndex(), list == window->m_cbQuickWeapon ? 5 : 0);
        }
        QVERIFY(!Button(*window, 1014)->isChecked() && Button(*window, 1019)->isChecked());
        Pick(window->m_cbLetters, 7);
        QCOMPARE(Press(window->m_btnAddSay), QStringList());
        Pick(window->m_cbLetters, 8);
        QCOMPARE(Press(window->m_btnAddQuick), QStringList());
        QCOMPARE(Committed(*window),
                 document + u"bind \"f1\" \"buy deagle;buy m4a1;buy ak47;buy defuser;buy vesthelm\"\n"
                            u"bind \"g\" \"say_team %1\"\nbind \"h\" \"use weapon_deagle\"\n"_s.arg(
                                u"hi"_s + QString(100, u'x') + QString(12, u'ж')));
    }
};

} // namespace cssbinder::test

QTEST_MAIN(cssbinder::test::BindButtonsTest)
#include "BindButtonsTest.moc"
