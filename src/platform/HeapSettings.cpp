#include "platform/HeapSettings.h"

#include <malloc.h>

namespace sorbeta::platform {

bool returnLargeBlocksWhenFreed() {
    // Setting the threshold by hand also stops glibc from moving it (and the
    // trim threshold with it) as blocks come and go.
    return ::mallopt(M_MMAP_THRESHOLD, static_cast<int>(kLargeBlock)) == 1;
}

}  // namespace sorbeta::platform
