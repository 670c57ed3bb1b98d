#pragma once
// What the scan model and its runs ask of the rest of the system. The service
// container fills one from the real system once; tests hand in a temporary
// home, fakes and short waits.
#include <QString>
#include <chrono>
#include <filesystem>
#include <functional>
#include <memory>
#include <vector>

#include "model/dialog/CandyDialog.h"
#include "model/disk/Access.h"
#include "model/disk/ProjectArtifacts.h"
#include "model/shell/AppSettings.h"
#include "platform/Places.h"
#include "platform/RunningApps.h"

namespace sorbeta {

class HoldingArea;

struct ModelEnvironment {
    platform::Places places;
    // Asked at the start of every scan.
    Access::Probe hasFullDisk = &Access::hasFullDisk;
    // Asked by the project-artifact rule.
    ProjectArtifacts::Git git;
    std::shared_ptr<const platform::RunningApps> apps;
    // Called on the clean's worker thread; empty: the pgrep probe.
    std::function<bool(const QString& processName)> isProcessRunning;
    // What the user's running programs hold on to (platform/ProcessPlaces.h),
    // asked on the clean's worker thread before project artifacts go; empty:
    // nothing is held.
    std::function<std::vector<std::filesystem::path>()> placesInUse;
    // Where "hold cleaned files" is read.
    AppSettings settings;
    // Where held files go.
    std::shared_ptr<HoldingArea> holding;
    // Where the question about busy applications is asked; with none, a
    // clean that meets running applications cleans nothing.
    CandyDialogCenter* dialogs = nullptr;

    // Waits of the busy-apps dialog and the free-space refresh.
    int quitChecks = 60;
    std::chrono::milliseconds quitInterval{250};
    std::vector<std::chrono::milliseconds> freeRefreshDelays{
        std::chrono::milliseconds(0), std::chrono::milliseconds(1500), std::chrono::milliseconds(2500),
        std::chrono::milliseconds(4000), std::chrono::milliseconds(6000)};

    // The system's own services for these places.
    static ModelEnvironment system(const platform::Places& places);
};

}  // namespace sorbeta
