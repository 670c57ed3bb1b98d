#include "model/uninstall/UninstallEngine.h"

#include <memory>

#include "model/disk/Measure.h"
#include "model/uninstall/AppDiscovery.h"
#include "model/uninstall/AppQuit.h"
#include "model/uninstall/LinuxLaunchers.h"
#include "platform/EntryInfo.h"

namespace sorbeta {

UninstallEngine UninstallEngine::system(const UninstallPlaces& where) {
    UninstallEngine engine;
    engine.list = [where] {
        // What starts the user's applications is read once per listing and
        // shared by every weighing of it.
        auto launchers = std::make_shared<const Uninstaller::LinuxLaunchers>(Uninstaller::LinuxLaunchers::read(where));
        Listing listing;
        listing.apps = Uninstaller::listApps(where);
        listing.weigh = [where, launchers](const InstalledApp& app, bool limited, bool shared) {
            return Uninstaller::weigh(app, limited, shared, where, *launchers);
        };
        return listing;
    };
    engine.processes = [where](const InstalledApp& app) { return AppProcesses::find(app, where); };
    engine.trash = [where](const std::vector<Path>& urls, const Path& appURL) {
        return Uninstaller::trash(urls, appURL, where);
    };
    engine.purge = [where](const std::vector<platform::TrashedItem>& items) {
        return Uninstaller::purgeFromTrash(items, where);
    };
    // "Could not look" counts as still there: the record stays.
    engine.exists = [](const Path& path) { return platform::presenceOf(path) != platform::Presence::absent; };
    engine.quit = [where](InstalledApp app) {
        return AppProcesses::quit(std::move(app), where, AppProcesses::systemRunner(where.places));
    };
    engine.limited = [] { return DiskScanner::limited(); };
    return engine;
}

}  // namespace sorbeta
