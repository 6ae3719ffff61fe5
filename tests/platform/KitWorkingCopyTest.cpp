#include "TestFiles.h"

#include "platform/KitWorkingCopy.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace cssbinder::test {
namespace {

// A kit as the build makes it: the script, its work folders and the converter beside it.
void MakeKit(const QString& folder, const QByteArray& script) {
    QVERIFY(QDir().mkpath(folder + QStringLiteral("/hl2/materialsrc/animated")));
    QVERIFY(QDir().mkpath(folder + QStringLiteral("/hl2/materials/animated")));
    QVERIFY(WriteFile(folder + QStringLiteral("/convert.sh"), script));
    QVERIFY(WriteFile(folder + QStringLiteral("/tga2vtf"), "converter"));
    QVERIFY(QFile::setPermissions(folder + QStringLiteral("/tga2vtf"),
                                  QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther));
}

} // namespace

class KitWorkingCopyTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        m_root = std::make_unique<QTemporaryDir>();
        m_folders = {m_root->filePath(QStringLiteral("bin/background")),
                     m_root->filePath(QStringLiteral("share/cssbinder/background")),
                     m_root->filePath(QStringLiteral("home/.local/share/cssbinder/background"))};
    }

    void kitBesideTheProgramIsUsedInPlace() {
        MakeKit(m_folders.besideProgram, "beside");
        MakeKit(m_folders.installed, "installed");
        QCOMPARE(KitWorkingFolder(m_folders), m_folders.besideProgram);
        QVERIFY(!QFile::exists(m_folders.perUser));
    }

    // The installed program: no kit beside it, so the user works on a copy of the installed kit.
    void installedKitIsCopiedOnceAndRenewedWhenNewer() {
        MakeKit(m_folders.installed, "version 1");
        QCOMPARE(KitWorkingFolder(m_folders), m_folders.perUser);
        QCOMPARE(ReadFile(m_folders.perUser + QStringLiteral("/convert.sh")), QByteArray("version 1"));
        QVERIFY(QFileInfo(m_folders.perUser + QStringLiteral("/tga2vtf")).isExecutable());
        QVERIFY(QFileInfo(m_folders.perUser + QStringLiteral("/hl2/materials/animated")).isDir());

        const QString picture = m_folders.perUser + QStringLiteral("/hl2/materialsrc/animated/spray001.tga");
        QVERIFY(WriteFile(picture, "work"));
        QCOMPARE(KitWorkingFolder(m_folders), m_folders.perUser);
        QCOMPARE(ReadFile(picture), QByteArray("work"));

        const QString script = m_folders.installed + QStringLiteral("/convert.sh");
        QVERIFY(WriteFile(script, "version 2"));
        QFile touched(script);
        QVERIFY(touched.open(QIODevice::ReadWrite));
        QVERIFY(
            touched.setFileTime(QDateTime::currentDateTime().addSecs(60), QFileDevice::FileModificationTime));
        touched.close();
        QCOMPARE(KitWorkingFolder(m_folders), m_folders.perUser);
        QCOMPARE(ReadFile(m_folders.perUser + QStringLiteral("/convert.sh")), QByteArray("version 2"));
        QVERIFY(!QFile::exists(picture));
        QVERIFY(!QFile::exists(m_folders.perUser + QStringLiteral(".new")));
    }

    void withoutAnyKitTheFolderBesideTheProgramIsNamed() {
        QCOMPARE(KitWorkingFolder(m_folders), m_folders.besideProgram);
        QVERIFY(!QFile::exists(m_folders.perUser));
    }

private:
    std::unique_ptr<QTemporaryDir> m_root;
    KitFolders m_folders;
};

} // namespace cssbinder::test

QTEST_GUILESS_MAIN(cssbinder::test::KitWorkingCopyTest)
#include "KitWorkingCopyTest.moc"
