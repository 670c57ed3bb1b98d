#include "model/scan/ModelEnvironment.h"

namespace sorbeta {

ModelEnvironment ModelEnvironment::system(const platform::Places& places) {
    ModelEnvironment environment;
    environment.places = places;
    environment.apps = platform::RunningApps::system(places);
    environment.settings = AppSettings(places);
    return environment;
}

}  // namespace sorbeta
