#pragma once
// A private X server for tests that need real windows: Xvfb on the first free
// display number, stopped (by its pid) when the object goes. running() is
// false where Xvfb is not installed or does not start; such tests skip.
#include <string>

namespace sorbeta::test {

class XvfbServer {
public:
    XvfbServer();
    ~XvfbServer();
    XvfbServer(const XvfbServer&) = delete;
    XvfbServer& operator=(const XvfbServer&) = delete;

    bool running() const { return pid_ > 0 && !display_.empty(); }
    const std::string& display() const { return display_; }  // ":<n>"

private:
    int pid_ = -1;
    std::string display_;
};

}  // namespace sorbeta::test
