#include "platform/CacheDrop.h"

#include <unistd.h>

#include <cstdlib>

namespace sorbeta::platform {

void syncFileSystems() { ::sync(); }

ProcessResult dropFileCaches(const std::filesystem::path& pkexec) {
    ProcessOptions options;
    const char* home = std::getenv("HOME");
    options.environment = toolEnvironment(home ? home : "/");
    // A text-mode agent falls back to the terminal; the graphical one is
    // found through the session, which these help it reach.
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "XAUTHORITY", "DBUS_SESSION_BUS_ADDRESS", "XDG_RUNTIME_DIR"})
        if (const char* value = std::getenv(name)) options.environment.push_back(std::string(name) + "=" + value);
    // Time for the user to read the prompt and type a password.
    options.timeLimit = std::chrono::minutes(5);
    options.terminateGrace = std::chrono::seconds(1);
    options.outputLimit = 64 * 1024;
    options.standardInput = "3\n";
    return runProcess(pkexec, {"/usr/bin/tee", "/proc/sys/vm/drop_caches"}, options);
}

}  // namespace sorbeta::platform
