// The menu background changer of the Advanced Parameters dialog: the chosen picture goes through the
// conversion kit, and the textures it makes replace the game's menu background.
#include "core/advanced/MenuBackgroundFiles.h"
#include "core/advanced/MenuBackgroundMessages.h"
#include "core/texture/PictureReader.h"
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
#include <QProgressDialog>

#include <chrono>
#include <cstdint>
#include <optional>

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

QString NoticeText(BackgroundNotice notice, int language) {
    return ToQString(BackgroundNoticeText(notice, language));
}

QString KitPath(const QDir& kit, const char* path) {
    return kit.filePath(QString::fromUtf8(path));
}

// Why the kit or the game folder cannot be used, or an empty text.
QString CheckKitAndGame(const KitChoice& choice, const QDir& game, int language) {
    const QString script = BackgroundKitScript(choice.folder);
    if (!QFileInfo::exists(script)) {
        return choice.copyFailure
                   ? CannotWriteText(choice.copyFailure->path, choice.copyFailure->reason, language)
                   : FailureText(BackgroundFailure::KitMissing, language).arg(Native(script));
    }
    if (g_gamePath.isEmpty() || !game.exists(QStringLiteral("cstrike"))) {
        return FailureText(BackgroundFailure::NoGameFolder, language).arg(Native(g_gamePath));
    }
    return {};
}

// Clears the textures of an earlier run, so that only those of this run may be installed, and copies
// the picture where the kit takes it; returns what stopped it, or an empty text. A picture too small
// for a background is refused here; one that cannot be read is left to the kit, which says why.
QString StagePicture(const QDir& kit, const QString& picture, int language) {
    for (const Texture& texture : kTextures) {
        QFile made(KitPath(kit, texture.made));
        if (made.exists() && !made.remove()) {
            return CannotWriteText(made.fileName(), made.errorString(), language);
        }
    }
    const QString copy = KitPath(kit, kPictureCopy);
    QDir().mkpath(QFileInfo(copy).path());
    QDir().mkpath(QFileInfo(KitPath(kit, kTextures[0].made)).path());
    const FileRead source = ReadRegularFile(picture.toStdString(), kPictureFileCap);
    if (!source) {
        return FailureText(BackgroundFailure::ConversionFailed, language)
            .arg(Native(picture), QString::fromStdString(source.failure));
    }
    if (const std::optional<PictureSides> sides = ReadPictureSides(
            {reinterpret_cast<const std::uint8_t*>(source.bytes.data()), source.bytes.size()});
        sides && (sides->width < kMinBackgroundSide || sides->height < kMinBackgroundSide)) {
        return FailureText(BackgroundFailure::PictureTooSmall, language).arg(Native(picture));
    }
    if (const QString reason = WriteFileSafely(copy, QByteArray::fromStdString(source.bytes));
        !reason.isEmpty()) {
        return CannotWriteText(copy, reason, language);
    }
    return {};
}

// Runs the kit under a small modal window that says the picture is being converted; returns what
// stopped it, or an empty text.
QString ConvertPicture(QWidget* parent, const QDir& kit, const QString& picture, int language) {
    QProgressDialog progress(NoticeText(BackgroundNotice::Converting, language), QString(), 0, 0, parent);
    progress.setWindowTitle(QApplication::applicationName());
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(0);
    progress.show();
    const KitRun run = RunBackgroundKit(kit.path(), kConversionTimeLimit);
    switch (run.outcome) {
    case KitRun::Outcome::NotStarted:
        return FailureText(BackgroundFailure::KitNotStarted, language)
            .arg(Native(BackgroundKitScript(kit.path())), run.reason);
    case KitRun::Outcome::Failed:
        return FailureText(BackgroundFailure::ConversionFailed, language).arg(Native(picture), run.reason);
    case KitRun::Outcome::TimedOut:
        return FailureText(BackgroundFailure::ConversionTimedOut, language)
            .arg(Native(picture), QString::number(kConversionTimeLimit.count()));
    case KitRun::Outcome::Finished:
        break;
    }
    return {};
}

// Installs both textures the kit made into the game, or neither; returns what stopped it, or an
// empty text.
QString InstallTextures(const QDir& kit, const QDir& game, int language) {
    const QDir console(game.filePath(QString::fromUtf8(kConsoleFolder)));
    QList<FileContents> installs;
    for (const Texture& texture : kTextures) {
        const QString made = KitPath(kit, texture.made);
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

// Converts the picture and installs both textures; returns what stopped it, or an empty text. The
// installed background changes only when both new textures are complete.
QString InstallMenuBackground(QWidget* parent, const QString& picture, int language) {
    const BusyCursor busy;
    const KitChoice choice = BackgroundKitFolder();
    const QDir kit(choice.folder);
    const QDir game(g_gamePath);
    if (QString failure = CheckKitAndGame(choice, game, language); !failure.isEmpty()) {
        return failure;
    }
    if (QString failure = StagePicture(kit, picture, language); !failure.isEmpty()) {
        return failure;
    }
    if (QString failure = ConvertPicture(parent, kit, picture, language); !failure.isEmpty()) {
        return failure;
    }
    return InstallTextures(kit, game, language);
}

} // namespace

void CAdvancedDlg::OnChangeMenuBackground() {
    const QString picture = AskPicturePath(this);
    if (picture.isEmpty()) {
        return;
    }
    const int language = m_pMainDlg->m_nLanguage;
    const QString failure = InstallMenuBackground(this, picture, language);
    ShowMessage(this, failure.isEmpty() ? NoticeText(BackgroundNotice::Installed, language) : failure);
}

} // namespace cssbinder
