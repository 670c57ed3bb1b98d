#pragma once
// Fake installed applications on a temporary home: bundles with an
// Info.plist, AppImages and unpacked folders (copies of /bin/sleep, so they
// really run), and the user desktop entries that name them.
#include <QString>
#include <filesystem>
#include <map>
#include <string>

#include "FileTree.h"
#include "TestEnvironment.h"
#include "model/uninstall/UninstallPlaces.h"

namespace sorbeta::test {

// Places whose system application folder lies inside the temporary root.
inline UninstallPlaces uninstallPlaces(const platform::Places& places, const std::filesystem::path& systemApps) {
    UninstallPlaces where;
    where.places = places;
    where.systemApplications = systemApps;
    where.locale = QStringLiteral("zh_CN");
    where.display = std::string();  // never a desktop: the polite quit is SIGTERM
    return where;
}

inline std::string plist(const std::map<std::string, std::string>& strings) {
    std::string body;
    for (const auto& [key, value] : strings) body += "<key>" + key + "</key><string>" + value + "</string>";
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<plist version=\"1.0\"><dict>" + body + "</dict></plist>\n";
}

// A bundle at `relative` whose program Contents/MacOS/<exe> is a copy of /bin/sleep.
inline std::filesystem::path bundle(FileTree& tree, const std::filesystem::path& relative,
                                    std::map<std::string, std::string> info, const std::string& exe = "tool") {
    info.emplace("CFBundleExecutable", exe);
    tree.text(relative / "Contents/Info.plist", plist(info));
    tree.dir(relative / "Contents/MacOS");
    std::filesystem::copy_file("/bin/sleep", tree.at(relative / "Contents/MacOS" / exe));
    return tree.at(relative);
}

// An executable copy of /bin/sleep at `relative`.
inline std::filesystem::path program(FileTree& tree, const std::filesystem::path& relative) {
    tree.dir(relative.parent_path());
    std::filesystem::copy_file("/bin/sleep", tree.at(relative));
    return tree.at(relative);
}

// A user desktop entry {data}/applications/<id>.desktop.
inline std::filesystem::path desktopEntry(const platform::Places& places, const std::string& id,
                                          const std::string& body) {
    FileTree tree(places.dataHome / "applications");
    return tree.text(id + ".desktop", "[Desktop Entry]\nType=Application\n" + body);
}

}  // namespace sorbeta::test
