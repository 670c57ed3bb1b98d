#pragma once
// Disks of virtual machines and container engines (shown, never removed here)
// and the container engine's own reclaimable data, which its prune frees.
#include <QByteArray>
#include <QString>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <vector>

#include "model/dev/DevEnvironment.h"
#include "model/dev/DevTypes.h"

namespace sorbeta::DevScan {

// Folders up to this size are not worth showing.
inline constexpr int64_t kVmFolderFloor = 100'000'000;

// The first candidate of the environment that is an executable file.
std::optional<std::filesystem::path> dockerPath(const DevEnvironment& environment);

// One size as the engine prints it ("1.5GB", "512kB (12%)"), in decimal
// units; nothing for any other text, a negative size or one beyond 64 bits.
std::optional<int64_t> parseDockerSize(const QString& text);

// The prune entry from the output of `docker system df --format
// {{.Reclaimable}}`: the sum of its sizes, when that is above 0.
std::optional<DevEntry> pruneEntry(const QByteArray& reclaimable);

// The virtual-machine folders above the floor, in table order, after the
// prune entry when the engine reports anything to reclaim.
std::vector<DevEntry> vmEntries(const DevEnvironment& environment);

// What the engine's `system prune` says it freed on its "Total reclaimed
// space:" line (the largest, should it print several); nothing without one.
std::optional<int64_t> reclaimedSpace(const QByteArray& pruneOutput);

struct PruneResult {
    bool succeeded = false;
    int64_t freed = 0;  // as the engine reported it; 0 when it did not say
};
// Runs `docker system prune -f`. The engine's estimate beforehand counts
// images and volumes a prune keeps, so what was freed is taken from the
// prune's own report, never from the estimate.
PruneResult pruneDocker(const DevEnvironment& environment);

}  // namespace sorbeta::DevScan
