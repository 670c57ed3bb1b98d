#pragma once
// The machine's live state, asked of the kernel on every call: memory,
// processor ticks, the battery, the applications using the most memory and
// the machine's names. Holds no state; callable from any thread.
#include <vector>

#include "model/status/StatusTypes.h"
#include "platform/SystemFigures.h"

namespace sorbeta::SystemProbe {

using CpuTicks = platform::CpuTicks;

MemoryBreakdown memory();
CpuTicks cpuTicks();
// Absent on a machine without a system battery.
std::optional<BatteryInfo> battery();
// At most `limit` applications, largest footprint first; never this program.
std::vector<MemoryHog> memoryHogs(int limit);
// Reads firmware tables and the processor list: run it off the GUI thread.
HardwareNames hardware();

// What the figures above are made of, from another root (tests).
MemoryBreakdown memoryFrom(const platform::MemoryReading& reading);
std::optional<BatteryInfo> batteryFrom(const std::optional<platform::BatteryReading>& reading);
HardwareNames hardwareFrom(const std::string& machine, const std::string& processor);

}  // namespace sorbeta::SystemProbe
