#include "platform/SystemFigures.h"

#include <dirent.h>
#include <stdlib.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

#include "platform/ArmCores.h"
#include "platform/FileOps.h"

namespace sorbeta::platform {
namespace {

std::string_view trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(" \t\r\n");
    return text.substr(first, last - first + 1);
}

// Splits at blanks and tabs.
std::vector<std::string_view> words(std::string_view line) {
    std::vector<std::string_view> out;
    std::size_t at = 0;
    while (at < line.size()) {
        const auto start = line.find_first_not_of(" \t", at);
        if (start == std::string_view::npos) break;
        auto end = line.find_first_of(" \t", start);
        if (end == std::string_view::npos) end = line.size();
        out.push_back(line.substr(start, end - start));
        at = end;
    }
    return out;
}

template <typename Number>
std::optional<Number> number(std::string_view text) {
    Number value{};
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

// Calls `each(line)` for every line of the text.
template <typename Each>
void forEachLine(std::string_view text, Each&& each) {
    std::size_t at = 0;
    while (at <= text.size()) {
        auto end = text.find('\n', at);
        if (end == std::string_view::npos) end = text.size();
        each(text.substr(at, end - at));
        at = end + 1;
    }
}

int64_t field(const std::map<std::string, int64_t>& meminfo, const char* key) {
    const auto it = meminfo.find(key);
    return it == meminfo.end() ? 0 : std::max<int64_t>(0, it->second);
}

// "avg10=12.34" of the line that starts with `kind` ("some" or "full").
std::optional<double> average10(std::string_view psi, std::string_view kind) {
    std::optional<double> found;
    forEachLine(psi, [&](std::string_view line) {
        const auto parts = words(line);
        if (parts.empty() || parts[0] != kind) return;
        for (std::string_view part : parts)
            if (part.substr(0, 6) == "avg10=") {
                const std::string value(part.substr(6));
                char* end = nullptr;
                const double parsed = std::strtod(value.c_str(), &end);
                if (end && *end == '\0' && std::isfinite(parsed)) found = parsed;
            }
    });
    return found;
}

}  // namespace

std::map<std::string, int64_t> parseMeminfo(std::string_view text) {
    std::map<std::string, int64_t> out;
    forEachLine(text, [&](std::string_view line) {
        const auto colon = line.find(':');
        if (colon == std::string_view::npos || colon == 0) return;
        const auto parts = words(line.substr(colon + 1));
        if (parts.empty()) return;
        const auto value = number<int64_t>(parts[0]);
        if (!value || *value < 0) return;
        int64_t scale = 1;
        if (parts.size() > 1 && parts[1] == "kB") scale = 1024;
        if (*value > INT64_MAX / scale) return;
        out[std::string(line.substr(0, colon))] = *value * scale;
    });
    return out;
}

int64_t zramUsedBytes(std::string_view mmStat) {
    const auto parts = words(trimmed(mmStat));
    if (parts.size() < 3) return 0;
    return std::max<int64_t>(0, number<int64_t>(parts[2]).value_or(0));
}

int pressureLevel(std::optional<std::string_view> pressureFile, int64_t available, int64_t total) {
    int level = 1;
    if (pressureFile) {
        if (average10(*pressureFile, "full").value_or(0) >= 10)
            level = 4;
        else if (average10(*pressureFile, "some").value_or(0) >= 10)
            level = 2;
    }
    // Little memory left to hand out is pressure even where PSI stays calm.
    if (total > 0) {
        const double share = double(available) / double(total);
        if (share < 0.05)
            level = 4;
        else if (share < 0.10)
            level = std::max(level, 2);
    }
    return level;
}

MemoryReading memoryFrom(const std::map<std::string, int64_t>& meminfo, int64_t zramBytes,
                         std::optional<std::string_view> pressureFile) {
    MemoryReading out;
    out.total = field(meminfo, "MemTotal");
    const int64_t memFree = field(meminfo, "MemFree");
    out.app = field(meminfo, "AnonPages") + field(meminfo, "Shmem");
    out.compressed = field(meminfo, "Zswap") + std::max<int64_t>(0, zramBytes);
    out.cached = field(meminfo, "Active(file)") + field(meminfo, "Inactive(file)") + field(meminfo, "SReclaimable");
    // The kernel's own share is what none of the other counts explains.
    out.wired = std::max<int64_t>(0, out.total - memFree - out.app - out.compressed - out.cached);
    out.free = std::max<int64_t>(0, out.total - out.app - out.wired - out.compressed - out.cached);
    out.swapUsed = std::max<int64_t>(0, field(meminfo, "SwapTotal") - field(meminfo, "SwapFree"));
    const auto available = meminfo.find("MemAvailable");
    out.pressure = pressureLevel(pressureFile, available == meminfo.end() ? out.total : available->second, out.total);
    return out;
}

std::optional<CpuTicks> parseCpuTicks(std::string_view stat) {
    std::optional<CpuTicks> out;
    forEachLine(stat, [&](std::string_view line) {
        const auto parts = words(line);
        if (out || parts.size() < 5 || parts[0] != "cpu") return;
        // user nice system idle iowait irq softirq steal guest guest_nice
        std::array<uint64_t, 8> values{};
        for (std::size_t i = 0; i < values.size() && i + 1 < parts.size(); ++i) {
            const auto value = number<uint64_t>(parts[i + 1]);
            if (!value) return;
            values[i] = *value;
        }
        const uint64_t busy = values[0] + values[1] + values[2] + values[5] + values[6] + values[7];
        out = CpuTicks{busy, busy + values[3] + values[4]};
    });
    return out;
}

std::optional<double> parseUptime(std::string_view text) {
    const auto parts = words(trimmed(text));
    if (parts.empty()) return std::nullopt;
    const std::string first(parts[0]);
    char* end = nullptr;
    const double value = std::strtod(first.c_str(), &end);
    if (!end || *end != '\0' || !std::isfinite(value) || value < 0) return std::nullopt;
    return value;
}

std::optional<BatteryReading> batteryFrom(const std::vector<PowerSupply>& supplies) {
    auto attribute = [](const PowerSupply& supply, const char* key) -> std::string {
        const auto it = supply.attributes.find(key);
        return it == supply.attributes.end() ? std::string() : it->second;
    };
    auto count = [&](const PowerSupply& supply, const char* key) { return number<int64_t>(attribute(supply, key)); };
    bool onAC = false;
    // A USB-C charger is a "USB" supply of the machine's own (ucsi-source-psy-*,
    // cros-usbpd-charger), online while it feeds the machine; many laptops
    // charged that way have no "Mains" supply at all.
    for (const PowerSupply& supply : supplies) {
        const std::string type = attribute(supply, "type");
        if ((type == "Mains" || type == "USB") && attribute(supply, "scope") != "Device" &&
            attribute(supply, "online") == "1")
            onAC = true;
    }
    // A laptop with two batteries (an internal and a swappable one) is one
    // battery to its user: their contents and capacities add up, in one unit.
    enum class Unit { energy, charge, percent };
    struct Reading {
        int64_t now = 0, full = 0;
        Unit unit = Unit::energy;
        const PowerSupply* supply = nullptr;
    };
    std::vector<Reading> readings;
    for (const PowerSupply& supply : supplies) {
        // Mice and keyboards report their batteries with scope "Device".
        if (attribute(supply, "type") != "Battery" || attribute(supply, "scope") == "Device") continue;
        // A full figure of 0 (firmware that has not learnt the battery yet)
        // says nothing: the next unit is tried, down to the percentage.
        auto unknown = [](const std::optional<int64_t>& now, const std::optional<int64_t>& full) {
            return !now || !full || *full < 1;
        };
        Unit unit = Unit::energy;
        std::optional<int64_t> now = count(supply, "energy_now");
        std::optional<int64_t> full = count(supply, "energy_full");
        if (unknown(now, full)) {
            unit = Unit::charge;
            now = count(supply, "charge_now");
            full = count(supply, "charge_full");
        }
        // Some batteries (many ARM laptops, virtual machines) give only a percentage.
        if (unknown(now, full)) {
            unit = Unit::percent;
            now = count(supply, "capacity");
            full = 100;
        }
        // Far below what would overflow once a few batteries are added up.
        constexpr int64_t kLargest = INT64_MAX / 1000;
        if (!now || !full || *full < 1 || *now < 0 || *now > kLargest || *full > kLargest) continue;
        readings.push_back({*now, *full, unit, &supply});
    }
    if (readings.empty()) return std::nullopt;
    const bool oneUnit = std::all_of(readings.begin(), readings.end(),
                                     [&](const Reading& r) { return r.unit == readings.front().unit; });
    if (!oneUnit) readings.resize(1);
    int64_t now = 0, full = 0;
    BatteryReading out;
    for (const Reading& reading : readings) {
        now += reading.now;
        full += reading.full;
        if (attribute(*reading.supply, "status") == "Charging") out.charging = true;
        if (const auto cycles = count(*reading.supply, "cycle_count");
            !out.cycles && cycles && *cycles > 0 && *cycles <= INT32_MAX)
            out.cycles = int(*cycles);
    }
    // A worn battery may report more than its last full charge; it is full.
    out.percent = int(std::min<int64_t>(now * 100 / full, 100));
    out.onAC = onAC;
    return out;
}

bool isPlaceholderName(std::string_view text) {
    static const std::array<std::string_view, 14> placeholders = {"to be filled by o.e.m.",
                                                                  "system product name",
                                                                  "system manufacturer",
                                                                  "system version",
                                                                  "default string",
                                                                  "not applicable",
                                                                  "not specified",
                                                                  "none",
                                                                  "o.e.m.",
                                                                  "oem",
                                                                  "unknown",
                                                                  "type1productconfigid",
                                                                  "x.x",
                                                                  "0123456789"};
    std::string lower(trimmed(text));
    if (lower.empty()) return true;
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return char(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c); });
    return std::find(placeholders.begin(), placeholders.end(), lower) != placeholders.end();
}

