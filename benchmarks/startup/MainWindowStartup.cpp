// The program's start-up up to the main window's first paint, on a profile that knows the game
// folder. Run once with --store-game-folder FOLDER to write that profile.
#include "FirstPaint.h"

#include "platform/Profile.h"
#include "ui/app/CBinderDlg.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("cssbinder"));
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() == 3 && arguments.at(1) == QStringLiteral("--store-game-folder")) {
        cssbinder::WriteProfileString(QStringLiteral("zelvar_team_binder"), QStringLiteral("css_path"),
                                      arguments.at(2));
        return 0;
    }
    cssbinder::CBinderDlg mainWindow;
    cssbinder::bench::CloseAfterFirstPaint(mainWindow);
    mainWindow.exec();
    return 0;
}
