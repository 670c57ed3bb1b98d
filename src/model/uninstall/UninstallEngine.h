#pragma once
// What the uninstall model asks of the system: the listing, the weighing of
// one application, its running processes, the Trash moves, the purge and the
// quit. The service container builds the system's own over the real places;
// tests hand in fakes. Every function but `quit` runs on a worker thread.
#include <qcoro/qcorotask.h>
#include <functional>
#include <vector>

#include "model/uninstall/AppProcesses.h"
#include "model/uninstall/UninstallPlaces.h"
#include "model/uninstall/UninstallTrash.h"
#include "model/uninstall/Weighing.h"

namespace sorbeta {

struct UninstallEngine {
    // Weighs one application of a listing: (app, limited, name is shared).
    using Weigher = std::function<Uninstaller::Weighed(const InstalledApp&, bool, bool)>;
    struct Listing {
        std::vector<InstalledApp> apps;  // sizes 0, no leftovers yet
        Weigher weigh;                   // shared by the listing's weighings
    };

    std::function<Listing()> list;
    std::function<std::vector<AppProcess>(const InstalledApp&)> processes;
    std::function<Uninstaller::Outcome(const std::vector<Path>& urls, const Path& appURL)> trash;
    std::function<int64_t(const std::vector<platform::TrashedItem>&)> purge;
    // Whether anything is still at the path (a link counts as itself).
    std::function<bool(const Path&)> exists;
    // Runs on the GUI thread; ends once the application and its helpers were asked and waited for.
    std::function<QCoro::Task<>(InstalledApp)> quit;
    // Whether walks skip the places that would raise a privacy prompt (read
    // once per load, on the GUI thread).
    std::function<bool()> limited;

    static UninstallEngine system(const UninstallPlaces& where);
};

}  // namespace sorbeta
