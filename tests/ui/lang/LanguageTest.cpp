#include "MainWindowFixture.h"
#include "ModalScript.h"

#include "core/lang/MainWindowLabels.h"
#include "ui/app/Globals.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

namespace cssbinder::test {
namespace {

using namespace Qt::Literals::StringLiterals;

} // namespace

class LanguageTest : public QObject {
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

    void flagsSwitchEveryCaption_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QStringList>("expected"); // Exit, Save, upper flashbang box, Use color, Advanced
        QTest::newRow("English") << 0
                                 << QStringList{u"Exit"_s, u"Save"_s, u"Flashbang 2"_s, u"Set colour"_s,
                                                u"Advanced parameters"_s};
        QTest::newRow("French") << 1
                                << QStringList{u"Fermer"_s, u"Sauvegarder"_s, u"Grenade aveuglante 2"_s,
                                               u"Appliquer"_s, u"Paramètres avancés"_s};
        QTest::newRow("German") << 2
                                << QStringList{u"Schließen"_s, u"Laden"_s, u"Blengranate 2"_s, u"Speichern"_s,
                                               u"Fortgeschrittene parameters"_s};
        QTest::newRow("Italian") << 3
                                 << QStringList{u"Fine"_s, u"Salva"_s, u"Flashbang 2"_s, u"Applicare"_s,
                                                u"Parametri avanzati"_s};
        QTest::newRow("Spanish") << 4
                                 << QStringList{u"Salir"_s, u"Guardar"_s, u"Bengala 2"_s, u"Aplicar"_s,
                                                u"Parámetros avanzados"_s};
    }
    void flagsSwitchEveryCaption() {
        QFETCH(int, language);
        QFETCH(QStringList, expected);
        ClickFlag(*m_window, language == 1 ? 0 : 1);
        ClickFlag(*m_window, language);

        QCOMPARE(m_window->m_nLanguage, language);
        const QStringList shown{CaptionOf(*m_window, 1), CaptionOf(*m_window, 1027),
                                CaptionOf(*m_window, 1010), CaptionOf(*m_window, 1071),
                                CaptionOf(*m_window, 1022)};
        QCOMPARE(shown, expected);
        for (const ControlCaption& caption : MainWindowCaptions(language, false, false)) {
            QCOMPARE(CaptionOf(*m_window, caption.controlId), QString::fromUtf8(caption.text));
        }
        // Texts that stay the same in every language.
        QCOMPARE(CaptionOf(*m_window, 1017), QStringLiteral("Kevlar"));
        QCOMPARE(m_window->windowTitle(),
                 QStringLiteral("CS:Source Binds/Scripts/Optimization by Zelvar_Brask"));
    }

    // The messages of the bind buttons follow the language too.
    void messagesFollowTheLanguage_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QStringList>("expected"); // say without text, quick without weapon, buy without key
        QTest::newRow("English") << 0
                                 << QStringList{u"Nothing to say"_s, u"Nothing to add"_s, u"Select a key"_s};
        QTest::newRow("French") << 1
                                << QStringList{u"Rien à dire"_s, u"Rien à ajouter"_s,
                                               u"Pas de touche sélectionnée"_s};
        QTest::newRow("German") << 2
                                << QStringList{u"Nichts zu sagen"_s, u"Nichts hinzuzufügen"_s,
                                               u"Keine Taste Auswahlen"_s};
        QTest::newRow("Italian") << 3
                                 << QStringList{u"Niente dire"_s, u"Niente aggiungere"_s,
                                                u"Nessuna tasti selezionata"_s};
        QTest::newRow("Spanish") << 4
                                 << QStringList{u"Nada decir"_s, u"Nada agregar"_s,
                                                u"Ningunos tecla seleccionado"_s};
    }
    void messagesFollowTheLanguage() {
        QFETCH(int, language);
        QFETCH(QStringList, expected);
        ClickFlag(*m_window, language);
        ModalScript script;
        for (int i = 0; i < 3; ++i) {
            script.AnswerMessage();
        }
        Click(m_window->m_btnAddSay);
        Click(m_window->m_btnAddQuick);
        Click(m_window->m_btnAddBuy);
        QTRY_COMPARE(script.Pending(), 0u);
        QCOMPARE(script.Messages(), expected);
    }

    void choosingALanguageLeavesTheDocumentAndTheBoxAlone() {
        g_configEntries.Store("rate", "rate \"6400\"");
        m_window->RefreshPreview();
        QTest::keyClicks(m_window->m_editPreview, QStringLiteral("typed"));
        const QString box = m_window->m_editPreview->toPlainText();
        for (int language = 0; language < 5; ++language) {
            ClickFlag(*m_window, language);
        }
        QCOMPARE(m_window->m_editPreview->toPlainText(), box);
        QCOMPARE(g_configEntries.Render(), std::string("rate \"6400\"\r\n"));
    }

private:
    std::unique_ptr<MainWindowFixture> m_fixture;
    std::unique_ptr<CBinderDlg> m_window;
};

} // namespace cssbinder::test

QTEST_MAIN(cssbinder::test::LanguageTest)
#include "LanguageTest.moc"
