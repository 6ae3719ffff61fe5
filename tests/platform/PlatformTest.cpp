#include "TestFiles.h"

#include "platform/files/SafeFile.h"
#include "platform/kit/BackgroundKit.h"
#include "platform/kit/KitWorkingCopy.h"
#include "platform/profile/Profile.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

#include <optional>

namespace cssbinder::test {
namespace {

using namespace Qt::StringLiterals;

// A kit as the build makes it: the script, its work folders and the converter beside it.
void MakeKit(const QString& folder, const QByteArray& script) {
    QVERIFY(QDir().mkpath(folder + u"/hl2/materialsrc/animated"_s));
    QVERIFY(QDir().mkpath(folder + u"/hl2/materials/animated"_s));
    QVERIFY(WriteFile(folder + u"/convert.sh"_s, script));
    QVERIFY(WriteFile(folder + u"/tga2vtf"_s, "converter"));
    QVERIFY(QFile::setPermissions(folder + u"/tga2vtf"_s,
                                  QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther));
}

} // namespace

class PlatformTest : public QObject {
    Q_OBJECT
private slots:
    // The profile is cssbinder.ini in the per-user configuration folder; it reads back whatever text was
    // written and keeps keys written by hand. A file that cannot be written keeps its bytes and says why.
    void settingsAreFilesInThePerUserConfigurationFolder() {
        QTemporaryDir home;
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.filePath(u"config"_s)));
        QCOMPARE(WriteProfile(ProfileKey::GamePath, u"/games/Counter-Strike Source"_s), QString());
        QCOMPARE(ProfilePath(), home.filePath(u"config/cssbinder.ini"_s));
        QCOMPARE(ReadFile(ProfilePath()),
                 QByteArray("[zelvar_team_binder]\ncss_path=/games/Counter-Strike Source\n"));
        QVERIFY(WriteFile(ProfilePath(), ReadFile(ProfilePath()) + "[Mine]\nlist=a, b\nkey%20x=\"v;w\"\n"));
        for (const QString& value : {u"C:\\Games\\\"CSS\", a=b; c"_s, u"@Variant(x)"_s, u" é \u4e2d "_s,
                                     u"a\nb\t\u00019"_s, u""_s}) {
            QCOMPARE(WriteProfile(ProfileKey::GamePath, value), QString());
            QCOMPARE(ReadProfile(ProfileKey::GamePath), value);
        }
        const QSettings mine(ProfilePath(), QSettings::IniFormat);
        QCOMPARE(mine.value(u"Mine/list"_s).toStringList(), (QStringList{u"a"_s, u"b"_s}));
        QCOMPARE(mine.value(u"Mine/key x"_s).toString(), u"v;w"_s);

