#pragma once
// Quitting an application with everything it runs in the background. The
// application itself is asked politely (its windows, else SIGTERM) and never
// killed; its agents are stopped so they cannot start it again; background
// processes that remain get SIGTERM and, after a grace time, SIGKILL. An
// AppImage's runtime and the processes the application started are signalled
// only once the application is gone.
#include <qcoro/qcorotask.h>
#include <chrono>

#include "model/uninstall/AppProcesses.h"

namespace sorbeta::AppProcesses {

struct QuitTiming {
    int politeChecks = 40;                          // how often to look whether the application quit
    std::chrono::milliseconds politeInterval{250};  // between those looks
    std::chrono::milliseconds grace{3000};          // between SIGTERM and SIGKILL for background processes
};

// Runs on the GUI thread; /proc, windows and signals are handled on the
// worker pool. Not cancellable: it ends after the grace time at the latest.
QCoro::Task<> quit(InstalledApp app, UninstallPlaces where, CommandRunner run, QuitTiming timing = {});

}  // namespace sorbeta::AppProcesses
