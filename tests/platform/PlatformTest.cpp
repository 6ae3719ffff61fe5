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
namespace {

bool ProcessEnded(const QString& statPath) {
    QFile stat(statPath);
    return !stat.open(QIODevice::ReadOnly) || stat.readAll().contains(") Z ");
}

} // namespace

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
        QFile ini(ProfilePath());
        QVERIFY(ini.open(QIODevice::ReadOnly));
        const QByteArray text = ini.readAll();
        QVERIFY2(text.contains("[zelvar_team_binder]") &&
                     text.contains("css_path=/games/Counter-Strike Source"),
                 text.constData());
        QCOMPARE(GetProfileString(QStringLiteral("zelvar_team_binder"), QStringLiteral("css_path")),
                 QStringLiteral("/games/Counter-Strike Source"));
    }

    void safeWriteReplacesTheFileOrReportsWhy() {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("autoexec.cfg"));
        QCOMPARE(WriteFileSafely(path, "old\r\n"), QString());
        QCOMPARE(WriteFileSafely(path, "new\r\n"), QString());
        QFile written(path);
        QVERIFY(written.open(QIODevice::ReadOnly));
        QCOMPARE(written.readAll(), QByteArray("new\r\n"));

        const QString failure = WriteFileSafely(folder.filePath(QStringLiteral("missing/autoexec.cfg")), "x");
        QVERIFY(!failure.isEmpty());
        // A folder in the way of the file is no place to write either, and stays as it was.
        QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("taken.cfg")));
        QVERIFY(!WriteFileSafely(folder.filePath(QStringLiteral("taken.cfg")), "x").isEmpty());
        QVERIFY(QFileInfo(folder.filePath(QStringLiteral("taken.cfg"))).isDir());
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
        QFile file(store);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("[A\\B]\nSize=8192\n"));

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
        QFile file(kit.filePath(BackgroundKitCommand().script));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(script);
        file.close();
        const KitRun run = RunBackgroundKit(kit.path(), std::chrono::milliseconds(limitMs));
        QCOMPARE(int(run.outcome), outcome);
        QCOMPARE(run.reason, reason);
        // A converter the kit started ends with it (a process that ended shows at most as a zombie).
        QFile converter(kit.filePath(QStringLiteral("converter.pid")));
        if (converter.open(QIODevice::ReadOnly)) {
            const QString stat =
                QStringLiteral("/proc/%1/stat").arg(QString::fromLatin1(converter.readAll().trimmed()));
            QTRY_VERIFY(ProcessEnded(stat));
        }
    }

    // A backup is kept only when the replaced content would otherwise be lost.
    void replacingKeepsABackupOfWhatWouldBeLost_data() {
        QTest::addColumn<QByteArray>("old");
        QTest::addColumn<bool>("savedBefore");
        QTest::addColumn<QByteArray>("backup");
        QTest::newRow("no file before") << QByteArray() << false << QByteArray();
        QTest::newRow("hand-written") << QByteArray("mine") << false << QByteArray("mine");
        QTest::newRow("what this run saved") << QByteArray("mine") << true << QByteArray();
        QTest::newRow("the same bytes") << QByteArray("new") << false << QByteArray();
    }
    void replacingKeepsABackupOfWhatWouldBeLost() {
        QFETCH(QByteArray, old);
        QFETCH(bool, savedBefore);
        QFETCH(QByteArray, backup);
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("autoexec.cfg"));
        if (!old.isEmpty()) {
            QCOMPARE(WriteFileSafely(path, old), QString());
        }
        const std::optional<QByteArray> lastSaved = savedBefore ? std::optional(old) : std::nullopt;
        QVERIFY(!ReplaceFileKeepingBackup(path, "new", lastSaved));

        QFile written(path);
        QVERIFY(written.open(QIODevice::ReadOnly));
        QCOMPARE(written.readAll(), QByteArray("new"));
        QFile kept(path + QStringLiteral(".bak"));
        QCOMPARE(kept.exists(), !backup.isEmpty());
        if (kept.open(QIODevice::ReadOnly)) {
            QCOMPARE(kept.readAll(), backup);
        }
    }
};

} // namespace cssbinder::test

QTEST_MAIN(cssbinder::test::PlatformTest)
#include "PlatformTest.moc"
