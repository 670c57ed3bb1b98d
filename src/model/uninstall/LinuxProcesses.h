#pragma once
// The running processes of a Linux application. An AppImage runs as two
// parts: the runtime (the one process whose executable is the .AppImage
// file, which serves the application's files) and the application it
// started, whose processes carry APPIMAGE=<the file> in their environment.
// An unpacked folder's processes run executables inside it. Only processes
// of an AppImage's own process tree are asked for their environment, so an
// unrelated process that is stuck can never hold the search up.
#include <set>
#include <string>
#include <vector>

#include "model/uninstall/AppProcesses.h"
#include "platform/ProcessTable.h"

namespace sorbeta::AppProcesses {

// `programs`: what the application's agents run (links resolved).
std::vector<AppProcess> findForLinuxApp(const InstalledApp& app, const std::vector<platform::ProcessSample>& table,
                                        const std::set<std::string>& programs, const platform::ProcFolder& proc);

}  // namespace sorbeta::AppProcesses
