#include "model/uninstall/UninstallPlaces.h"

#include <QLocale>
#include <cstdlib>

#include "platform/EntryInfo.h"

namespace sorbeta {

std::vector<std::filesystem::path> UninstallPlaces::appRoots() const {
    return {systemApplications, userApplications()};
}

UninstallPlaces UninstallPlaces::system(const platform::Places& places) {
    UninstallPlaces result;
    result.places = places;
    result.ownExecutable = platform::resolvedPath("/proc/self/exe").value_or(std::filesystem::path());
    if (const char* image = std::getenv("APPIMAGE"); image && *image == '/')
        result.ownAppImage = platform::resolvedPath(image).value_or(std::filesystem::path());
    result.locale = QLocale().name();
    return result;
}

}  // namespace sorbeta
