#include "TestFiles.h"

#include "platform/SteamGame.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace cssbinder::test {
namespace {

using Files = QMap<QString, QString>;

QString LibraryFolders(const QStringList& libraries) {
    QString text = QStringLiteral("\"libraryfolders\"\n{\n");
    for (qsizetype i = 0; i < libraries.size(); ++i) {
        text += QStringLiteral("\t\"%1\"\n\t{\n\t\t\"path\"\t\t\"%2\"\n\t\t\"label\"\t\t\"\"\n\t}\n")
                    .arg(i)
                    .arg(libraries[i]);
    }
    return text + QStringLiteral("}\n");
}

QString Manifest(const QString& installDir) {
    return QStringLiteral(
               "\"AppState\"\n{\n\t\"appid\"\t\t\"240\"\n\t\"name\"\t\t\"Counter-Strike: Source\"\n"
               "\t\"installdir\"\t\t\"%1\"\n}\n")
        .arg(installDir);
}

const QString kNative = QStringLiteral(".local/share/Steam");
const QString kFlatpak = QStringLiteral(".var/app/com.valvesoftware.Steam/.local/share/Steam");
const QString kGame = QStringLiteral("/steamapps/common/Counter-Strike Source");

} // namespace

class SteamGameTest : public QObject {
    Q_OBJECT
private slots:
    // Paths are relative to a made-up home; $HOME in a file stands for it.
    void findsTheGameThroughSteamsLibraries_data() {
        QTest::addColumn<Files>("files");
        QTest::addColumn<QStringList>("folders");
        QTest::addColumn<QString>("found");
        const QString vdf = QStringLiteral("/steamapps/libraryfolders.vdf");
        const QString acf = QStringLiteral("/steamapps/appmanifest_240.acf");
        const QString manifest = Manifest(QStringLiteral("Counter-Strike Source"));

        QTest::newRow("one library") << Files{{kNative + vdf,
                                               LibraryFolders({QStringLiteral("$HOME/") + kNative})},
                                              {kNative + acf, manifest}}
                                     << QStringList{kNative + kGame + QStringLiteral("/cstrike")}
                                     << kNative + kGame;
        QTest::newRow("game in the second library")
            << Files{{kNative + vdf,
                      LibraryFolders({QStringLiteral("$HOME/") + kNative, QStringLiteral("$HOME/games")})},
                     {QStringLiteral("games") + acf, manifest}}
            << QStringList{QStringLiteral("games") + kGame + QStringLiteral("/cstrike")}
            << QStringLiteral("games") + kGame;
        QTest::newRow("Flatpak home")
            << Files{{kFlatpak + vdf, LibraryFolders({QStringLiteral("$HOME/") + kFlatpak})},
                     {kFlatpak + acf, manifest}}
            << QStringList{kFlatpak + kGame + QStringLiteral("/cstrike")} << kFlatpak + kGame;
        QTest::newRow("broken library list")
            << Files{{kNative + vdf,
                      QStringLiteral("\"libraryfolders\" { \"0\" { \"path\" \"$HOME/") + kNative},
                     {kNative + acf, manifest}}
            << QStringList{kNative + kGame + QStringLiteral("/cstrike")} << QString();
        QTest::newRow("listed library missing, next one holds the game")
            << Files{{kNative + vdf,
                      LibraryFolders({QStringLiteral("$HOME/gone"), QStringLiteral("$HOME/games")})},
                     {QStringLiteral("games") + acf, manifest}}
            << QStringList{QStringLiteral("games") + kGame + QStringLiteral("/cstrike")}
            << QStringLiteral("games") + kGame;
        QTest::newRow("install folder without cstrike")
            << Files{{kNative + vdf, LibraryFolders({QStringLiteral("$HOME/") + kNative})},
                     {kNative + acf, manifest}}
            << QStringList{kNative + kGame + QStringLiteral("/hl2")} << QString();
        QTest::newRow("no Steam") << Files{} << QStringList{} << QString();
    }
    void findsTheGameThroughSteamsLibraries() {
        QFETCH(Files, files);
        QFETCH(QStringList, folders);
        QFETCH(QString, found);
        QTemporaryDir home;
        qputenv("HOME", QFile::encodeName(home.path()));
        const QDir root(home.path());
        for (const QString& folder : folders) {
            QVERIFY(root.mkpath(folder));
        }
        for (auto file = files.cbegin(); file != files.cend(); ++file) {
            QVERIFY(WriteFile(root.filePath(file.key()),
                              QString(file.value()).replace(QStringLiteral("$HOME"), home.path()).toUtf8()));
        }
        QCOMPARE(SteamGameFolder(), found.isEmpty() ? QString() : root.filePath(found));
    }
};

} // namespace cssbinder::test

QTEST_GUILESS_MAIN(cssbinder::test::SteamGameTest)
#include "SteamGameTest.moc"
