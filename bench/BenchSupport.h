// Small helpers every benchmark program shares: timing, medians and a
// throw-away home under /tmp. Header-only, so each benchmark stays one program.
#pragma once

#include <stdlib.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace sorbeta::bench {

using Clock = std::chrono::steady_clock;

inline double msSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// Wall time of one call, in seconds.
inline double seconds(const std::function<void()>& work) {
    const auto start = Clock::now();
    work();
    return std::chrono::duration<double>(Clock::now() - start).count();
}

inline double median(std::vector<double> values) {
    if (values.empty()) return 0;
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// A fresh folder /tmp/sorbeta-bench-<name>-XXXXXX holding "home", made the
// process's HOME with every XDG base folder at its default inside it.
// Returns false when the folder cannot be made.
struct ScratchHome {
    std::filesystem::path base;
    std::filesystem::path home;

    bool make(const std::string& name) {
        std::string pattern = "/tmp/sorbeta-bench-" + name + "-XXXXXX";
        if (!::mkdtemp(pattern.data())) return false;
        base = pattern;
        home = base / "home";
        std::error_code error;
        std::filesystem::create_directories(home, error);
        if (error) return false;
        ::setenv("HOME", home.c_str(), 1);
        for (const char* xdg : {"XDG_DATA_HOME", "XDG_CONFIG_HOME", "XDG_CACHE_HOME", "XDG_STATE_HOME"})
            ::unsetenv(xdg);
        return true;
    }

    void remove() const {
        std::error_code error;
        if (!base.empty()) std::filesystem::remove_all(base, error);
    }
};

}  // namespace sorbeta::bench
