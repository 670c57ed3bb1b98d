#include "model/dev/DevEnvironment.h"

#include <QtGlobal>

#include "platform/ProcessPlaces.h"
#include "platform/ProcessRunner.h"

namespace sorbeta {
namespace DevPlaces {

const std::vector<TildeFolder>& vmTildeFolders() {
    static const std::vector<TildeFolder> rows{
        {"~/.orbstack", "OrbStack"},
        {"~/Library/Containers/com.docker.docker/Data/vms", "Docker Desktop"},
        {"~/Library/Containers/com.utmapp.UTM/Data/Documents", "UTM"},
        {"~/Parallels", "Parallels"},
        {"~/.colima", "Colima"},
    };
    return rows;
}

std::vector<std::filesystem::path> dockerCandidates(const std::filesystem::path& home) {
    // Debian's package puts it in /usr/bin: tried last, after the installers' places.
    // A desktop session's PATH often lacks ~/bin and /snap/bin, so they are named here.
    return {"/usr/local/bin/docker",
            "/opt/homebrew/bin/docker",
            home.native() + "/.local/bin/docker",
            home.native() + "/bin/docker",
            home.native() + "/.orbstack/bin/docker",
            "/snap/bin/docker",
            "/usr/bin/docker"};
}

std::filesystem::path linuxAndroidSdk(const platform::Places& places, const QString& androidHome,
                                      const QString& androidSdkRoot) {
    for (const QString& variable : {androidHome, androidSdkRoot}) {
        const std::filesystem::path path = variable.toStdString();
        if (path.is_absolute()) return path;
    }
    return places.home / "Android/Sdk";
}

std::filesystem::path androidEmulators(const platform::Places& places, const QString& avdHome,
                                       const QString& userHome) {
    if (const std::filesystem::path path = avdHome.toStdString(); path.is_absolute()) return path;
    if (const std::filesystem::path path = userHome.toStdString(); path.is_absolute()) return path / "avd";
    return places.home / ".android/avd";
}

std::vector<DevVmFolder> linuxVmFolders(const platform::Places& places) {
    return {
        {places.dataHome / "libvirt/images", QStringLiteral("libvirt")},
        {places.home / "VirtualBox VMs", QStringLiteral("VirtualBox")},
        {places.dataHome / "gnome-boxes/images", QStringLiteral("GNOME Boxes")},
        {places.dataHome / "containers/storage", QStringLiteral("Podman")},
        // Docker Desktop's machine disk, as ~/Library/Containers/com.docker.docker/Data/vms on the Mac.
        {places.home / ".docker/desktop/vms", QStringLiteral("Docker Desktop")},
        // Rootless Docker keeps images, containers and volumes in the data folder.
        {places.dataHome / "docker", QStringLiteral("Docker (rootless)")},
        {places.home / ".vagrant.d/boxes", QStringLiteral("Vagrant")},
    };
}

}  // namespace DevPlaces

DevEnvironment DevEnvironment::system(const platform::Places& places) {
    DevEnvironment environment;
    environment.places = places;
    environment.dockerCandidates = DevPlaces::dockerCandidates(places.home);

    environment.toolEnvironment = platform::toolEnvironment(places.home);
    environment.placesInUse = [] { return platform::placesInUse(platform::ProcFolder()); };
    // The container engine's tool finds its daemon through these.
    for (const char* name : {"DOCKER_HOST", "XDG_RUNTIME_DIR"}) {
        if (qEnvironmentVariableIsSet(name))
            environment.toolEnvironment.push_back(std::string(name) + "=" + qgetenv(name).toStdString());
    }

    environment.androidImageRoots = {places.home / "Library/Android/sdk/system-images",
                                     DevPlaces::linuxAndroidSdk(places, qEnvironmentVariable("ANDROID_HOME"),
                                                                qEnvironmentVariable("ANDROID_SDK_ROOT")) /
                                         "system-images"};
    environment.androidEmulators = DevPlaces::androidEmulators(places, qEnvironmentVariable("ANDROID_AVD_HOME"),
                                                               qEnvironmentVariable("ANDROID_USER_HOME"));

    for (const auto& row : DevPlaces::vmTildeFolders())
        environment.vmFolders.push_back({places.expandTilde(row.path), QString::fromUtf8(row.title)});
    for (DevVmFolder& row : DevPlaces::linuxVmFolders(places)) environment.vmFolders.push_back(std::move(row));
    return environment;
}

}  // namespace sorbeta
