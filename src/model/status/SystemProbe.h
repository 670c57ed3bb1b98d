#pragma once
// The machine's live state, asked of the kernel on every call: memory,
// processor ticks, the battery, the applications using the most memory and
// the machine's names. Holds no state; callable from any thread.
#include <vector>

#include "model/status/DesktopApps.h"
#include "model/status/StatusTypes.h"
#include "platform/PoliteQuit.h"
#include "platform/SystemFigures.h"

namespace sorbeta::SystemProbe {

using CpuTicks = platform::CpuTicks;

MemoryBreakdown memory();
CpuTicks cpuTicks();
// Absent on a machine without a system battery.
std::optional<BatteryInfo> battery();
// At most `limit` applications, largest footprint first; never this program.
// Walks every process of the user: call it off the GUI thread.
std::vector<MemoryHog> memoryHogs(int limit);
// Asks the application to quit politely (its windows first, else SIGTERM),
// only its processes as they were sampled. `display` as platform::politeQuit.
platform::PoliteQuitResult quit(const MemoryHog& hog, const std::optional<std::string>& display = std::nullopt,
                                const platform::ProcFolder& proc = platform::ProcFolder());
// Reads firmware tables and the processor list: run it off the GUI thread.
HardwareNames hardware();

// What the figures above are made of, from another root (tests).
MemoryBreakdown memoryFrom(const platform::MemoryReading& reading);
std::optional<BatteryInfo> batteryFrom(const std::optional<platform::BatteryReading>& reading);
HardwareNames hardwareFrom(const std::string& machine, const std::string& processor);
std::vector<MemoryHog> memoryHogsFrom(const platform::ProcFolder& proc, const DesktopApps& apps, int limit);

}  // namespace sorbeta::SystemProbe
