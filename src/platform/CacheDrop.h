#pragma once
// Giving the kernel's clean file cache back as free memory. Dirty pages are
// written out first (sync), then the administrator's consent is asked for
// through polkit (pkexec shows the desktop's own password prompt, which this
// program never sees) and "3" is written to /proc/sys/vm/drop_caches by tee,
// a fixed argument vector with nothing of ours interpolated and no shell.
#include <filesystem>
#include <string>

#include "platform/ProcessRunner.h"

namespace sorbeta::platform {

// What pkexec's own exit statuses mean.
inline constexpr int kPkexecDismissed = 126;      // the prompt was dismissed
inline constexpr int kPkexecNotAuthorized = 127;  // refused, no agent, or an error

inline const std::filesystem::path kPkexecPath = "/usr/bin/pkexec";

// Writes every file system's dirty data out; blocks until done.
void syncFileSystems();

// Runs the privileged cache drop through `pkexec` and waits for it (the user
// may take a while to answer the prompt). A missing pkexec gives a result
// that did not start.
ProcessResult dropFileCaches(const std::filesystem::path& pkexec = kPkexecPath);

}  // namespace sorbeta::platform
