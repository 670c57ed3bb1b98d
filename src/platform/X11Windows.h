#pragma once
// Asking an X11 application to close its windows, as its close button would.
// Only a window that accepts WM_DELETE_WINDOW is asked: through the window
// manager (_NET_CLOSE_WINDOW) where it offers that, else straight to the
// window. Windows are found by the process id they announce (_NET_WM_PID) on
// this machine.
#include <functional>
#include <set>
#include <string>

namespace sorbeta::platform {

// Connects to `display` (its own connection, closed before returning) and
// asks every top-level window of the given processes to close.
// `stillOurs(pid)` is asked right before a window is asked, so a pid that
// ended meanwhile (and may since belong to someone else) is left alone.
// Returns the pids at least one of whose windows was asked; empty when there
// is no display, no such window, or no way to ask it.
std::set<int> askWindowsToClose(const std::set<int>& pids, const std::string& display,
                                const std::function<bool(int pid)>& stillOurs);

}  // namespace sorbeta::platform
