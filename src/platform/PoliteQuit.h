#pragma once
// Asking an application to quit the way a user would. SIGTERM makes many
// programs exit on the spot and lose unsaved work, so the application's
// windows are asked to close first (it may then ask the user to save); only
// when none of its processes has a window that can be asked does each get
// SIGTERM. Never SIGKILL. Every signal goes through ProcessHandle, so a pid
// reused since sampling, pid 1, another user's process and this program are
// never hit.
#include <optional>
#include <string>
#include <vector>

#include "platform/ProcessTable.h"

namespace sorbeta::platform {

struct PoliteQuitResult {
    int windowsAsked = 0;  // processes whose windows were asked to close
    int terminated = 0;    // processes sent SIGTERM
    int refused = 0;       // processes not asked: gone, reused, or not ours to ask

    bool operator==(const PoliteQuitResult&) const = default;
};

// Quits one application made of these processes. `display` is the X display
// to ask on; absent: $DISPLAY. An empty display (Wayland, no desktop) goes
// straight to SIGTERM.
PoliteQuitResult politeQuit(const std::vector<ProcessSample>& processes,
                            const std::optional<std::string>& display = std::nullopt,
                            const ProcFolder& proc = ProcFolder());

}  // namespace sorbeta::platform
