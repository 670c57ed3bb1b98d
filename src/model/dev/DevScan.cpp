#include "model/dev/DevScan.h"

#include <array>
#include <cstring>

#include "model/dev/AndroidData.h"
#include "model/dev/ContainerData.h"
#include "model/dev/DevRun.h"
#include "model/dev/SimulatorData.h"
#include "model/dev/StaleProjects.h"
#include "model/dev/XcodeData.h"
#include "platform/Translate.h"

namespace sorbeta::DevScan {
namespace {

struct GroupLook {
    const char* id;
    const char* title;
    const char* icon;
    Flavor flavor;
    const char* note;
};

constexpr std::array<GroupLook, 7> kGroups = {{
    {"runtimes", SORBETA_TR_NOOP("模拟器运行时"), "iphone.gen3", Flavor::sky,
     SORBETA_TR_NOOP(
         "每个系统版本的模拟器镜像，动辄 8 G。默认勾上 60 天没用、没有设备在用、又不是最新版本的；删了以后要用再从 "
         "Xcode 下载。")},
    {"devices", SORBETA_TR_NOOP("模拟器设备"), "ipad.and.iphone", Flavor::blueberry,
     SORBETA_TR_NOOP("每台模拟器里装的 App 和数据。默认勾上 90 天没开过的，以及运行时已经被删掉的。")},
    {"archives", SORBETA_TR_NOOP("Xcode 归档"), "archivebox", Flavor::grape,
     SORBETA_TR_NOOP("按 App 分组，每个 App 默认保留最新的 2 个归档。删掉的归档不能再重新导出或上传。")},
    {"xcodes", SORBETA_TR_NOOP("多个 Xcode"), "hammer", Flavor::peach,
     SORBETA_TR_NOOP("装了不止一个 Xcode。不会默认勾选，确认不用了再移到废纸篓。")},
    {"android", SORBETA_TR_NOOP("Android SDK"), "cpu", Flavor::lime,
     SORBETA_TR_NOOP("系统镜像和模拟器。默认勾上 90 天没动过的模拟器；镜像要用时可以用 SDK Manager 重新下载。")},
    {"vms", SORBETA_TR_NOOP("Docker 与虚拟机"), "shippingbox.circle", Flavor::mint,
     SORBETA_TR_NOOP("容器和虚拟机的磁盘文件。这里只帮你看大小；Docker 开着时可以一键清掉不用的镜像和容器。")},
    {"stale", SORBETA_TR_NOOP("很久没动的项目"), "folder.badge.questionmark", Flavor::bubblegum,
     SORBETA_TR_NOOP("90 天没改过的项目，只清它们的依赖和构建产物（node_modules、target、Pods…），代码不动，被 git "
                     "跟踪的也不动。")},
}};

void appendIfAny(std::vector<DevGroup>& groups, const char* id, std::vector<DevEntry> entries) {
    if (!entries.empty()) groups.push_back(makeGroup(id, std::move(entries)));
}

}  // namespace

DevGroup makeGroup(const char* id, std::vector<DevEntry> entries) {
    for (const GroupLook& look : kGroups) {
        if (std::strcmp(look.id, id) != 0) continue;
        return DevGroup{QString::fromUtf8(look.id), sorbeta::tr(look.title), QString::fromUtf8(look.icon), look.flavor,
                        sorbeta::tr(look.note),     std::move(entries)};
    }
    return DevGroup{QString::fromUtf8(id), {}, {}, Flavor::cloud, {}, std::move(entries)};
}

std::vector<DevGroup> all(const DevEnvironment& environment) {
    const auto tool = [&](std::vector<std::string> arguments) {
        return run(environment.xcrun, arguments, environment.toolTimeLimit, environment.toolEnvironment);
    };
    std::vector<DevGroup> groups;

    // Devices first: the runtimes are judged by how many devices use them.
    std::optional<DevParse::DeviceListing> devices;
    if (const auto listing = tool({"simctl", "list", "devices", "-j"}))
        devices = DevParse::devices(*listing, environment.now(), kDeviceFloor);
    if (const auto listing = tool({"simctl", "runtime", "list", "-j"})) {
        const auto byRuntime = devices ? std::optional(devices->byRuntime) : std::nullopt;
        appendIfAny(groups, "runtimes", DevParse::runtimes(*listing, byRuntime, environment.now()));
    }
    if (devices) appendIfAny(groups, "devices", std::move(devices->entries));

    appendIfAny(groups, "archives", archives(environment));
    // One Xcode is the one in use: only a second one is worth a group.
    if (auto xcodes = xcodeApps(environment); xcodes.size() >= 2) appendIfAny(groups, "xcodes", std::move(xcodes));
    appendIfAny(groups, "android", androidEntries(environment.now(), environment));
    appendIfAny(groups, "vms", vmEntries(environment));
    appendIfAny(groups, "stale", staleProjects(environment.now(), environment.codeRoots, environment));
    return groups;
}

}  // namespace sorbeta::DevScan
