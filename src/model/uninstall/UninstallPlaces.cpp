#include "model/uninstall/UninstallPlaces.h"

#include <QLocale>
#include <cstdlib>
#include <string_view>

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
    if (const char* path = std::getenv("PATH")) {
        // Only absolute folders: a relative one means wherever the app was started.
        std::string_view rest(path);
        for (;;) {
            const std::size_t end = rest.find(':');
            const std::string_view folder = rest.substr(0, end);
            if (folder.starts_with('/')) result.programFolders.emplace_back(folder);
            if (end == std::string_view::npos) break;
            rest.remove_prefix(end + 1);
        }
    }
    return result;
}

}  // namespace sorbeta
