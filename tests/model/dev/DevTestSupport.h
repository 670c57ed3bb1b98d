#pragma once
// A temporary home for the developer scanners: an environment whose tools
// are small bash scripts outside the home, a fixed clock, and files that
// occupy real blocks without writing them.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDateTime>
#include <chrono>
#include <fstream>
#include <memory>
#include <string>

#include "FileTree.h"
#include "TestEnvironment.h"
#include "model/dev/DevEnvironment.h"
#include "model/disk/Measure.h"

namespace sorbeta::test {

class DevHomeTest : public HomeTest {
protected:
    void SetUp() override {
        HomeTest::SetUp();
        tree = std::make_unique<FileTree>(home());
        now = QDateTime::fromSecsSinceEpoch(QDateTime::currentSecsSinceEpoch(), Qt::UTC);
        environment = DevEnvironment::system(places());
        environment.xcrun = tools() / "xcrun";
        environment.applications = outside() / "Applications";
        environment.dockerCandidates = {tools() / "docker"};
        environment.androidImageRoots = {home() / "Library/Android/sdk/system-images",
                                         home() / "Android/Sdk/system-images"};
        environment.toolTimeLimit = std::chrono::seconds(5);
        environment.now = [this] { return now; };
    }
    void TearDown() override {
        DiskScanner::setLimited(false);
        tree.reset();
        HomeTest::TearDown();
    }

    std::filesystem::path tools() const { return outside() / "tools"; }

    // An executable bash script with the given body.
    std::filesystem::path tool(const std::string& name, const std::string& body) {
        std::filesystem::create_directories(tools());
        const auto path = tools() / name;
        std::ofstream(path) << "#!/bin/bash\n" << body << "\n";
        ::chmod(path.c_str(), 0755);
        return path;
    }

    // A file `bytes` long whose blocks are allocated but never written.
    std::filesystem::path allocated(const std::filesystem::path& relative, int64_t bytes) {
        const auto path = tree->at(relative);
        std::filesystem::create_directories(path.parent_path());
        const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
        EXPECT_GE(fd, 0);
        EXPECT_EQ(::posix_fallocate(fd, 0, bytes), 0);
        ::close(fd);
        return path;
    }

    // Modification time `seconds` before the test's now.
    void ageSeconds(const std::filesystem::path& relative, int64_t seconds) {
        tree->setModified(
            relative, std::chrono::system_clock::time_point(std::chrono::seconds(now.toSecsSinceEpoch() - seconds)));
    }
    void ageDays(const std::filesystem::path& relative, int64_t days) { ageSeconds(relative, days * 86'400); }

    std::unique_ptr<FileTree> tree;
    QDateTime now;
    DevEnvironment environment;
};

}  // namespace sorbeta::test
