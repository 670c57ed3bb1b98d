#pragma once
// Which running processes belong to an installed application: the
// application itself, background applications under its identifier, anything
// running from inside its bundle, and the programs of its login agents. An
// application must not go to the Trash while any of them runs. Keeps no
// state; reads /proc and may run on any thread.
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "model/uninstall/InstalledApp.h"
#include "model/uninstall/UninstallPlaces.h"
#include "platform/ProcessTable.h"

namespace sorbeta {

struct AppProcess {
    platform::ProcessSample process;  // as sampled: signals go only to this very process
    bool isApplication = false;       // a running application in its own right (not a stray process)
    bool isMain = false;              // the application itself: asked to quit, never killed
    bool isRuntime = false;           // the AppImage runtime serving the application's files

    int pid() const { return process.pid; }
};

namespace AppProcesses {

// Runs a command-line tool and waits for it; what it prints and how it ends
// are not looked at.
using CommandRunner = std::function<void(const Path& executable, const std::vector<std::string>& arguments)>;
// The real one: no shell, the user's session variables systemctl needs, a time limit.
CommandRunner systemRunner(const platform::Places& places);

// The application's login agents: its agent leftovers, then the property
// lists in the bundle's Contents/Library/LaunchAgents.
std::vector<Path> agentPlists(const InstalledApp& app);
// Whether an agent is the application's: by its label, or by the program it runs.
bool belongs(const Path& agent, const InstalledApp& app, const UninstallPlaces& where);
// The program a launch agent's property list runs, when it lies inside the
// bundle or ~/Library (links resolved).
std::optional<Path> program(const Path& plist, const InstalledApp& app, const UninstallPlaces& where);

// Every running process of the application, never this program: running
// applications first, then the rest in pid order.
std::vector<AppProcess> find(const InstalledApp& app, const UninstallPlaces& where);

// Stops one agent so it does not start the application again: a launch
// agent is booted out with launchctl, a user systemd unit stopped with
// systemctl; an autostart entry needs nothing.
void bootout(const Path& agent, const InstalledApp& app, const UninstallPlaces& where, const CommandRunner& run);

}  // namespace AppProcesses
}  // namespace sorbeta
