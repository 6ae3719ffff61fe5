#pragma once

#include "platform/KitWorkingCopy.h"

#include <QString>
#include <QStringList>

#include <chrono>
#include <memory>

class QProcess;

namespace cssbinder {

// The folder of the menu background's conversion kit: the folder `background` beside the program
// when it is usable there, else the user's working copy of the installed kit. Every caller asks
// here, so this is the one place that decides it.
KitChoice BackgroundKitFolder();

// How the kit's script is started, with the kit's folder as working folder; one per back end.
struct KitCommand {
    QString script; // the script's file name in the kit's folder
    QString program;
    QStringList arguments;
};
KitCommand BackgroundKitCommand();

// Keeps the kit's process together with every process it starts, so that stopping the kit stops the
// converter too: one left running could still write its texture after the run was given up. One
// per back end.
class KitProcessTree {
public:
    // Sets the process up; it is started afterwards.
    explicit KitProcessTree(QProcess& process);
    ~KitProcessTree();
    KitProcessTree(const KitProcessTree&) = delete;
    KitProcessTree& operator=(const KitProcessTree&) = delete;

    void Stop();

private:
    struct Members;
    std::unique_ptr<Members> m_members;
};

struct KitRun {
    enum class Outcome { Finished, NotStarted, Failed, TimedOut };
    Outcome outcome;
    // What the kit wrote on its error output, or the system's reason when it did not start.
    QString reason;
};

// Runs the kit in its folder and waits for it at most the time limit. The windows go on painting
// meanwhile; the user's input waits until the kit ends. A run still going at the limit is stopped.
KitRun RunBackgroundKit(const QString& folder, std::chrono::milliseconds timeLimit);

} // namespace cssbinder
