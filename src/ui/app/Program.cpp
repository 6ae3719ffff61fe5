#include "ui/app/Program.h"

#include "platform/gamma/GammaPreviewSession.h"
#include "platform/gamma/GammaRecovery.h"
#include "platform/shell/ExitSignals.h"
#include "ui/app/CBinderDlg.h"
#include "ui/app/MessageBoxes.h"
#include "ui/gamma/CGammaDlg.h"

#include <QApplication>
#include <QTimer>

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
    // asked to end during one puts them back before it goes, and ends as the signal would have.
    const std::optional<RecoveryNote> leftRamps = RestoreRampsLeftByAnEarlierRun();
    int exitStatus = 0;
    WatchExitSignals(application, [&exitStatus](int signalNumber) {
        GammaPreviewSession::RestoreActive();
        exitStatus = 128 + signalNumber;
        QCoreApplication::exit(exitStatus);
    });

    // The process ends when the main window closes; nothing is saved on the way out.
    CBinderDlg mainWindow;
    // Ramps set aside unapplied are said once, over the window; ramps still waiting for their screen
    // are said by the gamma preview.
    if (leftRamps && leftRamps->note == GammaNote::RecoverySetAside) {
        QTimer::singleShot(0, &mainWindow, [&mainWindow, &leftRamps] {
            ShowMessage(&mainWindow, RecoveryNoteText(*leftRamps, mainWindow.m_nLanguage));
        });
    }
    if (beforeShow) {
        beforeShow(mainWindow);
    }
    mainWindow.exec();
    return exitStatus;
}

} // namespace cssbinder
