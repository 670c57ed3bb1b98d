#pragma once
// The developer page's search: simulator runtimes and devices, Xcode
// archives and copies, Android images and emulators, virtual-machine and
// container disks, and idle projects' dependencies, as at most seven groups
// in a fixed order. Synchronous and slow (it runs tools with long time
// limits): call it on a worker thread.
#include <vector>

#include "model/dev/DevEnvironment.h"
#include "model/dev/DevTypes.h"

namespace sorbeta::DevScan {

// Simulator devices smaller than this are not listed (unless unavailable).
inline constexpr int64_t kDeviceFloor = 50'000'000;

// The groups that found anything, in their fixed order.
std::vector<DevGroup> all(const DevEnvironment& environment);

// A group of the given kind ("runtimes", "devices", "archives", "xcodes",
// "android", "vms", "stale") with its texts, symbol and flavour.
DevGroup makeGroup(const char* id, std::vector<DevEntry> entries);

}  // namespace sorbeta::DevScan
