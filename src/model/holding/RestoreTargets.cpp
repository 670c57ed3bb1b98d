#include "model/holding/RestoreTargets.h"

#include "platform/FileOps.h"

namespace sorbeta {

RestoreTargets::RestoreTargets(std::filesystem::path home) : home_(std::move(home)) {}

RestoreTargets::Place RestoreTargets::placeOf(const std::string& original) {
    Place place;
    const std::string& home = home_.native();
    // A home folder of "/" would make the whole disk "below home".
    const bool below = home.size() >= 2 && original.size() > home.size() + 1 &&
                       original.compare(0, home.size(), home) == 0 && original[home.size()] == '/';
    if (!below) {
        place.kind = Kind::outside;
        return place;
    }
    std::vector<std::string> folders;
    std::size_t start = home.size() + 1;
    for (;;) {
        const std::size_t slash = original.find('/', start);
        if (slash == std::string::npos) break;
        folders.push_back(original.substr(start, slash - start));
        start = slash + 1;
    }
    place.name = original.substr(start);
    if (!platform::isPlainName(place.name)) return place;

    if (!homeOpened_) {
        homeFd_ = platform::openFolder(home_, platform::ParentLinks::follow);
        homeOpened_ = true;
    }
    if (!homeFd_.valid()) return place;
    if (!hasLast_ || folders != lastFolders_) {
        last_ = platform::openFolderBelow(homeFd_.get(), folders, platform::Create::yes);
        lastFolders_ = std::move(folders);
        hasLast_ = true;
    }
    using Result = platform::OpenedFolder::Result;
    switch (last_.result) {
        case Result::opened:
            place.kind = Kind::ready;
            place.folderFd = last_.fd.get();
            break;
        case Result::notAFolder: place.kind = Kind::blocked; break;
        default: place.kind = Kind::failed; break;
    }
    return place;
}

}  // namespace sorbeta