        const QByteArray profile = ReadFile(ProfilePath());
        QCOMPARE(WithFileSizeLimit(profile.size(),
                                   [] { return WriteProfile(ProfileKey::GammaSliderPosition, 1); }),
                 FileTooLarge());
        QCOMPARE(ReadFile(ProfilePath()), profile);
        // A pipe in the profile's place is no profile: reading it would wait for good.
        QVERIFY(QFile::remove(ProfilePath()) &&
                ::mkfifo(QFile::encodeName(ProfilePath()).constData(), 0600) == 0);
        QCOMPARE(ReadProfileNumber(ProfileKey::GammaSliderPosition), std::nullopt);
    }

    // A silent failure is named by its exit code; a kit past the time limit is stopped with its converter.
    void backgroundKitRunEndsWithItsOutcome() {
        QTemporaryDir kit;
        const QString script = BackgroundKitScript(kit.path());
        QVERIFY(WriteFile(script, "exit 4"));
        const KitRun failed = RunBackgroundKit(kit.path(), std::chrono::seconds(5));
        QCOMPARE(int(failed.outcome), int(KitRun::Outcome::Failed));
        QCOMPARE(failed.reason, u"exit code 4"_s);

        QVERIFY(WriteFile(script, "sleep 10 & echo $! > converter.pid; wait"));
        QCOMPARE(int(RunBackgroundKit(kit.path(), std::chrono::milliseconds(200)).outcome),
                 int(KitRun::Outcome::TimedOut));
        const QByteArray converter = ReadFile(kit.filePath(u"converter.pid"_s)).trimmed();
        QVERIFY(!converter.isEmpty() && converter != "<missing>");
        // A process that ended shows at most as a zombie.
        const QString stat = u"/proc/%1/stat"_s.arg(QString::fromLatin1(converter));
        QTRY_VERIFY(ReadFile(stat) == "<missing>" || ReadFile(stat).contains(") Z "));
    }

    // No backup where nothing would be lost; a file that cannot be written, or a pipe in its place (refused
    // without waiting on it), is named with the reason.
    void replacingKeepsABackupOfWhatWouldBeLost() {
        for (const auto& [old, name] :
             {std::pair(""_ba, u"autoexec.cfg"_s), std::pair("new"_ba, u"autoexec.cfg"_s),
              std::pair(""_ba, u"missing/autoexec.cfg"_s), std::pair("<pipe>"_ba, u"autoexec.cfg"_s),
              std::pair(""_ba, u"autoexec.cfg/"_s)}) {
            const QString row = name + u" over "_s + QString::fromLatin1(old);
            QTemporaryDir folder;
            const QString path = folder.filePath(name);
            const bool pipe = old == "<pipe>";
            QVERIFY(!pipe || ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0);
            QVERIFY(!name.endsWith(u'/') || QDir().mkpath(path));
            QVERIFY(pipe || old.isEmpty() || WriteFileSafely(path, old).isEmpty());
            const std::optional<WriteFailure> failure = ReplaceFileKeepingBackup(path, "new", std::nullopt);
            const bool written = name == u"autoexec.cfg"_s && !pipe;
            QVERIFY2(!QFile::exists(path + u".bak"_s) &&
                         (pipe || ReadFile(path) == (written ? "new" : "<missing>")),
                     qPrintable(row));
            QVERIFY2(written ? !failure : failure && failure->path == path && !failure->reason.isEmpty(),
                     qPrintable(row));
        }
    }

    // A kit beside the program is used in place, and named when there is none; otherwise the user works
    // on a copy of the installed kit, made once and renewed when the installed one is newer.
    void kitWorkingFolderIsBesideTheProgramOrACopyOfTheInstalledKit() {
        QTemporaryDir root;
        const KitFolders folders{root.filePath(u"bin/background"_s),
                                 root.filePath(u"share/cssbinder/background"_s),
                                 root.filePath(u"home/.local/share/cssbinder/background"_s)};
        QCOMPARE(KitWorkingFolder(folders).folder, folders.besideProgram);
        QVERIFY(!QFile::exists(folders.perUser));

        MakeKit(folders.installed, "version 1");
        QCOMPARE(KitWorkingFolder(folders).folder, folders.perUser);
        QCOMPARE(ReadFile(folders.perUser + u"/convert.sh"_s), QByteArray("version 1"));
        QVERIFY(QFileInfo(folders.perUser + u"/tga2vtf"_s).isExecutable());
        QVERIFY(QFileInfo(folders.perUser + u"/hl2/materials/animated"_s).isDir());
        const QString picture = folders.perUser + u"/hl2/materialsrc/animated/spray001.tga"_s;
        QVERIFY(WriteFile(picture, "work"));
        QCOMPARE(KitWorkingFolder(folders).folder, folders.perUser);
        QCOMPARE(ReadFile(picture), QByteArray("work"));

        const QString script = folders.installed + u"/convert.sh"_s;
        QVERIFY(WriteFile(script, "version 2"));
        QFile touched(script);
        QVERIFY(
            touched.open(QIODevice::ReadWrite) &&
            touched.setFileTime(QDateTime::currentDateTime().addSecs(60), QFileDevice::FileModificationTime));
        QCOMPARE(KitWorkingFolder(folders).folder, folders.perUser);
        QCOMPARE(ReadFile(folders.perUser + u"/convert.sh"_s), QByteArray("version 2"));
        QVERIFY(!QFile::exists(picture) && !QFile::exists(folders.perUser + u".new"_s) &&
                !QFile::exists(folders.perUser + u".old"_s));

        MakeKit(folders.besideProgram, "beside");
        QCOMPARE(KitWorkingFolder(folders).folder, folders.besideProgram);

        // A copy that cannot be swapped (here it is a mount point, which cannot be renamed) stays whole.
        QVERIFY(QDir(folders.besideProgram).removeRecursively());
        const TinyFileSystem mounted(folders.perUser);
        if (!mounted.Refusal().isEmpty()) {
            QSKIP(qPrintable(mounted.Refusal()));
        }
        QVERIFY(WriteFile(folders.perUser + u"/convert.sh"_s, "mine"));
        const KitChoice kept = KitWorkingFolder(folders);
        QVERIFY(kept.folder == folders.perUser && kept.copyFailure &&
                kept.copyFailure->path == folders.perUser);
        QCOMPARE(ReadFile(folders.perUser + u"/convert.sh"_s), QByteArray("mine"));
    }
};

} // namespace cssbinder::test

QTEST_MAIN(cssbinder::test::PlatformTest)
#include "PlatformTest.moc"
