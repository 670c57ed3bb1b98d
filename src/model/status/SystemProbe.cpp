#include "model/status/SystemProbe.h"

#include "model/status/MemoryUsers.h"
#include "platform/Defaults.h"
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

std::vector<MemoryHog> memoryHogsFrom(const platform::ProcFolder& proc, const DesktopApps& apps, int limit) {
    if (limit <= 0) return {};
    return MemoryUsers::list(proc, apps, platform::Defaults::appDomain, limit);
}

std::vector<MemoryHog> memoryHogs(int limit) {
    if (limit <= 0) return {};
    return memoryHogsFrom(platform::ProcFolder(), *systemDesktopApps(), limit);
}

platform::PoliteQuitResult quit(const MemoryHog& hog, const std::optional<std::string>& display,
                                const platform::ProcFolder& proc) {
    std::vector<platform::ProcessSample> samples;
    // Only the user's own processes were listed.
    for (const HogProcess& process : hog.processes)
        samples.push_back(
            platform::ProcessSample{process.pid, 0, process.startTime, platform::currentUser(), process.executable});
    return platform::politeQuit(samples, display, proc);
}

HardwareNames hardware() {
    const platform::SystemFiles files;
    return hardwareFrom(files.machineName(), files.processorName());
}

}  // namespace sorbeta::SystemProbe
