#include "platform/ThreadPriority.h"

#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

namespace sorbeta::platform {

bool yieldToInterface() {
    // With a thread id, PRIO_PROCESS names that one thread; the step is taken
    // from where the process was started (a process started nice stays so).
    const int target = std::min(threadNice() + kBackgroundNice, 19);
    return setpriority(PRIO_PROCESS, static_cast<id_t>(gettid()), target) == 0;
}

int threadNice() {
    errno = 0;
    const int nice = getpriority(PRIO_PROCESS, static_cast<id_t>(gettid()));
    return errno == 0 ? nice : 0;
}

}  // namespace sorbeta::platform
