#pragma once
// Every test runs on a home folder of its own: HOME and the XDG folders point
// into a fresh temporary folder, and the places built from them are at hand.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <filesystem>
#include <functional>
#include <memory>

#include "platform/Places.h"

namespace sorbeta::test {

class TempHome {
public:
    TempHome();
    ~TempHome();
    TempHome(const TempHome&) = delete;
    TempHome& operator=(const TempHome&) = delete;

    const std::filesystem::path& root() const { return root_; }  // holds home/ and outside/
    const std::filesystem::path& home() const { return home_; }
    // A folder beside home, for links that lead out of it.
    const std::filesystem::path& outside() const { return outside_; }
    // The places of this home, as the service container would build them,
    // with system folders looked up in root()/system.
    const platform::Places& places() const { return places_; }

private:
    std::unique_ptr<QTemporaryDir> dir_;
    std::filesystem::path root_, home_, outside_;
    platform::Places places_;
};

// A fixture that gives each test its own TempHome.
class HomeTest : public ::testing::Test {
protected:
    void SetUp() override { temp_ = std::make_unique<TempHome>(); }
    void TearDown() override { temp_.reset(); }
    const std::filesystem::path& home() const { return temp_->home(); }
    const std::filesystem::path& outside() const { return temp_->outside(); }
    const platform::Places& places() const { return temp_->places(); }

private:
    std::unique_ptr<TempHome> temp_;
};

// Runs the Qt event loop until the predicate holds or the timeout passes.
bool waitUntil(const std::function<bool()>& predicate, int timeoutMs = 5000);

// Test programs drop the capabilities that let root ignore file permissions,
// so unreadable folders behave as they do for a normal user. True when file
// permissions are enforced for this process.
bool permissionsEnforced();
void dropFilePermissionOverrides();

}  // namespace sorbeta::test
