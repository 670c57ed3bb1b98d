#pragma once
// Android system images (in every SDK the environment names) and emulators.
#include <QDateTime>
#include <vector>

#include "model/dev/DevEnvironment.h"
#include "model/dev/DevTypes.h"

namespace sorbeta::DevScan {

// An emulator unchanged for longer than this is recommended.
inline constexpr int64_t kOldEmulatorSeconds = 7'776'000;  // 90 days

// Images (<root>/<level>/<variant>/<abi>) and emulators (<name>.avd with its
// <name>.ini), largest first; empty ones are left out.
std::vector<DevEntry> androidEntries(const QDateTime& now, const DevEnvironment& environment);

}  // namespace sorbeta::DevScan
