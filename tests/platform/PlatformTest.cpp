#include "TestFiles.h"

#include "platform/BackgroundKit.h"
#include "platform/Profile.h"
#include "platform/Registry.h"
#include "platform/SafeFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <optional>

namespace cssbinder::test {
class PlatformTest : public QObject {
    Q_OBJECT
private slots:
    // The profile is cssbinder.ini in the per-user configuration folder, one section a group.
    void profileIsAnIniFileNamedAfterTheProgram() {
        QTemporaryDir home;
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.path()));
        QCOMPARE(GetProfileString(QStringLiteral("zelvar_team_binder"), QStringLiteral("css_path")),
                 QString());

        WriteProfileString(QStringLiteral("zelvar_team_binder"), QStringLiteral("css_path"),
                           QStringLiteral("/games/Counter-Strike Source"));

        QCOMPARE(ProfilePath(), home.filePath(QStringLiteral("cssbinder.ini")));
        const QByteArray text = ReadFile(ProfilePath());
        QVERIFY2(text.contains("[zelvar_team_binder]") &&
                     text.contains("css_path=/games/Counter-Strike Source"),
                 text.constData());
        QCOMPARE(GetProfileString(QStringLiteral("zelvar_team_binder"), QStringLiteral("css_path")),
                 QStringLiteral("/games/Counter-Strike Source"));
    }

    // Without a system registry the values go to cssbinder-registry.ini; a store that cannot be
    // written opens no key, as a registry closed to the user does.
    void registrySubstituteKeepsKeysInItsOwnFile() {
        QTemporaryDir home;
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.filePath(QStringLiteral("config"))));
        const QString store = home.filePath(QStringLiteral("config/cssbinder-registry.ini"));
        QCOMPARE(OpenMachineKeyForSetting("A\\B"), nullptr);
        QVERIFY(!QFileInfo::exists(store));

        RegistryKey* key = CreateMachineKey("A\\B");
        QVERIFY(key != nullptr);
        SetDwordValue(*key, "Size", 8192);
        CloseKey(key);
        key = OpenMachineKeyForSetting("A\\B");
        QVERIFY(key != nullptr);
        DeleteValue(*key, "Missing");
        CloseKey(key);
        QCOMPARE(ReadFile(store), QByteArray("[A\\B]\nSize=8192\n"));

        QVERIFY(QFile::remove(store));
        QVERIFY(QDir().mkpath(store));
        QCOMPARE(CreateMachineKey("A\\B"), nullptr);
    }

    // The kit's own words on failure; a kit still running at the time limit is stopped.
    void backgroundKitRunEndsWithItsOutcome_data() {
        QTest::addColumn<QByteArray>("script");
        QTest::addColumn<int>("limitMs");
        QTest::addColumn<int>("outcome");
        QTest::addColumn<QString>("reason");
        QTest::newRow("converted") << QByteArray("pwd") << 5000 << int(KitRun::Outcome::Finished)
                                   << QString();
        QTest::newRow("refused") << QByteArray("echo 'tga2vtf: bad colour map' >&2; exit 3") << 5000
                                 << int(KitRun::Outcome::Failed) << QStringLiteral("tga2vtf: bad colour map");
        QTest::newRow("silent failure")
            << QByteArray("exit 4") << 5000 << int(KitRun::Outcome::Failed) << QStringLiteral("exit code 4");
        QTest::newRow("too slow") << QByteArray("sleep 10 & echo $! > converter.pid; wait") << 200
                                  << int(KitRun::Outcome::TimedOut) << QString();
    }
    void backgroundKitRunEndsWithItsOutcome() {
        QFETCH(QByteArray, script);
        QFETCH(int, limitMs);
        QFETCH(int, outcome);
        QFETCH(QString, reason);
        QTemporaryDir kit;
        QVERIFY(WriteFile(kit.filePath(BackgroundKitCommand().script), script));
        const KitRun run = RunBackgroundKit(kit.path(), std::chrono::milliseconds(limitMs));
        QCOMPARE(int(run.outcome), outcome);
        QCOMPARE(run.reason, reason);
        // A converter the kit started ends with it.
        const QByteArray converter = ReadFile(kit.filePath(QStringLiteral("converter.pid"))).trimmed();
        QCOMPARE(converter.isEmpty() || converter == "<missing>", outcome != int(KitRun::Outcome::TimedOut));
        if (outcome == int(KitRun::Outcome::TimedOut)) {
            // A process that ended shows at most as a zombie.
            const QString stat = QStringLiteral("/proc/%1/stat").arg(QString::fromLatin1(converter));
            QTRY_VERIFY(ReadFile(stat) == "<missing>" || ReadFile(stat).contains(") Z "));
        }
    }

    // A backup is kept only when the replaced content would otherwise be lost; a file that cannot be
    // written is named with the reason.
    void replacingKeepsABackupOfWhatWouldBeLost_data() {
        QTest::addColumn<QByteArray>("old");
        QTest::addColumn<bool>("savedBefore");
        QTest::addColumn<QByteArray>("backup");
        QTest::addColumn<QString>("name");
        const QString cfg = QStringLiteral("autoexec.cfg");
        QTest::newRow("no file before") << QByteArray() << false << QByteArray("<missing>") << cfg;
        QTest::newRow("hand-written") << QByteArray("mine") << false << QByteArray("mine") << cfg;
        QTest::newRow("what this run saved") << QByteArray("mine") << true << QByteArray("<missing>") << cfg;
        QTest::newRow("the same bytes") << QByteArray("new") << false << QByteArray("<missing>") << cfg;
        QTest::newRow("folder missing")
            << QByteArray() << false << QByteArray("<missing>") << QStringLiteral("missing/autoexec.cfg");
    }
    void replacingKeepsABackupOfWhatWouldBeLost() {
        QFETCH(QByteArray, old);
        QFETCH(bool, savedBefore);
        QFETCH(QByteArray, backup);
        QFETCH(QString, name);
        QTemporaryDir folder;
        const QString path = folder.filePath(name);
        if (!old.isEmpty()) {
            QCOMPARE(WriteFileSafely(path, old), QString());
        }
        const std::optional<QByteArray> lastSaved = savedBefore ? std::optional(old) : std::nullopt;
        const std::optional<WriteFailure> failure = ReplaceFileKeepingBackup(path, "new", lastSaved);
        QCOMPARE(ReadFile(path + QStringLiteral(".bak")), backup);
        if (name == QStringLiteral("autoexec.cfg")) {
            QVERIFY(!failure);
            QCOMPARE(ReadFile(path), QByteArray("new"));
            return;
        }
        QVERIFY(failure && failure->path == path && !failure->reason.isEmpty());
    }
};

} // namespace cssbinder::test

QTEST_MAIN(cssbinder::test::PlatformTest)
#include "PlatformTest.moc"
