#include "model/scan/ModelEnvironment.h"

#include "model/holding/HoldingArea.h"
#include "platform/ProcessPlaces.h"

namespace sorbeta {

ModelEnvironment ModelEnvironment::system(const platform::Places& places) {
    ModelEnvironment environment;
    environment.places = places;
    environment.apps = platform::RunningApps::system(places);
    environment.settings = AppSettings(places);
    environment.holding = HoldingArea::standard(places);
    environment.dialogs = &CandyDialogCenter::shared();
    environment.placesInUse = [] { return platform::placesInUse(platform::ProcFolder()); };
    return environment;
}

}  // namespace sorbeta
