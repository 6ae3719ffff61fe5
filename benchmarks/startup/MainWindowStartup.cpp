// The program's own start-up up to the main window's first paint, on a profile that knows the game
// folder. Run once with --store-game-folder FOLDER to write that profile.
#include "FirstPaint.h"

#include "platform/profile/Profile.h"
#include "ui/app/Program.h"

#include <QCoreApplication>
#include <QDialog>

int main(int argc, char* argv[]) {
    if (argc == 3 && QByteArrayView(argv[1]) == "--store-game-folder") {
        QCoreApplication application(argc, argv);
        QCoreApplication::setApplicationName(QStringLiteral("cssbinder"));
        const QString failure =
            cssbinder::WriteProfile(cssbinder::ProfileKey::GamePath, QString::fromLocal8Bit(argv[2]));
        return failure.isEmpty() ? 0 : 1;
    }
    return cssbinder::RunProgram(
        argc, argv, [](QDialog& mainWindow) { cssbinder::bench::CloseAfterFirstPaint(mainWindow); });
}
