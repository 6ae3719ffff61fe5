#include "MainWindowFixture.h"
#include "ModalScript.h"
#include "TestFiles.h"

#include "ui/advanced/CAdvancedDlg.h"
#include "ui/app/Credits.h"
#include "ui/app/Globals.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QPlainTextEdit>
#include <QProgressDialog>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>

#include <sys/stat.h>

#include <algorithm>

namespace cssbinder::test {
namespace {

using namespace Qt::Literals::StringLiterals;

constexpr int kRain = 1073, kAdsl = 1085, kLan = 1086, kConnectionDefault = 1095, kDirectXDefault = 1094,
              kReportBug = 1093, kBanner = 1061, kChangeMenuBackground = 1092;

// Every preset (ADSL and DirectX 8.1 last), then every box off and back on but Rain and Vertex.
constexpr int kClickedInTurn[] = {1087, 1086, 1095, 1085, 1088, 1089, 1091, 1094, 1090, 1073,
                                  1074, 1075, 1076, 1077, 1079, 1080, 1081, 1082, 1083, 1084,
                                  1074, 1075, 1076, 1077, 1079, 1080, 1081, 1082, 1084};

// A kit that notes where it ran and copies the picture as both textures, unless the picture asks to fail.
constexpr char kFakeConvert[] = R"(pwd > ran-in.txt && cd hl2 && picture=materialsrc/animated/spray001.tga
case $(cat $picture) in FAIL*) echo "truncated pixel data" >&2; exit 1 ;; NOTHING*) exit 0 ;; esac
sleep 0.2 && cp $picture materials/animated/spray.vtf
{ echo wide; cat $picture; } > materials/animated/spray_widescreen.vtf)";

} // namespace

