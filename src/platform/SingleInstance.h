#pragma once
// One Sorbeta per user. The first instance holds a lock file in the data
// folder and listens on a local socket beside it; a later launch finds the
// lock taken, asks the running instance to show its window and exits. The
// relaunch after a language change is the exception: the old instance lets
// go of the lock before it starts the new one, and the new one, started with
// kRelaunchArgument, waits for the lock instead of handing over.
#include <QString>
#include <QStringList>
#include <filesystem>
#include <functional>
#include <memory>

class QLocalServer;
class QLockFile;

namespace sorbeta::platform {

class SingleInstance {
public:
    // The argument a relaunched instance is started with.
    static constexpr const char* kRelaunchArgument = "--relaunched";
    // How long a relaunched instance waits for the old one to let go.
    static constexpr int kRelaunchWaitMs = 10'000;

    // Lock and socket live in `dataFolder` (made with mode 0700 if missing).
    explicit SingleInstance(std::filesystem::path dataFolder);
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    enum class Claim {
        claimed,      // this is the one instance now
        taken,        // another instance holds the lock
        unavailable,  // no lock could be made (a full disk, a folder we may not write)
    };
    // Tries to become the one instance, waiting up to `waitMs` for the lock.
    Claim claim(int waitMs);
    // Asks the running instance to show itself; false when none answered.
    bool handOver() const;
    // Once claimed: `raise` runs on this thread whenever a later launch
    // hands over.
    void listen(std::function<void()> raise);
    // Lets go of the lock and the socket, so that a new instance can claim.
    void release();

    bool holdsLock() const;

    // Whether the arguments (without the program) mark a relaunch, and the
    // arguments to relaunch with: the same ones, marked once.
    static bool isRelaunch(const QStringList& arguments);
    static QStringList relaunchArguments(const QStringList& arguments);

private:
    QString socketName() const;

    std::filesystem::path dataFolder_;
    std::unique_ptr<QLockFile> lock_;
    std::unique_ptr<QLocalServer> server_;
};

}  // namespace sorbeta::platform
