#include "TestFiles.h"

#include "platform/SteamGame.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

namespace cssbinder::test {

class SteamGameTest : public QObject {
    Q_OBJECT
private slots:
    // Folders are relative to a made-up home. The Steam folder lists the libraries; the game, with or
    // without its cstrike folder, is installed in one of them.
    void findsTheGameThroughSteamsLibraries_data() {
        QTest::addColumn<QString>("steam");
        QTest::addColumn<QStringList>("libraries");
        QTest::addColumn<QString>("gameLibrary");
        QTest::addColumn<bool>("found");
        const QString native = QStringLiteral(".local/share/Steam");
        const QString flatpak = QStringLiteral(".var/app/com.valvesoftware.Steam/.local/share/Steam");
        const QString games = QStringLiteral("games");
        QTest::newRow("one library") << native << QStringList{native} << native << true;
        QTest::newRow("game in the second library") << native << QStringList{native, games} << games << true;
        QTest::newRow("Flatpak home") << flatpak << QStringList{flatpak} << flatpak << true;
        QTest::newRow("listed library missing")
            << native << QStringList{QStringLiteral("gone"), games} << games << true;
        QTest::newRow("broken library list") << native << QStringList{} << native << false;
        QTest::newRow("install folder without cstrike")
            << native << QStringList{native} << QString() << false;
    }
    void findsTheGameThroughSteamsLibraries() {
        QFETCH(QString, steam);
        QFETCH(QStringList, libraries);
        QFETCH(QString, gameLibrary);
        QFETCH(bool, found);
        QTemporaryDir home;
        qputenv("HOME", QFile::encodeName(home.path()));
        const QDir root(home.path());

        QString list = QStringLiteral("\"libraryfolders\"\n{\n");
        for (qsizetype i = 0; i < libraries.size(); ++i) {
            list += QStringLiteral("\t\"%1\"\n\t{\n\t\t\"path\"\t\t\"%2\"\n\t}\n")
                        .arg(i)
                        .arg(root.filePath(libraries[i]));
        }
        // An empty list stands for a file cut short.
        list += libraries.isEmpty() ? QStringLiteral("\t\"0\" { \"path\" \"") : QStringLiteral("}\n");
        QVERIFY(
            WriteFile(root.filePath(steam + QStringLiteral("/steamapps/libraryfolders.vdf")), list.toUtf8()));

        const QString library = gameLibrary.isEmpty() ? steam : gameLibrary;
        QVERIFY(WriteFile(
            root.filePath(library + QStringLiteral("/steamapps/appmanifest_240.acf")),
            "\"AppState\"\n{\n\t\"appid\"\t\t\"240\"\n\t\"installdir\"\t\t\"Counter-Strike Source\"\n}\n"));
        const QString game =
            root.filePath(library + QStringLiteral("/steamapps/common/Counter-Strike Source"));
        QVERIFY(root.mkpath(game +
                            (gameLibrary.isEmpty() ? QStringLiteral("/hl2") : QStringLiteral("/cstrike"))));

        QCOMPARE(SteamGameFolder(), found ? game : QString());
    }
};

} // namespace cssbinder::test

QTEST_GUILESS_MAIN(cssbinder::test::SteamGameTest)
#include "SteamGameTest.moc"