class AdvancedDialogTest : public QObject {
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
    }
    void cleanup() {
        m_dialog.reset();
        m_window.reset();
        QDir(m_kit).removeRecursively();
    }

    // Both banners open the maker's page (their tool-tip, under a hand); Report bug opens the mail program.
    // A preset the store cannot keep is said, and the store keeps its bytes. Each click refreshes both
    // (stale) preview boxes. Escape keeps the boxes for the next opening; the groups open on Default.
    void linksPresetsAndBoxesLastUntilTheNextOpening() {
        const LinkCatcher catcher;
        const QString maker = u"https://github.com/cssbinder/cssbinder"_s;
        for (const QWidget* window : std::initializer_list<const QWidget*>{m_window.get(), m_dialog.get()}) {
            auto* banner = ControlOf<QWidget>(*window, kBanner);
            Click(banner);
            QCOMPARE(std::pair(banner->toolTip(), banner->cursor().shape()),
                     std::pair(maker, Qt::PointingHandCursor));
            QCOMPARE(window->findChild<QPlainTextEdit*>()->viewport()->cursor().shape(), Qt::ArrowCursor);
        }
        Click(Button(*m_dialog, kReportBug));
        QCOMPARE(catcher.links, (QStringList{maker, maker, QString::fromUtf8(kReportBugLink)}));
        QVERIFY(catcher.links.constLast().startsWith(u"mailto:"_s) && m_dialog->isVisible());

        const QString store = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                              u"/cssbinder-registry.ini"_s;
        Click(Button(*m_dialog, kConnectionDefault));
        QVERIFY(!QFileInfo::exists(store));
        Click(Button(*m_dialog, kAdsl));
        const QByteArray stored = ReadFile(store);
        const QString message =
            u"Impossible d'écrire %1 : %2"_s.arg(QDir::toNativeSeparators(store), FileTooLarge());
        for (const int button : {kLan, kConnectionDefault}) {
            QCOMPARE(
                WithFileSizeLimit(16, [&] { return Press(Button(*m_dialog, button), {QMessageBox::Ok}); }),
                QStringList{message});
            QCOMPARE(ReadFile(store), stored);
        }

        g_configEntries.Store("f", "bind \"f\" \"say gg\"");
        const QList<QCheckBox*> boxes = m_dialog->findChildren<QCheckBox*>();
        QVERIFY(boxes.size() == 11 && std::ranges::all_of(boxes, &QCheckBox::isChecked));
        for (const int button : kClickedInTurn) {
            m_dialog->m_editPreview->setPlainText(u"stale"_s);
            m_window->m_editPreview->setPlainText(u"stale"_s);
            QAbstractButton* box = Button(*m_dialog, button);
            QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2)); // on the mark
            QCOMPARE(m_dialog->m_editPreview->toPlainText(), DocumentText());
            QCOMPARE(Committed(*m_window), DocumentText());
        }
        QTest::keyClick(m_dialog.get(), Qt::Key_Escape);
        QCOMPARE(std::pair(m_window->m_bRain, *g_configEntries.Find("mat_dxlevel")),
                 std::pair(0, std::string("mat_dxlevel \"81\"")));
        QCOMPARE(ReadFile(store), "[SYSTEM\\CurrentControlSet\\Services\\Tcpip\\Parameters]\n"
                                  "DefaultTTL=128\nGlobalMaxTcpWindowSize=101452\nTcpWindowSize=101452\n");
        ModalScript script;
        script.Then([](QWidget& modal) {
            auto* dialog = qobject_cast<CAdvancedDlg*>(&modal);
            QVERIFY(dialog != nullptr && !Button(*dialog, kRain)->isChecked() &&
                    Button(*dialog, kConnectionDefault)->isChecked() &&
                    Button(*dialog, kDirectXDefault)->isChecked());
            QCOMPARE(std::pair(dialog->m_editPreview->toPlainText(), g_configEntries.GetCount()),
                     std::pair(DocumentText(), std::size_t{24}));
            for (const int button : {kRain, kConnectionDefault, kDirectXDefault, 1}) {
                Click(Button(*dialog, button));
            }
        });
        Click(ControlOf<QWidget>(*m_window, 1022));
        QVERIFY(script.Unexpected().isEmpty() && script.Pending() == 0);
        QCOMPARE(m_window->m_bRain, 1);
        QCOMPARE(m_window->m_editPreview->toPlainText(),
                 u"bind \"f\" \"say gg\"\nmat_reducefillrate \"1\"\n"_s);
        QCOMPARE(ReadFile(store), "[SYSTEM\\CurrentControlSet\\Services\\Tcpip\\Parameters]\n");
    }

    // Cancel of the picture (TGA files first) touches nothing. The kit runs under the busy cursor and a modal
    // progress window; both textures go to the custom folder, the only one the game reads, the old stays.
    void bothTexturesAreInstalledAndASecondRunReplacesThem() {
        ModalScript script;
        script.Then([](QWidget& window) {
            window.close();
            auto* dialog = qobject_cast<QFileDialog*>(&window);
            QVERIFY(dialog != nullptr && dialog->fileMode() == QFileDialog::ExistingFile);
            QCOMPARE(dialog->nameFilters(), (QStringList{u"TGA files (*.tga)"_s, u"All Files (*.*)"_s}));
        });
        Click(ControlOf<QWidget>(*m_dialog, kChangeMenuBackground));
        QVERIFY(script.Unexpected().isEmpty() && !QFileInfo::exists(Console()));
        QCOMPARE(QDir(m_kit).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                 QStringList{u"convert.sh"_s});

        const QString old = m_fixture->GameFolder() + u"/cstrike/materials/console/background01.vtf"_s;
        QVERIFY(WriteFile(old, "OLD"));
        bool busy = false;
        QTimer sampler;
        connect(&sampler, &QTimer::timeout, this, [&busy, this] {
            const auto* progress = m_dialog->findChild<QProgressDialog*>();
            busy = busy || (QApplication::overrideCursor() &&
                            QApplication::overrideCursor()->shape() == Qt::WaitCursor && progress &&
                            progress->isVisible() && progress->isModal() &&
                            progress->labelText() == u"Conversion de l'image..."_s);
        });
        sampler.start(20);
        for (const QByteArray picture : {"PICTURE-1", "PICTURE-2"}) {
            QCOMPARE(Change(QString::fromLatin1(picture)), QStringList{u"Le fond du menu est installé."_s});
            QVERIFY(busy && !QApplication::overrideCursor() && !m_dialog->findChild<QProgressDialog*>());
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
        // A 15 x 16 TGA picture, too small to be a background.
        QTest::newRow("picture too small")
            << QString::fromLatin1(QByteArray("\0\0\2\0\0\0\0\0\0\0\0\0\17\0\20\0\30\0", 18) +
                                   QByteArray(720, 0))
            << u"L'image %1 est plus petite que 16 x 16 pixels."_s;
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
        if (picture == u"no cstrike"_s) {
            g_gamePath = m_fixture->GameFolder() + u"/elsewhere"_s;
        } else if (picture == u"blocked"_s) {
            QVERIFY(QDir().mkpath(Console(u"background01_widescreen.vtf"_s)));
        }
        const QStringList messages = Change(picture);
        const QString text = QString(expected)
                                 .replace(u"%1"_s, QDir::toNativeSeparators(m_picture))
                                 .replace(u"%2"_s, QDir::toNativeSeparators(m_kit))
                                 .replace(u"%3"_s, QDir::toNativeSeparators(g_gamePath));
        QVERIFY2(messages.size() == 1 && messages.constFirst().startsWith(text),
                 qPrintable(messages.join(u'\n')));
        QCOMPARE(ReadFile(Console(u"background01.vtf"_s)), "OLD");
    }

private:
    QString Kit(const QString& path) const { return m_kit + u'/' + path; }
    QString Console(const QString& name = {}) const {
        return m_fixture->GameFolder() + u"/cstrike/custom/cssbinder/materials/console/"_s + name;
    }

    // Chooses a picture holding the text (or a pipe) as the menu background; returns the messages shown.
    QStringList Change(const QString& contents) {
        m_picture = QDir::cleanPath(m_fixture->GameFolder() + u"/../pics/menu.tga"_s);
        if (contents == u"<pipe>"_s ? !QDir().mkpath(QFileInfo(m_picture).path()) ||
                                          ::mkfifo(QFile::encodeName(m_picture).constData(), 0600) != 0
                                    : !WriteFile(m_picture, contents.toUtf8())) {
            return {u"the picture cannot be written"_s};
        }
        const Answers answers({QMessageBox::Ok}, {m_picture});
        Click(ControlOf<QWidget>(*m_dialog, kChangeMenuBackground));
        return answers.Messages();
    }

    const QString m_kit = QCoreApplication::applicationDirPath() + u"/background"_s;
    QString m_picture;
    std::unique_ptr<MainWindowFixture> m_fixture;
    std::unique_ptr<CBinderDlg> m_window;
    std::unique_ptr<CAdvancedDlg> m_dialog;
};

} // namespace cssbinder::test

QTEST_MAIN(cssbinder::test::AdvancedDialogTest)
#include "AdvancedDialogTest.moc"
