#include "MainWindowFixture.h"
#include "ModalScript.h"
#include "TestFiles.h"

#include "ui/advanced/CAdvancedDlg.h"
#include "ui/app/Globals.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QTest>
#include <QTimer>

#include <sys/stat.h>

#include <memory>

namespace cssbinder::test {
namespace {

using namespace Qt::Literals::StringLiterals;

constexpr int kChangeMenuBackground = 1092;

// A kit that copies the picture as both textures, notes the folder it ran in, and stands for the
// converter's failures when the picture says so.
constexpr char kFakeConvert[] = R"(pwd > ran-in.txt
picture=hl2/materialsrc/animated/spray001.tga
case $(cat $picture) in
  FAIL*) echo "truncated pixel data" >&2; exit 1 ;;
  NOTHING*) exit 0 ;;
esac
sleep 0.2
cp $picture hl2/materials/animated/spray.vtf
{ echo wide; cat $picture; } > hl2/materials/animated/spray_widescreen.vtf
)";

} // namespace

class MenuBackgroundTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        m_fixture = std::make_unique<MainWindowFixture>();
        // No per-user copy of an installed kit stands in for the one beside the program.
        qputenv("XDG_DATA_HOME", QFile::encodeName(m_fixture->GameFolder() + u"/../data"_s));
        m_window = m_fixture->OpenWithGameFolder();
        m_dialog = std::make_unique<CAdvancedDlg>(m_window.get());
        m_dialog->show();
        QDir(m_kit).removeRecursively();
        QVERIFY(WriteFile(Kit(u"convert.sh"_s), kFakeConvert));
        QVERIFY(QDir(m_kit).mkpath(u"hl2/materialsrc/animated"_s));
        QVERIFY(QDir(m_kit).mkpath(u"hl2/materials/animated"_s));
    }
    void cleanup() {
        m_dialog.reset();
        m_window.reset();
        m_fixture.reset();
        QDir(m_kit).removeRecursively();
    }

    // TGA files first, all files second; only an existing file can be chosen, and a cancelled dialog
    // touches nothing.
    void fileDialogAsksForAnExistingPictureAndCancelTouchesNothing() {
        ModalScript script;
        script.Then([](QWidget& window) {
            window.close();
            auto* dialog = qobject_cast<QFileDialog*>(&window);
            QVERIFY(dialog != nullptr);
            QCOMPARE(dialog->nameFilters(), (QStringList{u"TGA files (*.tga)"_s, u"All Files (*.*)"_s}));
            QCOMPARE(dialog->fileMode(), QFileDialog::ExistingFile);
        });
        Click(ControlOf<QWidget>(*m_dialog, kChangeMenuBackground));
        QVERIFY(script.Unexpected().isEmpty());
        QCOMPARE(QDir(m_kit).entryList(QDir::Files), QStringList{u"convert.sh"_s});
        QVERIFY(!QFileInfo::exists(Kit(u"hl2/materialsrc/animated/spray001.tga"_s)));
        QVERIFY(!QFileInfo::exists(Console()));
    }

    // The picture is copied into the kit, the kit runs in its folder with the busy cursor up and the
    // dialog still painting, and both textures are installed in the custom folder, the only place the
    // game takes them from; a second run replaces them. A background at the old place stays as it was.
    void bothTexturesAreInstalledAndASecondRunReplacesThem() {
        const QString old = m_fixture->GameFolder() + u"/cstrike/materials/console/background01.vtf"_s;
        QVERIFY(WriteFile(old, "OLD"));
        QList<Qt::CursorShape> cursors;
        QTimer sampler;
        connect(&sampler, &QTimer::timeout, this, [&cursors] {
            cursors.append(QApplication::overrideCursor() ? QApplication::overrideCursor()->shape()
                                                          : Qt::ArrowCursor);
        });
        sampler.start(20);
        for (const QByteArray picture : {"PICTURE-1", "PICTURE-2"}) {
            QCOMPARE(Change(QString::fromLatin1(picture)), QStringList());
            QVERIFY(cursors.contains(Qt::WaitCursor));
            QCOMPARE(QApplication::overrideCursor(), nullptr);
            QCOMPARE(ReadFile(Kit(u"hl2/materialsrc/animated/spray001.tga"_s)), picture);
            QCOMPARE(ReadFile(Kit(u"ran-in.txt"_s)).trimmed(), QFileInfo(m_kit).canonicalFilePath().toUtf8());
            QCOMPARE(ReadFile(Console(u"background01.vtf"_s)), picture);
            QCOMPARE(ReadFile(Console(u"background01_widescreen.vtf"_s)), "wide\n" + picture);
        }
        QCOMPARE(QDir(Console()).entryList(QDir::Files),
                 (QStringList{u"background01.vtf"_s, u"background01_widescreen.vtf"_s}));
        QCOMPARE(QFileInfo(old).dir().entryList(QDir::Files), QStringList{u"background01.vtf"_s});
        QCOMPARE(ReadFile(old), "OLD");
    }

    // Each failure is said, naming the file and the reason, and the installed background stays.
    void failuresAreSaidAndKeepTheOldBackground_data() {
        QTest::addColumn<QString>("picture");
        QTest::addColumn<QString>("expected"); // %1 the picture, %2 the kit folder, %3 the game folder
        QTest::newRow("conversion fails")
            << u"FAIL"_s << u"Impossible de convertir %1 : truncated pixel data"_s;
        QTest::newRow("a pipe as the picture")
            << u"<pipe>"_s << u"Impossible de convertir %1 : not a regular file (a device or a pipe)"_s;
        // A texture left by an earlier run is never installed.
        QTest::newRow("no texture made")
            << u"NOTHING"_s << u"Le kit de conversion n'a pas créé %2/hl2/materials/animated/spray.vtf."_s;
        QTest::newRow("kit missing") << u"no kit"_s
                                     << u"Le kit de conversion est introuvable : %2/convert.sh"_s;
        QTest::newRow("no cstrike folder")
            << u"no cstrike"_s << u"Le dossier du jeu %3 n'a pas de dossier cstrike."_s;
        QTest::newRow("widescreen cannot be written")
            << u"blocked"_s
            << u"Impossible d'écrire %3/cstrike/custom/cssbinder/materials/console/"
               u"background01_widescreen.vtf : "_s;
    }
    void failuresAreSaidAndKeepTheOldBackground() {
        QFETCH(QString, picture);
        QFETCH(QString, expected);
        QVERIFY(WriteFile(Console(u"background01.vtf"_s), "OLD") &&
                WriteFile(Kit(u"hl2/materials/animated/spray.vtf"_s), "EARLIER RUN"));
        if (picture == u"no kit"_s) {
            QVERIFY(QFile::remove(Kit(u"convert.sh"_s)));
        } else if (picture == u"no cstrike"_s) {
            g_gamePath = m_fixture->GameFolder() + u"/elsewhere"_s;
        } else if (picture == u"blocked"_s) {
            QVERIFY(QDir().mkpath(Console(u"background01_widescreen.vtf"_s)));
        }

        const QStringList messages = Change(picture);
        QCOMPARE(messages.size(), 1);
        const QString text = QString(expected)
                                 .replace(u"%1"_s, QDir::toNativeSeparators(Picture(u"menu.tga"_s)))
                                 .replace(u"%2"_s, QDir::toNativeSeparators(m_kit))
                                 .replace(u"%3"_s, QDir::toNativeSeparators(g_gamePath));
        QVERIFY2(messages.constFirst().startsWith(text), qPrintable(messages.constFirst()));
        QCOMPARE(ReadFile(Console(u"background01.vtf"_s)), "OLD");
    }