std::string machineName(const std::string& vendor, const std::string& product, const std::string& version,
                        const std::string& devicetreeModel) {
    const std::string maker = isPlaceholderName(vendor) ? std::string() : std::string(trimmed(vendor));
    std::string model = isPlaceholderName(product) ? std::string() : std::string(trimmed(product));
    // Lenovo keeps a type code in product_name and the model's name in its version.
    const bool versionNames = maker == "LENOVO" && !isPlaceholderName(version);
    if (versionNames || model.empty())
        model = isPlaceholderName(version) ? std::string() : std::string(trimmed(version));
    if (!model.empty()) {
        if (maker.empty() || model.rfind(maker, 0) == 0) return model;
        return maker + " " + model;
    }
    // The devicetree's text ends in a NUL byte.
    const std::string tree(trimmed(std::string_view(devicetreeModel.c_str())));
    if (!tree.empty()) return tree;
    return maker;
}

std::string processorName(std::string_view cpuinfo) {
    std::string found;
    // x86 names the chip in "model name", LoongArch in "Model Name"; some ARM
    // kernels in "Hardware" or "cpu model".
    for (const char* key : {"model name", "Model Name", "cpu model", "Hardware", "Model"}) {
        forEachLine(cpuinfo, [&](std::string_view line) {
            if (!found.empty()) return;
            const auto colon = line.find(':');
            if (colon == std::string_view::npos || trimmed(line.substr(0, colon)) != key) return;
            found = std::string(trimmed(line.substr(colon + 1)));
        });
        if (!found.empty()) return found;
    }
    // A mainline arm64 kernel names no model: only each core's codes, in one
    // block per core. Every kind of core once, in the order met ("ARM
    // Cortex-A55 + ARM Cortex-A76" on a big.LITTLE chip).
    std::string implementer;
    std::vector<std::string> cores;
    forEachLine(cpuinfo, [&](std::string_view line) {
        const auto colon = line.find(':');
        if (colon == std::string_view::npos) return;
        const std::string_view key = trimmed(line.substr(0, colon)), value = trimmed(line.substr(colon + 1));
        if (key == "CPU implementer") implementer = std::string(value);
        if (key != "CPU part") return;
        const std::string core = armCoreName(implementer, value);
        if (!core.empty() && std::find(cores.begin(), cores.end(), core) == cores.end()) cores.push_back(core);
    });
    for (const std::string& core : cores) found += (found.empty() ? "" : " + ") + core;
    return found;
}

