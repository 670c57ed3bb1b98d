#pragma once
// The model work that views start and do not wait for. Each runs as a task on
// the main thread and ends quietly when its model has gone meanwhile.
#include <set>
#include <string>
#include <vector>

#include "model/dev/DevTypes.h"
#include "model/holding/HoldingManifest.h"

namespace sorbeta {

class AppModel;
class DevModel;
class HoldingModel;
class StatusModel;

void startScan(AppModel& model);
// Cleans exactly these rules (the ones the confirmation listed).
void startClean(AppModel& model, std::set<std::string> ids, bool holdCleaned);
// Deletes a held batch for good, then clears the clean's result, which closes
// its toast.
void startFreeNow(HoldingModel& holding, AppModel& model, HoldBatch batch);
// Starts the status sampler (it runs until the model's stop()).
void startStatusSampler(StatusModel& status);
// Gives file-cache memory back; the model reports the outcome.
void startPurge(StatusModel& status);
// Searches a developer or files page.
void startDevLoad(DevModel& dev);
// Removes exactly these entries (the ones the confirmation listed).
void startDevRun(DevModel& dev, std::vector<DevEntry> entries);

}  // namespace sorbeta
