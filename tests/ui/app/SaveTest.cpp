#include "MainWindowFixture.h"
#include "ModalScript.h"
#include "TestFiles.h"

#include "ui/app/Globals.h"

#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <string>

namespace cssbinder::test {

class SaveTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        m_fixture = std::make_unique<MainWindowFixture>();
        m_window = m_fixture->OpenWithGameFolder();
        m_target = QDir(m_fixture->ConfigFolder()).filePath(QStringLiteral("autoexec.cfg"));
    }
    void cleanup() {
        m_window.reset();
        m_fixture.reset();
    }

    void emptyBoxSaysNothingToSaveInTheCurrentLanguage_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("message");
        QTest::newRow("start-up French") << -1 << QStringLiteral("rien à sauvegarder");
        QTest::newRow("English") << 0 << QStringLiteral("Nothing to save");
        QTest::newRow("Spanish") << 4 << QStringLiteral("Nada guardar");
    }
    void emptyBoxSaysNothingToSaveInTheCurrentLanguage() {
        QFETCH(int, language);
        QFETCH(QString, message);
        if (language >= 0) {
            ClickFlag(*m_window, language);
        }
        ModalScript script;
        script.AnswerMessage();
        Click(m_window->m_btnSave);
        QTRY_COMPARE(script.Pending(), 0u);
        QCOMPARE(script.Messages(), QStringList{message});
        QVERIFY(script.DialogFolders().isEmpty());
        QVERIFY(!QFile::exists(m_target));
    }

    void documentIsSavedInTheGameConfigFolderWithOneCrLfPerLine() {
        g_configEntries.Store("F1", "bind \"f1\" \"say héllo\"");
        g_configEntries.Store("con", "con_enable 1\r\nbind \"escape\" \"toggleconsole\"");
        m_window->RefreshPreview();
        ModalScript script;
        script.ChooseFile(m_target);
        Click(m_window->m_btnSave);
        QTRY_COMPARE(script.Pending(), 0u);

        QCOMPARE(script.DialogFolders(), QStringList{m_fixture->ConfigFolder()});
        QCOMPARE(ReadFile(m_target), QByteArray("bind \"f1\" \"say h\xE9llo\"\r\n"
                                                "con_enable 1\r\nbind \"escape\" \"toggleconsole\"\r\n"));
        QVERIFY(script.Messages().isEmpty());
        QCOMPARE(g_configEntries.GetCount(), 2u);
    }

    void textTypedIntoTheBoxIsSavedAndReplacesTheOldFile() {
        QVERIFY(WriteFile(m_target, "old content that must go\r\n"));
        QTest::keyClicks(m_window->m_editPreview, QStringLiteral("cl_radar \"1\""));
        QTest::keyClick(m_window->m_editPreview, Qt::Key_Return);
        m_window->m_editPreview->insertPlainText(QStringLiteral("ù"));
        ModalScript script;
        script.ChooseFile(m_target);
        Click(m_window->m_btnSave);
        QTRY_COMPARE(script.Pending(), 0u);

        QCOMPARE(ReadFile(m_target), QByteArray("cl_radar \"1\"\r\n\xF9"));
        QVERIFY(script.Messages().isEmpty());
    }

    void cancelledDialogWritesNothing() {
        QVERIFY(WriteFile(m_target, "kept"));
        g_configEntries.Store("rate", "rate \"6400\"");
        m_window->RefreshPreview();
        ModalScript script;
        script.CancelFileDialog();
        Click(m_window->m_btnSave);
        QTRY_COMPARE(script.Pending(), 0u);
        QTest::qWait(20);
        QCOMPARE(ReadFile(m_target), QByteArray("kept"));
        QVERIFY(script.Messages().isEmpty());
    }

    // A failed write is reported with the path and the reason. Here the folder disappears between
    // the choice of the file and the write.
    void failedWriteIsReportedInTheCurrentLanguage() {
        g_configEntries.Store("rate", "rate \"6400\"");
        m_window->RefreshPreview();
        for (const int language : {1, 0}) {
            ClickFlag(*m_window, language);
            QDir().mkpath(m_fixture->ConfigFolder());
            ModalScript script;
            script.ChooseFile(m_target);
            script.AnswerMessage();
            QTimer::singleShot(0, this, [this] {
                auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
                QVERIFY(dialog != nullptr);
                connect(dialog, &QDialog::accepted, this,
                        [this] { QDir(m_fixture->ConfigFolder()).removeRecursively(); });
            });
            Click(m_window->m_btnSave);
            QTRY_COMPARE(script.Pending(), 0u);
            QCOMPARE(script.Messages().size(), 1);
            const QString path = QDir::toNativeSeparators(m_target);
            const QString prefix = language == 1 ? QStringLiteral("Impossible d'écrire %1 : ").arg(path)
                                                 : QStringLiteral("Cannot write %1: ").arg(path);
            QVERIFY2(script.Messages().constFirst().startsWith(prefix),
                     qPrintable(script.Messages().constFirst()));
            QVERIFY(script.Messages().constFirst().size() > prefix.size());
            QVERIFY(!QFile::exists(m_target));
        }
    }

    // Saving over a hand-written file keeps it as autoexec.cfg.bak; saving again in the same run
    // replaces only what this run wrote, so the hand-written backup survives.
    void saveKeepsTheReplacedFileAsBackup() {
        QVERIFY(WriteFile(m_target, "// mine\r\n"));
        const QString backup = m_target + QStringLiteral(".bak");
        SaveEntry("rate \"6400\"");
        QCOMPARE(ReadFile(m_target), QByteArray("rate \"6400\"\r\n"));
        QCOMPARE(ReadFile(backup), QByteArray("// mine\r\n"));

        SaveEntry("rate \"25000\"");
        QCOMPARE(ReadFile(m_target), QByteArray("rate \"25000\"\r\n"));
        QCOMPARE(ReadFile(backup), QByteArray("// mine\r\n"));
    }

    // The backup cannot be written over a folder of its name: the file stays and the message says why.
    void failedBackupLeavesTheFileAndSaysWhy() {
        QVERIFY(WriteFile(m_target, "// mine\r\n"));
        QVERIFY(QDir(m_fixture->ConfigFolder()).mkdir(QStringLiteral("autoexec.cfg.bak")));
        const QStringList messages = SaveEntry("rate \"6400\"", true);

        QCOMPARE(ReadFile(m_target), QByteArray("// mine\r\n"));
        QCOMPARE(messages.size(), 1);
        const QString prefix = QStringLiteral("Impossible d'écrire %1 : ")
                                   .arg(QDir::toNativeSeparators(m_target + QStringLiteral(".bak")));
        QVERIFY2(messages.constFirst().startsWith(prefix) && messages.constFirst().size() > prefix.size(),
                 qPrintable(messages.constFirst()));
    }

private:
    // Saves a document of one entry to the target file; returns the messages shown.
    QStringList SaveEntry(const std::string& line, bool expectMessage = false) {
        g_configEntries.Store(line, line);
        m_window->RefreshPreview();
        g_configEntries = ConfigDocument();
        ModalScript script;
        script.ChooseFile(m_target);
        if (expectMessage) {
            script.AnswerMessage();
        }
        Click(m_window->m_btnSave);
        [&] {
            QTRY_COMPARE(script.Pending(), 0u);
        }();
        return script.Messages();
    }

    std::unique_ptr<MainWindowFixture> m_fixture;
    std::unique_ptr<CBinderDlg> m_window;
    QString m_target;
};

} // namespace cssbinder::test

QTEST_MAIN(cssbinder::test::SaveTest)
#include "SaveTest.moc"
