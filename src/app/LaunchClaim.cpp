#include "app/LaunchClaim.h"

#include <QString>

#include "model/shell/RenameMigration.h"
#include "platform/Defaults.h"

namespace sorbeta {

bool claimLaunch(platform::SingleInstance& instance, const platform::Places& places, int waitMs) {
    // Once done it returns at once, so a later launch or a relaunch pays nothing.
    RenameMigration::run(places, QString::fromLatin1(platform::Defaults::appDomain), RenameMigration::formerDomains());
    return instance.claim(waitMs) != platform::SingleInstance::Claim::taken;
}

}  // namespace sorbeta
