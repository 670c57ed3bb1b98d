#pragma once
// The machine's live figures as the kernel publishes them under /proc and
// /sys: memory and its pressure, processor ticks, uptime, batteries and the
// machine's names. Each parser is a pure function over the text of one file;
// SystemFiles reads those files below a root folder ("/" on a real system, a
// fixture tree in tests). Nothing is cached: every call reads again.
#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace sorbeta::platform {

using Path = std::filesystem::path;

// Physical memory in five parts that add up to `total` (unless the kernel's
// own counts overlap, when `free` is 0), plus swap and pressure.
struct MemoryReading {
    int64_t total = 0;
    int64_t app = 0;         // anonymous and shared memory of programs
    int64_t wired = 0;       // what the kernel keeps for itself (the remainder)
    int64_t compressed = 0;  // zswap and zram pools
    int64_t cached = 0;      // file pages and reclaimable slabs
    int64_t free = 0;
    int64_t swapUsed = 0;
    int pressure = 1;  // 1 normal, 2 warning, 4 critical

    bool operator==(const MemoryReading&) const = default;
};

// Cumulative ticks since boot over all processors.
struct CpuTicks {
    uint64_t busy = 0;
    uint64_t total = 0;
    bool operator==(const CpuTicks&) const = default;
};

struct BatteryReading {
    int percent = 0;  // now × 100 / full, truncated, not clamped
    bool charging = false;
    bool onAC = false;
    std::optional<int> cycles;
    bool operator==(const BatteryReading&) const = default;
};

// One folder of /sys/class/power_supply: its attribute files, trimmed.
struct PowerSupply {
    std::string name;
    std::map<std::string, std::string> attributes;
};

// "Key: value kB" lines, in bytes (kB × 1024; a value without unit as is).
std::map<std::string, int64_t> parseMeminfo(std::string_view text);
// The mem_used_total column (the third) of a zram device's mm_stat; 0 when absent.
int64_t zramUsedBytes(std::string_view mmStat);
// The parts from meminfo's fields and the zram pools' use; `pressureFile` is
// the text of /proc/pressure/memory when it could be read.
MemoryReading memoryFrom(const std::map<std::string, int64_t>& meminfo, int64_t zramBytes,
                         std::optional<std::string_view> pressureFile);
// 4 when "full avg10" ≥ 10, else 2 when "some avg10" ≥ 10, else 1; then at
// least 4 below 5 % available memory and at least 2 below 10 %.
int pressureLevel(std::optional<std::string_view> pressureFile, int64_t available, int64_t total);
// The aggregate "cpu" line: busy = user + nice + system + irq + softirq +
// steal, total = busy + idle + iowait. Guest time is already inside user and
// nice, so it is not added again.
std::optional<CpuTicks> parseCpuTicks(std::string_view stat);
// Seconds since boot, the first figure of /proc/uptime.
std::optional<double> parseUptime(std::string_view text);
// The system batteries (type Battery, scope not Device) with a non-zero full
// figure, or else with only a percentage ("capacity"), taken together: their
// contents over their capacities (only the first when they report in
// different units, a percentage being one), at most 100 %; charging when
// any of them is, cycles from the first that counts them, on AC from any
// online mains or USB supply of the machine's own (a USB-C charger).
std::optional<BatteryReading> batteryFrom(const std::vector<PowerSupply>& supplies);
// Texts firmware vendors leave in unused DMI fields.
bool isPlaceholderName(std::string_view text);
// The machine's name from the DMI fields and the devicetree model; empty
// when none of them says anything.
std::string machineName(const std::string& vendor, const std::string& product, const std::string& version,
                        const std::string& devicetreeModel);
// The processor's marketing name from /proc/cpuinfo; empty when absent.
std::string processorName(std::string_view cpuinfo);

class SystemFiles {
public:
    explicit SystemFiles(Path root = "/") : root_(std::move(root)) {}

    // An unreadable meminfo gives the physical memory as total, the rest 0
    // and pressure 1.
    MemoryReading memory() const;
    CpuTicks cpuTicks() const;  // (0, 0) when unreadable
    std::optional<BatteryReading> battery() const;
    std::optional<double> uptime() const;
    std::string machineName() const;    // empty when unknown
    std::string processorName() const;  // empty when unknown

    // A sysfs attribute reports one page as its size, whatever it holds: 4 KiB
    // on most machines, 16 or 64 KiB on some arm64 and ppc64le kernels and
    // 256 KiB on a few others. Files are read up to this much, not more.
    static constexpr std::size_t kAttributeLimit = 256 * 1024;

private:
    std::string read(const Path& relative, std::size_t limit = kAttributeLimit) const;
    Path root_;
};

// Process-wide figures that come from libc rather than files.
std::optional<double> loadAverage();  // one-minute load average
int onlineProcessors();
int64_t physicalMemory();

}  // namespace sorbeta::platform