std::string SystemFiles::read(const Path& relative, std::size_t limit) const {
    std::string out;
    if (!readSmallFile(root_ / relative, limit, out)) out.clear();
    return out;
}

MemoryReading SystemFiles::memory() const {
    const std::string meminfo = read("proc/meminfo");
    const auto fields = parseMeminfo(meminfo);
    if (fields.find("MemTotal") == fields.end()) {
        MemoryReading fallback;
        fallback.total = physicalMemory();
        return fallback;
    }
    int64_t zram = 0;
    if (DIR* folder = ::opendir((root_ / "sys/block").c_str())) {
        while (const dirent* entry = ::readdir(folder)) {
            const std::string_view name = entry->d_name;
            if (name.substr(0, 4) == "zram") zram += zramUsedBytes(read(Path("sys/block") / entry->d_name / "mm_stat"));
        }
        ::closedir(folder);
    }
    std::string psi;
    const bool hasPsi = readSmallFile(root_ / "proc/pressure/memory", kAttributeLimit, psi);
    return memoryFrom(fields, zram, hasPsi ? std::optional<std::string_view>(psi) : std::nullopt);
}

CpuTicks SystemFiles::cpuTicks() const {
    // Only the first line matters; the rest of /proc/stat can be long.
    std::string text = read("proc/stat", 1 << 20);
    return parseCpuTicks(text).value_or(CpuTicks{});
}

