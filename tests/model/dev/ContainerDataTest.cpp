#include "model/dev/ContainerData.h"

#include <gtest/gtest.h>

#include "DevTestSupport.h"
#include "model/dev/DevPaths.h"

namespace sorbeta {
namespace {

namespace fs = std::filesystem;

TEST(ContainerData, DockerSizesAsTheEnginePrintsThem) {
    const std::vector<std::pair<const char*, std::optional<int64_t>>> cases = {
        {"1.5GB", 1'500'000'000},
        {"512kB", 512'000},
        {"12KB", 12'000},
        {"0B", 0},
        {"3TB", 3'000'000'000'000},
        {"2.25MB", 2'250'000},
        {"1.2GB (50%)", 1'200'000'000},
        {"  700MB  (3%)", 700'000'000},
        {"+2MB", 2'000'000},
        {"1.5 GB", std::nullopt},  // the number alone has no unit
        {"1.5gb", std::nullopt},
        {"GB", std::nullopt},
        {"", std::nullopt},
        {"   ", std::nullopt},
        {"abc", std::nullopt},
        {"-1GB", std::nullopt},
        {"nanGB", std::nullopt},
        {"infB", std::nullopt},
        {"1e30TB", std::nullopt},  // beyond 64 bits
        {"9.3e18B", std::nullopt},
        {"9.2e18B", 9'200'000'000'000'000'000},
    };
    for (const auto& [text, expected] : cases) EXPECT_EQ(DevScan::parseDockerSize(text), expected) << text;

    EXPECT_EQ(DevScan::reclaimedSpace("Deleted Containers:\nabc\n\nTotal reclaimed space: 1.2GB\n"), 1'200'000'000);
    EXPECT_EQ(DevScan::reclaimedSpace("Total reclaimed space: 1MB\nTotal reclaimed space: 3MB\n"), 3'000'000);
    EXPECT_EQ(DevScan::reclaimedSpace("Total reclaimed space: 0B"), 0);
    EXPECT_EQ(DevScan::reclaimedSpace("Nothing to prune\n"), std::nullopt);
    EXPECT_EQ(DevScan::reclaimedSpace("Total reclaimed space: lots"), std::nullopt);
}

class ContainerDataTest : public test::DevHomeTest {};

TEST_F(ContainerDataTest, FoldersAboveTheFloorAfterThePruneEntry) {
    allocated(".colima/disk.img", 101'000'000);
    allocated("Library/Containers/com.docker.docker/Data/vms/0/data.raw", 101'000'000);
    allocated("VirtualBox VMs/small/disk.vdi", 99'000'000);  // at most 100,000,000: not listed
    allocated(".local/share/libvirt/images/vm.qcow2", 102'000'000);
    tool("docker", R"(
        [ "$*" = "system df --format {{.Reclaimable}}" ] || exit 9
        printf '1.5GB (50%%)\n0B\n\n512kB (1%%)\nnot a size\n')");

    const auto entries = DevScan::vmEntries(environment);
    ASSERT_EQ(entries.size(), 4u);
    // The prune entry comes first even though it is smaller than the folders.
    EXPECT_EQ(entries[0].id, "docker:prune");
    EXPECT_EQ(entries[0].title, "Docker 不用的镜像和容器");
    EXPECT_EQ(entries[0].detail, "docker system prune");
    EXPECT_EQ(entries[0].bytes, 1'500'512'000);
    EXPECT_EQ(entries[0].action, DevEntry::Action(DevEntry::DockerPrune{}));
    EXPECT_FALSE(entries[0].recommended);

    const fs::path desktop = home() / "Library/Containers/com.docker.docker/Data/vms";
    EXPECT_EQ(entries[1].id, "vm:" + QString::fromStdString(desktop.native()));
    EXPECT_EQ(entries[1].title, "Docker Desktop");
    EXPECT_EQ(entries[1].detail, "~/Library/Containers/com.docker.docker/Data/vms");
    EXPECT_EQ(entries[1].action, DevEntry::Action(DevEntry::Reveal{desktop}));
    EXPECT_EQ(entries[1].bytes, DiskScanner::size(desktop));
    EXPECT_EQ(entries[2].title, "Colima");
    EXPECT_EQ(entries[3].title, "libvirt");
    EXPECT_EQ(entries[3].detail, "~/.local/share/libvirt/images");
    for (const DevEntry& entry : entries) EXPECT_FALSE(entry.recommended);

    // Without full disk access the places that would prompt are left alone.
    DiskScanner::setLimited(true);
    const auto limited = DevScan::vmEntries(environment);
    ASSERT_EQ(limited.size(), 3u);
    EXPECT_EQ(limited[1].title, "Colima");
}

// Docker Desktop for Linux keeps its machine's disk in ~/.docker/desktop/vms,
// rootless Docker its images and containers in the data folder.
TEST_F(ContainerDataTest, TheLinuxDockerPlaces) {
    allocated(".docker/desktop/vms/0/data/Docker.raw", 101'000'000);
    allocated(".local/share/docker/overlay2/layer/diff/blob", 101'000'000);

    const auto entries = DevScan::vmEntries(environment);
    ASSERT_EQ(entries.size(), 2u);
    const fs::path desktop = home() / ".docker/desktop/vms";
    EXPECT_EQ(entries[0].id, "vm:" + QString::fromStdString(desktop.native()));
    EXPECT_EQ(entries[0].title, "Docker Desktop");
    EXPECT_EQ(entries[0].detail, "~/.docker/desktop/vms");
    EXPECT_EQ(entries[0].bytes, DiskScanner::size(desktop));
    EXPECT_EQ(entries[0].action, DevEntry::Action(DevEntry::Reveal{desktop}));
    const fs::path rootless = places().dataHome / "docker";
    EXPECT_EQ(entries[1].title, "Docker (rootless)");
    EXPECT_EQ(entries[1].detail, "~/.local/share/docker");
    EXPECT_EQ(entries[1].action, DevEntry::Action(DevEntry::Reveal{rootless}));
    for (const DevEntry& entry : entries) EXPECT_FALSE(entry.recommended);
}

// A folder beside the home whose name starts like it, or one holding a copy
// of the home's path, is shown whole.
TEST_F(ContainerDataTest, OnlyTheHomeItselfIsWrittenAsTilde) {
    const fs::path sibling = home().native() + "2/vms";
    const fs::path mirror = outside().native() + home().native() + "/vms";
    environment.vmFolders = {{home() / "vms", "Home"}, {sibling, "Sibling"}, {mirror, "Mirror"}};
    for (const fs::path& folder : {home() / "vms", sibling, mirror}) allocated(folder / "disk.img", 101'000'000);

    const auto entries = DevScan::vmEntries(environment);
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[0].detail, "~/vms");
    EXPECT_EQ(entries[1].detail, QString::fromStdString(sibling.native()));
    EXPECT_EQ(entries[2].detail, QString::fromStdString(mirror.native()));

    // A home of "/" is never shortened; one written with a trailing slash still is.
    EXPECT_EQ(DevPaths::homeRelative("/home/al/x", "/"), "/home/al/x");
    EXPECT_EQ(DevPaths::homeRelative("/home/al/x", "/home/al/"), "~/x");
    EXPECT_EQ(DevPaths::homeRelative("/home/al", "/home/al"), "~");
    EXPECT_EQ(DevPaths::homeRelative("/home/al/文件", "/home/al"), QStringLiteral("~/文件"));
}

TEST_F(ContainerDataTest, NoPruneEntryWithoutSomethingToReclaim) {
    const auto hasPrune = [&] {
        const auto entries = DevScan::vmEntries(environment);
        return !entries.empty() && entries.front().id == "docker:prune";
    };
    EXPECT_FALSE(hasPrune());  // no engine installed
    tool("docker", "printf '0B\\n0B (0%%)\\n'");
    EXPECT_FALSE(hasPrune());
    tool("docker", "echo 'Cannot connect to the Docker daemon'");
    EXPECT_FALSE(hasPrune());
    tool("docker", "echo 1GB; exit 1");
    EXPECT_FALSE(hasPrune());
    tool("docker", "printf '1GB\\n\\xff\\n'");  // not UTF-8
    EXPECT_FALSE(hasPrune());
    tool("docker", "printf '9000000000TB\\n9000000000TB\\n'");  // a total beyond 64 bits
    EXPECT_FALSE(hasPrune());

    // The first candidate that is an executable file is the engine.
    tool("docker", "echo 2GB");
    const auto plain = tool("first", "echo 5GB");
    ::chmod(plain.c_str(), 0644);
    environment.dockerCandidates = {tools() / "missing", plain, tools(), tools() / "docker"};
    EXPECT_EQ(DevScan::dockerPath(environment), tools() / "docker");
    const auto entries = DevScan::vmEntries(environment);
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].bytes, 2'000'000'000);
}

TEST_F(ContainerDataTest, APruneCountsWhatTheEngineSaysItFreed) {
    EXPECT_EQ(DevScan::pruneDocker(environment).succeeded, false);  // no engine
    tool("docker", R"(
        [ "$*" = "system prune -f" ] || exit 9
        printf 'Deleted Images:\nuntagged: x\n\nTotal reclaimed space: 1.25GB\n')");
    const auto pruned = DevScan::pruneDocker(environment);
    EXPECT_TRUE(pruned.succeeded);
    EXPECT_EQ(pruned.freed, 1'250'000'000);

    // Without its report nothing is claimed; a failed prune frees nothing.
    tool("docker", "echo done");
    EXPECT_TRUE(DevScan::pruneDocker(environment).succeeded);
    EXPECT_EQ(DevScan::pruneDocker(environment).freed, 0);
    tool("docker", "echo 'Total reclaimed space: 3GB'; exit 1");
    EXPECT_FALSE(DevScan::pruneDocker(environment).succeeded);
    EXPECT_EQ(DevScan::pruneDocker(environment).freed, 0);
}

}  // namespace
}  // namespace sorbeta
