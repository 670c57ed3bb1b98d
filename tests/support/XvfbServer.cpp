#include "XvfbServer.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>
#include <vector>

namespace sorbeta::test {

namespace {
constexpr const char* kXvfb = "/usr/bin/Xvfb";
}

XvfbServer::XvfbServer() {
    if (::access(kXvfb, X_OK) != 0) return;
    int ends[2];
    if (::pipe(ends) != 0) return;
    // Xvfb picks a free display itself and writes its number to this descriptor.
    const std::string fd = std::to_string(ends[1]);
    std::vector<std::string> words{kXvfb,        "-displayfd", fd,    "-screen", "0",
                                   "320x240x24", "-nolisten",  "tcp", "-noreset"};
    std::vector<char*> argv;
    for (std::string& word : words) argv.push_back(word.data());
    argv.push_back(nullptr);
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::close(ends[0]);
        const int devnull = ::open("/dev/null", O_RDWR);
        ::dup2(devnull, 0);
        ::dup2(devnull, 1);
        ::dup2(devnull, 2);
        ::execv(kXvfb, argv.data());
        ::_exit(127);
    }
    ::close(ends[1]);
    if (pid < 0) {
        ::close(ends[0]);
        return;
    }
    pid_ = pid;
    std::string number;
    pollfd ready{ends[0], POLLIN, 0};
    while (::poll(&ready, 1, 5000) > 0) {
        char c = 0;
        if (::read(ends[0], &c, 1) != 1 || c == '\n') break;
        number += c;
    }
    ::close(ends[0]);
    if (!number.empty()) display_ = ":" + number;
}

XvfbServer::~XvfbServer() {
    if (pid_ <= 0) return;
    ::kill(pid_, SIGTERM);
    int status = 0;
    ::waitpid(pid_, &status, 0);
}

}  // namespace sorbeta::test
