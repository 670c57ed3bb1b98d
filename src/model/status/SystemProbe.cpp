#include "model/status/SystemProbe.h"

#include "platform/Translate.h"

namespace sorbeta::SystemProbe {

MemoryBreakdown memoryFrom(const platform::MemoryReading& reading) {
    return MemoryBreakdown{reading.total,  reading.app,  reading.wired,    reading.compressed,
                           reading.cached, reading.free, reading.swapUsed, reading.pressure};
}

std::optional<BatteryInfo> batteryFrom(const std::optional<platform::BatteryReading>& reading) {
    if (!reading) return std::nullopt;
    return BatteryInfo{reading->percent, reading->charging, reading->onAC, reading->cycles};
}

HardwareNames hardwareFrom(const std::string& machine, const std::string& processor) {
    HardwareNames names;
    names.model = machine.empty() ? sorbeta::tr("Mac") : QString::fromUtf8(machine.data(), qsizetype(machine.size()));
    names.chip =
        processor.empty() ? sorbeta::tr("未知芯片") : QString::fromUtf8(processor.data(), qsizetype(processor.size()));
    return names;
}

MemoryBreakdown memory() { return memoryFrom(platform::SystemFiles().memory()); }

CpuTicks cpuTicks() { return platform::SystemFiles().cpuTicks(); }

std::optional<BatteryInfo> battery() { return batteryFrom(platform::SystemFiles().battery()); }

std::vector<MemoryHog> memoryHogs(int limit) {
    (void)limit;
    return {};
}

HardwareNames hardware() {
    const platform::SystemFiles files;
    return hardwareFrom(files.machineName(), files.processorName());
}

}  // namespace sorbeta::SystemProbe
