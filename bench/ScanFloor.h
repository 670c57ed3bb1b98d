#pragma once
// What the scan is measured against: the floor of this machine (a bare
// parallel metadata walk of the whole home written here, with nothing of the
// engine in it), `du -sx` and `gdu -npc` of the same home, and the shape that
// makes a home hard to walk fast (one very deep and one very flat place).
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QElapsedTimer>
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <cstdio>
#include <deque>
#include <filesystem>
#include <fstream>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <unordered_set>
#include <vector>

#include "platform/FolderEntries.h"

namespace bench {

// ---- the floor: every folder a task on a shared queue, read through its own
// descriptor (getdents64, fstatat relative to it), hard links counted once.
struct FloorFigures {
    double ms = 0;
    int64_t entries = 0;
    int64_t bytes = 0;
};

class FloorWalk {
public:
    explicit FloorWalk(int threads) : threads_(threads) {}

    FloorFigures run(const std::filesystem::path& root) {
        QElapsedTimer timer;
        timer.start();
        struct stat rootInfo {};
        if (::lstat(root.c_str(), &rootInfo) != 0) return {};
        device_ = rootInfo.st_dev;
        entries_ = 1;
        bytes_ = 0;
        seen_.clear();
        push(Task{std::make_shared<Fd>(::open(".", O_PATH | O_CLOEXEC)), std::filesystem::absolute(root).native()});
        std::vector<std::thread> workers;
        for (int i = 0; i < threads_; ++i) workers.emplace_back([this] { work(); });
        for (std::thread& worker : workers) worker.join();
        return {double(timer.nsecsElapsed()) / 1e6, entries_.load(), bytes_.load()};
    }

private:
    struct Fd {
        int fd;
        explicit Fd(int value) : fd(value) {}
        ~Fd() {
            if (fd >= 0) ::close(fd);
        }
    };
    struct Task {
        std::shared_ptr<Fd> parent;
        std::string name;  // relative to parent
    };

    void push(Task task) {
        std::lock_guard guard(lock_);
        ++pending_;
        queue_.push_back(std::move(task));
        wake_.notify_one();
    }

    void work() {
        std::vector<char> buffer(1 << 16);
        for (;;) {
            Task task;
            {
                std::unique_lock guard(lock_);
                wake_.wait(guard, [this] { return !queue_.empty() || pending_ == 0; });
                if (queue_.empty()) return;
                task = std::move(queue_.back());
                queue_.pop_back();
            }
            folder(task, buffer);
            std::lock_guard guard(lock_);
            if (--pending_ == 0) wake_.notify_all();
        }
    }

    void folder(const Task& task, std::vector<char>& buffer) {
        auto self = std::make_shared<Fd>(
            ::openat(task.parent->fd, task.name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
        if (self->fd < 0) return;
        int64_t entries = 0, bytes = 0;
        sorbeta::platform::forEachEntry(self->fd, buffer, [&](const char* name, unsigned char) {
            struct stat info {};
            ++entries;
            if (::fstatat(self->fd, name, &info, AT_SYMLINK_NOFOLLOW) != 0) return true;
            if (S_ISDIR(info.st_mode)) {
                if (info.st_dev == device_) push(Task{self, name});
                return true;
            }
            if (info.st_nlink >= 2) {
                std::lock_guard guard(seenLock_);
                if (!seen_.insert(uint64_t(info.st_ino)).second) return true;
            }
            bytes += int64_t(info.st_blocks) * 512;
            return true;
        });
        entries_ += entries;
        bytes_ += bytes;
    }

    int threads_;
    dev_t device_ = 0;
    std::mutex lock_;
    std::condition_variable wake_;
    std::deque<Task> queue_;
    int64_t pending_ = 0;
    std::atomic<int64_t> entries_{0}, bytes_{0};
    std::mutex seenLock_;
    std::unordered_set<uint64_t> seen_;
};

// ---- the tools. Each runs with its output thrown away; the time is the wall time.
inline double timedTool(const std::vector<std::string>& command) {
    std::vector<char*> argv;
    for (const std::string& word : command) argv.push_back(const_cast<char*>(word.c_str()));
    argv.push_back(nullptr);
    QElapsedTimer timer;
    timer.start();
    const pid_t child = ::fork();
    if (child == 0) {
        const int null = ::open("/dev/null", O_WRONLY);
        ::dup2(null, 1);
        ::dup2(null, 2);
        ::execv(argv[0], argv.data());
        ::_exit(127);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return -1;
    return double(timer.nsecsElapsed()) / 1e6;
}

inline double duOfHome(const std::filesystem::path& home) { return timedTool({"/usr/bin/du", "-sx", home.native()}); }

// -1 when gdu is not installed (scripts/dev.sh bench installs it).
inline double gduOfHome(const std::filesystem::path& home) {
    if (::access("/usr/bin/gdu", X_OK) != 0) return -1;
    return timedTool({"/usr/bin/gdu", "-npc", home.native()});
}

// ---- the hard shapes: a flat folder of `flat` files (a cache that never
// prunes) and chains of folders 40 deep (build products, old npm layouts).
inline int addDeepAndFlat(const std::filesystem::path& home, int flat) {
    namespace fs = std::filesystem;
    int made = 0;
    const auto write = [&](const fs::path& path, int bytes) {
        std::ofstream(path, std::ios::binary) << std::string(std::size_t(bytes), 'x');
        ++made;
    };
    const fs::path flatFolder = home / "Library/Caches/com.flat.cache";
    fs::create_directories(flatFolder);
    for (int i = 0; i < flat; ++i) write(flatFolder / ("entry-" + std::to_string(i) + ".cache"), 100 + i % 3000);
    for (int chain = 0; chain < 12; ++chain) {
        fs::path folder = home / "Library/Developer/Xcode/DerivedData" / ("Deep-" + std::to_string(chain));
        for (int level = 0; level < 40; ++level) {
            folder /= "level" + std::to_string(level);
            fs::create_directories(folder);
            for (int i = 0; i < 25; ++i) write(folder / ("part" + std::to_string(i) + ".o"), 200 + i * 40);
        }
    }
    return made;
}

}  // namespace bench