private:
    QString Kit(const QString& path) const { return m_kit + u'/' + path; }
    QString Picture(const QString& name) const {
        return QDir::cleanPath(m_fixture->GameFolder() + u"/../pics/"_s + name);
    }
    QString Console(const QString& name = {}) const {
        return m_fixture->GameFolder() + u"/cstrike/custom/cssbinder/materials/console/"_s + name;
    }

    // Chooses a picture holding the text (or a pipe) and changes the background; returns the messages shown.
    QStringList Change(const QString& contents) {
        const QString picture = Picture(u"menu.tga"_s);
        if (contents == u"<pipe>"_s ? !QDir().mkpath(QFileInfo(picture).path()) ||
                                          ::mkfifo(QFile::encodeName(picture).constData(), 0600) != 0
                                    : !WriteFile(picture, contents.toUtf8())) {
            return {u"the picture cannot be written"_s};
        }
        ModalScript script;
        script.ChooseFile(picture);
        script.AnswerMessage();
        Click(ControlOf<QWidget>(*m_dialog, kChangeMenuBackground));
        return script.Messages();
    }

    const QString m_kit = QCoreApplication::applicationDirPath() + u"/background"_s;
    std::unique_ptr<MainWindowFixture> m_fixture;
    std::unique_ptr<CBinderDlg> m_window;
    std::unique_ptr<CAdvancedDlg> m_dialog;
};

} // namespace cssbinder::test

QTEST_MAIN(cssbinder::test::MenuBackgroundTest)
#include "MenuBackgroundTest.moc"
