#pragma once
// The user's running applications: the processes of this user that carry an
// application identity (a Flatpak id, a snap name, a desktop-file id, or the
// bundle identifier of an .app bundle they run from), each with a display name.
// Processes of one application are grouped; asking it to terminate is the
// polite quit (its windows asked to close, else SIGTERM), aimed at the
// processes as they were when the list was read, so a pid that was reused
// since is never hit.
#include <QString>
#include <memory>
#include <vector>

#include "platform/Places.h"

namespace sorbeta::platform {

class RunningApp {
public:
    virtual ~RunningApp() = default;
    // The application's identifier; empty when it has none.
    virtual QString identifier() const = 0;
    // The localised display name; empty when none is known.
    virtual QString name() const = 0;
    // Asks the application to quit politely (platform/PoliteQuit). Returns at once.
    virtual void terminate() = 0;
    // True once every process of the application has ended.
    virtual bool isTerminated() const = 0;
};

using RunningAppPtr = std::shared_ptr<RunningApp>;

// The source of the list. The system one reads /proc; tests install a fake.
// list() may be called from any thread.
class RunningApps {
public:
    virtual ~RunningApps() = default;
    virtual std::vector<RunningAppPtr> list() const = 0;

    // The one reading /proc; names come from the desktop files of the
    // user's data folder and of $XDG_DATA_DIRS.
    static std::shared_ptr<const RunningApps> system(const Places& places);
};

}  // namespace sorbeta::platform
