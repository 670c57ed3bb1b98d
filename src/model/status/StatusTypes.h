#pragma once
// The value records of the machine's live state: memory in its parts, the
// battery, and the applications that use the most memory.
#include <QString>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <vector>

namespace sorbeta {

struct MemoryBreakdown {
    int64_t total = 0;
    int64_t app = 0;
    int64_t wired = 0;
    int64_t compressed = 0;
    int64_t cached = 0;
    int64_t free = 0;
    int64_t swapUsed = 0;
    int pressure = 1;  // 1 normal, 2 warning, 4 critical

    bool operator==(const MemoryBreakdown&) const = default;
};

struct BatteryInfo {
    int percent = 0;
    bool charging = false;
    bool onAC = false;
    std::optional<int> cycles;

    bool operator==(const BatteryInfo&) const = default;
};

// One process of an application as it was sampled: enough to tell it from a
// later process that got the same pid.
struct HogProcess {
    int pid = 0;
    uint64_t startTime = 0;
    std::filesystem::path executable;
    bool operator==(const HogProcess&) const = default;
};

struct MemoryHog {
    int pid = 0;  // the application's main process; the record's identity
    QString name;
    int64_t bytes = 0;
    std::optional<QString> bundleID;    // the desktop entry's id
    QString iconName;                   // the desktop entry's icon; empty when none
    std::vector<HogProcess> processes;  // every process the footprint counts

    int id() const { return pid; }
    bool operator==(const MemoryHog&) const = default;
};

struct HardwareNames {
    QString model;
    QString chip;
};

}  // namespace sorbeta
