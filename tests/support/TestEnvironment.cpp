#include "TestEnvironment.h"

#include <linux/capability.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QThread>
#include <cstdlib>

namespace sorbeta::test {
namespace fs = std::filesystem;

namespace {

void makeWritableRecursively(const fs::path& root) {
    // Tests leave unreadable folders behind; give them back their permissions
    // so the temporary folder can be removed.
    std::error_code error;
    ::chmod(root.c_str(), 0700);
    for (auto it = fs::recursive_directory_iterator(root, fs::directory_options::skip_permission_denied, error);
         it != fs::recursive_directory_iterator(); it.increment(error)) {
        if (error) break;
        if (it->is_symlink(error)) continue;
        if (it->is_directory(error)) ::chmod(it->path().c_str(), 0700);
    }
}

}  // namespace

TempHome::TempHome() : dir_(std::make_unique<QTemporaryDir>()) {
    root_ = fs::path(dir_->path().toStdString());
    char buffer[PATH_MAX];
    if (::realpath(root_.c_str(), buffer)) root_ = buffer;
    home_ = root_ / "home";
    outside_ = root_ / "outside";
    fs::create_directories(home_);
    fs::create_directories(outside_);
    ::setenv("HOME", home_.c_str(), 1);
    ::setenv("XDG_DATA_HOME", (home_ / ".local/share").c_str(), 1);
    ::setenv("XDG_CONFIG_HOME", (home_ / ".config").c_str(), 1);
    ::setenv("XDG_CACHE_HOME", (home_ / ".cache").c_str(), 1);
    ::setenv("XDG_STATE_HOME", (home_ / ".local/state").c_str(), 1);
    // Short-lived files of ours (the share card's picture) stay in the test too.
    fs::create_directories(root_ / "run");
    ::chmod((root_ / "run").c_str(), 0700);
    ::setenv("XDG_RUNTIME_DIR", (root_ / "run").c_str(), 1);
    // A scan in a test measures system folders of its own, never the machine's /opt.
    ::setenv("SORBETA_SYSTEM_ROOT", (root_ / "system").c_str(), 1);
    places_ = platform::Places::fromEnvironment();
}

TempHome::~TempHome() {
    makeWritableRecursively(root_);
    // QTemporaryDir cannot remove names that are not UTF-8; remove by bytes first.
    std::error_code error;
    fs::remove_all(root_, error);
}

bool waitUntil(const std::function<bool()>& predicate, int timeoutMs) {
    QDeadlineTimer deadline(timeoutMs);
    while (!predicate()) {
        if (deadline.hasExpired()) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(1);
    }
    return true;
}

void dropFilePermissionOverrides() {
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct data[2]{};
    if (syscall(SYS_capget, &header, data) != 0) return;
    for (int cap : {CAP_DAC_OVERRIDE, CAP_DAC_READ_SEARCH, CAP_FOWNER}) {
        data[cap / 32].effective &= ~(1u << (cap % 32));
        data[cap / 32].permitted &= ~(1u << (cap % 32));
        data[cap / 32].inheritable &= ~(1u << (cap % 32));
    }
    syscall(SYS_capset, &header, data);
}

bool permissionsEnforced() {
    static const bool enforced = [] {
        char templ[] = "/tmp/sorbeta-perm-XXXXXX";
        if (!::mkdtemp(templ)) return false;
        ::chmod(templ, 0);
        const bool denied = ::access(templ, R_OK) != 0;
        ::chmod(templ, 0700);
        ::rmdir(templ);
        return denied;
    }();
    return enforced;
}

}  // namespace sorbeta::test
