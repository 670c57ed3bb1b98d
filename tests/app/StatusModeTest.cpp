#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QLabel>
#include <QTest>
#include <atomic>

#include "TestEnvironment.h"
#include "WindowParts.h"
#include "app/AppServices.h"
#include "app/WorkingView.h"
#include "model/status/StatusModel.h"
#include "ui/views/clean/Toasts.h"
#include "ui/views/status/StatusMain.h"

using namespace sorbeta;
using namespace sorbeta::test;

namespace {

struct Counts {
    std::atomic<int> samples = 0;
    std::atomic<int> hardware = 0;
};

StatusModel::Sources countingSources(Counts& counts) {
    StatusModel::Sources s;
    s.memory = [&counts] {
        ++counts.samples;
        return MemoryBreakdown{.total = 8 << 20, .app = 2 << 20, .free = 6 << 20};
    };
    s.cpuTicks = [] { return platform::CpuTicks{}; };
    s.loadAverage = [] { return std::optional<double>(); };
    s.battery = [] { return std::optional<BatteryInfo>(); };
    s.memoryHogs = [](int) { return std::vector<MemoryHog>(); };
    s.hardware = [&counts] {
        ++counts.hardware;
        return HardwareNames{QStringLiteral("Box"), QStringLiteral("Chip")};
    };
    s.purge = [] { return PurgeCommand::Outcome(); };
    s.quit = [](const MemoryHog&) {};
    return s;
}

}  // namespace

class StatusModeTest : public test::HomeTest {};

TEST_F(StatusModeTest, SamplerRunsOnlyWhileTheStatusModeIsShown) {
    Counts counts;
    AppServices services(ModelEnvironment::system(places()), countingSources(counts));
    WorkingView view(services);
    view.resize(1280, 820);
    view.show();
    StatusModel& status = services.status();
    EXPECT_FALSE(status.sampling());
    EXPECT_EQ(counts.samples, 0);  // the clean mode loads nothing of the status

    view.setMode(AppMode::status);
    ASSERT_TRUE(waitUntil([&] { return status.sampling(); }));
    EXPECT_EQ(counts.hardware, 1);
    EXPECT_GE(counts.samples, 1);
    EXPECT_NE(mainPaneFor(&view, AppMode::status)->findChild<StatusMain*>(), nullptr);

    view.setMode(AppMode::uninstall);
    EXPECT_FALSE(status.sampling());
    view.setMode(AppMode::status);
    ASSERT_TRUE(waitUntil([&] { return status.sampling(); }));
    EXPECT_EQ(counts.hardware, 1);  // the names are read once
    view.hide();
    EXPECT_FALSE(status.sampling());
    view.show();
    EXPECT_TRUE(waitUntil([&] { return status.sampling(); }));
}

TEST_F(StatusModeTest, MemoryToastShowsTheFreedBytesAndClearsThem) {
    Counts counts;
    AppServices services(ModelEnvironment::system(places()), countingSources(counts));
    WorkingView view(services);
    view.resize(1280, 820);
    view.show();
    EXPECT_EQ(child<CandyToast>(&view, "memoryToast"), nullptr);
    services.status().setLastFreed(int64_t(1) << 30);
    auto* toast = child<CandyToast>(&view, "memoryToast");
    ASSERT_NE(toast, nullptr);
    const auto labels = toast->findChildren<QLabel*>();
    const bool titled = std::any_of(labels.begin(), labels.end(),
                                    [](QLabel* label) { return label->text() == QStringLiteral("腾出了 1.0 G 内存"); });
    EXPECT_TRUE(titled);
    EXPECT_EQ(toast->remaining(), 7);
    // Its button closes it and clears the value.
    const auto buttons = toast->findChildren<QAbstractButton*>();
    ASSERT_FALSE(buttons.empty());
    QTest::mouseClick(buttons.back(), Qt::LeftButton, {}, buttons.back()->rect().center());
    EXPECT_TRUE(waitUntil([&] { return !services.status().lastFreed(); }));
    EXPECT_TRUE(waitUntil([&] { return child<CandyToast>(&view, "memoryToast") == nullptr; }));
}
