// The menu background changer of the Advanced Parameters dialog: the chosen picture goes through the
// conversion kit, and the textures it makes replace the game's menu background.
#include "core/advanced/MenuBackgroundFiles.h"
#include "core/advanced/MenuBackgroundMessages.h"
#include "platform/files/RegularFiles.h"
#include "platform/files/SafeFile.h"
#include "platform/kit/BackgroundKit.h"
#include "ui/advanced/CAdvancedDlg.h"
#include "ui/app/CBinderDlg.h"
#include "ui/app/FileDialogs.h"
#include "ui/app/Globals.h"
#include "ui/app/MessageBoxes.h"
#include "ui/app/QtText.h"

#include <QApplication>
#include <QDir>
#include <QFile>

#include <chrono>

namespace cssbinder {
namespace {

constexpr std::chrono::seconds kConversionTimeLimit{60};
using namespace menu_background;

// The picture chosen by the user, or an empty text when the dialog is cancelled.
QString AskPicturePath(QWidget* parent) {
    return AskForFile(
        parent, {.kind = FileRequest::Kind::OpenFile,
                 .folder = {},
                 .defaultSuffix = QStringLiteral("tga"),
                 .nameFilters = {QStringLiteral("TGA files (*.tga)"), QStringLiteral("All Files (*.*)")}});
}

class BusyCursor {
public:
    BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

QString Native(const QString& path) {
    return QDir::toNativeSeparators(path);
}

QString FailureText(BackgroundFailure failure, int language) {
    return ToQString(BackgroundFailureText(failure, language));
}

// Converts the picture and installs both textures; returns what stopped it, or an empty text. The
// installed background changes only when both new textures are complete.
QString InstallMenuBackground(const QString& picture, int language) {
    const BusyCursor busy;
    const KitChoice choice = BackgroundKitFolder();
    const QDir kit(choice.folder);
    const QString script = BackgroundKitScript(kit.path());
    if (!QFileInfo::exists(script)) {
        return choice.copyFailure
                   ? CannotWriteText(choice.copyFailure->path, choice.copyFailure->reason, language)
                   : FailureText(BackgroundFailure::KitMissing, language).arg(Native(script));
    }
    const QDir game(g_gamePath);
    if (g_gamePath.isEmpty() || !game.exists(QStringLiteral("cstrike"))) {
        return FailureText(BackgroundFailure::NoGameFolder, language).arg(Native(g_gamePath));
    }

    // Only a texture made by this run may be installed.
    for (const Texture& texture : kTextures) {
        QFile made(kit.filePath(QString::fromUtf8(texture.made)));
        if (made.exists() && !made.remove()) {
            return CannotWriteText(made.fileName(), made.errorString(), language);
        }
    }
    const QString copy = kit.filePath(QString::fromUtf8(kPictureCopy));
    QDir().mkpath(QFileInfo(copy).path());
    QDir().mkpath(QFileInfo(kit.filePath(QString::fromUtf8(kTextures[0].made))).path());
    const FileRead source = ReadRegularFile(picture.toStdString(), kPictureFileCap);
    if (!source) {
        return FailureText(BackgroundFailure::ConversionFailed, language)
            .arg(Native(picture), QString::fromStdString(source.failure));
    }
    if (const QString reason = WriteFileSafely(copy, QByteArray::fromStdString(source.bytes));
        !reason.isEmpty()) {
        return CannotWriteText(copy, reason, language);
    }

    const KitRun run = RunBackgroundKit(kit.path(), kConversionTimeLimit);
    switch (run.outcome) {
    case KitRun::Outcome::NotStarted:
        return FailureText(BackgroundFailure::KitNotStarted, language).arg(Native(script), run.reason);
    case KitRun::Outcome::Failed:
        return FailureText(BackgroundFailure::ConversionFailed, language).arg(Native(picture), run.reason);
    case KitRun::Outcome::TimedOut:
        return FailureText(BackgroundFailure::ConversionTimedOut, language)
            .arg(Native(picture), QString::number(kConversionTimeLimit.count()));
    case KitRun::Outcome::Finished:
        break;
    }

    const QDir console(game.filePath(QString::fromUtf8(kConsoleFolder)));
    QList<FileContents> installs;
    for (const Texture& texture : kTextures) {
        const QString made = kit.filePath(QString::fromUtf8(texture.made));
        const FileRead file = ReadRegularFile(made.toStdString(), kTextureFileCap);
        if (!file) {
            return FailureText(BackgroundFailure::NoTexture, language).arg(Native(made));
        }
        installs.append(
            {console.filePath(QString::fromUtf8(texture.installed)), QByteArray::fromStdString(file.bytes)});
    }
    console.mkpath(QStringLiteral("."));
    if (const std::optional<WriteFailure> failure = WriteFilesSafely(installs)) {
        return CannotWriteText(failure->path, failure->reason, language);
    }
    return {};
}

} // namespace

void CAdvancedDlg::OnChangeMenuBackground() {
    const QString picture = AskPicturePath(this);
    if (picture.isEmpty()) {
        return;
    }
    const QString failure = InstallMenuBackground(picture, m_pMainDlg->m_nLanguage);
    if (!failure.isEmpty()) {
        ShowMessage(this, failure);
    }
}

} // namespace cssbinder
