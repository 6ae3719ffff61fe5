#include "ui/app/Program.h"

#include "platform/ExitSignals.h"
#include "platform/GammaPreviewSession.h"
#include "platform/GammaRecovery.h"
#include "ui/app/CBinderDlg.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

namespace cssbinder {
namespace {

// Without a display the toolkit would stop with an error of its own; say plainly what is needed.
bool HasDisplay() {
#if defined(Q_OS_LINUX) || defined(Q_OS_FREEBSD)
    return std::getenv("DISPLAY") != nullptr || std::getenv("WAYLAND_DISPLAY") != nullptr ||
           std::getenv("QT_QPA_PLATFORM") != nullptr;
#else
    return true;
#endif
}

} // namespace

int RunProgram(int argc, char* argv[], const std::function<void(QDialog&)>& beforeShow) {
    if (!HasDisplay()) {
        std::fputs("cssbinder needs a desktop session; without one, start a virtual display first: "
                   "Xvfb :99 & DISPLAY=:99 make run\n",
                   stderr);
        return 1;
    }
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("cssbinder"));

    // A run that was killed during a gamma preview left the screen's own ramps behind; a run that is
    // asked to end during one puts them back before it goes.
    RestoreRampsLeftByAnEarlierRun();
    WatchExitSignals(application, [](int signalNumber) {
        GammaPreviewSession::RestoreActive();
        QCoreApplication::exit(128 + signalNumber);
    });

    // The process ends when the main window closes; nothing is saved on the way out.
    CBinderDlg mainWindow;
    if (beforeShow) {
        beforeShow(mainWindow);
    }
    mainWindow.exec();
    return 0;
}

} // namespace cssbinder