std::optional<BatteryReading> SystemFiles::battery() const {
    std::vector<PowerSupply> supplies;
    const Path folder = root_ / "sys/class/power_supply";
    DIR* listing = ::opendir(folder.c_str());
    if (!listing) return std::nullopt;
    std::vector<std::string> names;
    while (const dirent* entry = ::readdir(listing))
        if (entry->d_name[0] != '.') names.emplace_back(entry->d_name);
    ::closedir(listing);
    std::sort(names.begin(), names.end());
    for (const std::string& name : names) {
        PowerSupply supply{name, {}};
        for (const char* key : {"type", "scope", "status", "online", "energy_now", "energy_full", "charge_now",
                                "charge_full", "capacity", "cycle_count"}) {
            std::string value;
            if (readSmallFile(folder / name / key, kAttributeLimit, value))
                supply.attributes[key] = std::string(trimmed(value));
        }
        supplies.push_back(std::move(supply));
    }
    return batteryFrom(supplies);
}

std::optional<double> SystemFiles::uptime() const { return parseUptime(read("proc/uptime")); }

std::string SystemFiles::machineName() const {
    auto dmi = [&](const char* name) { return std::string(trimmed(read(Path("sys/class/dmi/id") / name))); };
    return platform::machineName(dmi("sys_vendor"), dmi("product_name"), dmi("product_version"),
                                 read("proc/device-tree/model"));
}

std::string SystemFiles::processorName() const { return platform::processorName(read("proc/cpuinfo", 4 << 20)); }

std::optional<double> loadAverage() {
    double values[3] = {0, 0, 0};
    if (::getloadavg(values, 3) < 1) return std::nullopt;
    return values[0];
}

int onlineProcessors() {
    const long count = ::sysconf(_SC_NPROCESSORS_ONLN);
    return count < 1 ? 1 : int(count);
}

int64_t physicalMemory() {
    const long pages = ::sysconf(_SC_PHYS_PAGES);
    const long size = ::sysconf(_SC_PAGESIZE);
    if (pages < 1 || size < 1) return 0;
    return int64_t(pages) * int64_t(size);
}

}  // namespace sorbeta::platform
