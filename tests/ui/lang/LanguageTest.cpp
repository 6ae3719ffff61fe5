#include "MainWindowFixture.h"

#include "core/lang/MainWindowLabels.h"
#include "ui/app/Globals.h"
#include "ui/app/QtText.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

namespace cssbinder::test {

// The texts themselves are proven in the core tests; these prove that a flag brings them all to the
// window, after any other language.
class LanguageTest : public QObject {
    Q_OBJECT
private slots:
    void flagsSwitchEveryCaptionAndMessage() {
        MainWindowFixture fixture;
        const auto window = fixture.OpenWithGameFolder();
        for (const int language : {German, English, Italian, French, Spanish}) {
            ClickFlag(*window, language);
            QCOMPARE(window->m_nLanguage, language);
            for (const ControlCaption& caption : MainWindowCaptions(language, false, false)) {
                QCOMPARE(CaptionOf(*window, caption.controlId), ToQString(caption.text));
            }
            QStringList expected;
            for (const Message message :
                 {Message::NothingToSay, Message::NothingToAdd, Message::SelectKey, Message::NothingToSave}) {
                expected.append(ToQString(MessageText(message, language)));
            }
            QStringList shown;
            for (QPushButton* button :
                 {window->m_btnAddSay, window->m_btnAddQuick, window->m_btnAddBuy, window->m_btnSave}) {
                shown += Press(button, {QMessageBox::Ok});
            }
            QCOMPARE(shown, expected);
        }
    }

    void choosingALanguageLeavesTheDocumentAndTheBoxAlone() {
        MainWindowFixture fixture;
        const auto window = fixture.OpenWithGameFolder();
        g_configEntries.Store("rate", "rate \"6400\"");
        window->RefreshPreview();
        QTest::keyClicks(window->m_editPreview, QStringLiteral("typed"));
        const QString box = window->m_editPreview->toPlainText();
        for (int language = English; language <= Spanish; ++language) {
            ClickFlag(*window, language);
        }
        QCOMPARE(window->m_editPreview->toPlainText(), box);
        QCOMPARE(g_configEntries.Render(), std::string("rate \"6400\"\r\n"));
    }
};

} // namespace cssbinder::test

QTEST_MAIN(cssbinder::test::LanguageTest)
#include "LanguageTest.moc"
