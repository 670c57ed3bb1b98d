#include "ui/views/clean/AccessGuideFlow.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QPointer>
#include <vector>

namespace sorbeta {
namespace {

using std::chrono::milliseconds;

// Timers fired by hand: the test decides when a second has passed.
struct ManualTimers {
    struct Pending {
        milliseconds delay;
        QPointer<QObject> context;
        std::function<void()> fire;
    };
    std::vector<Pending> pending;

    AccessGuideFlow::Scheduler scheduler() {
        return [this](milliseconds delay, QObject* context, std::function<void()> fire) {
            pending.push_back({delay, context, std::move(fire)});
        };
    }
    // Fires everything due now; returns the delays fired.
    std::vector<milliseconds> fireAll() {
        auto due = std::move(pending);
        pending.clear();
        std::vector<milliseconds> fired;
        for (auto& timer : due) {
            if (!timer.context) continue;
            fired.push_back(timer.delay);
            timer.fire();
        }
        return fired;
    }
};

struct GuideHarness {
    bool access = false;
    int probes = 0;
    int opened = 0;
    std::vector<bool> finishes;
    ManualTimers timers;
    AccessGuideFlow flow{[this](bool granted) { finishes.push_back(granted); },
                         {[this] {
                              ++probes;
                              return access;
                          },
                          [this] { ++opened; }, timers.scheduler()}};
};

TEST(AccessGuideFlow, PollsOnlyAfterOpenSettingsThenSucceedsAfterPause) {
    GuideHarness h;
    h.access = true;  // granted before the button was ever pressed
    h.flow.applicationBecameActive();
    EXPECT_EQ(h.probes, 0);
    EXPECT_FALSE(h.flow.granted());
    EXPECT_TRUE(h.timers.pending.empty());

    h.flow.openSettings();  // the first pass runs at once and finds access
    EXPECT_EQ(h.opened, 1);
    EXPECT_TRUE(h.flow.waiting());
    EXPECT_TRUE(h.flow.granted());
    EXPECT_TRUE(h.finishes.empty());
    ASSERT_EQ(h.timers.pending.size(), 1u);
    EXPECT_EQ(h.timers.pending[0].delay, milliseconds(1100));

    h.flow.openSettings();  // no button any more: ignored
    h.flow.skip();
    h.flow.applicationBecameActive();
    EXPECT_EQ(h.opened, 1);
    EXPECT_TRUE(h.finishes.empty());

    h.timers.fireAll();
    EXPECT_EQ(h.finishes, std::vector<bool>{true});
    EXPECT_TRUE(h.flow.isOver());
}

TEST(AccessGuideFlow, KeepsOneSecondRhythmAcrossSecondPress) {
    GuideHarness h;
    h.flow.openSettings();
    EXPECT_EQ(h.probes, 1);
    ASSERT_EQ(h.timers.pending.size(), 1u);
    EXPECT_EQ(h.timers.pending[0].delay, milliseconds(1000));

    h.flow.openSettings();  // opens the page again, does not start a second poll
    EXPECT_EQ(h.opened, 2);
    EXPECT_EQ(h.probes, 1);
    EXPECT_EQ(h.timers.pending.size(), 1u);

    for (int second = 0; second < 3; ++second) EXPECT_EQ(h.timers.fireAll(), std::vector{milliseconds(1000)});
    EXPECT_EQ(h.probes, 4);
    EXPECT_FALSE(h.flow.granted());

    h.access = true;
    EXPECT_EQ(h.timers.fireAll(), std::vector{milliseconds(1000)});  // the pass that finds it
    EXPECT_TRUE(h.flow.granted());
    EXPECT_EQ(h.timers.fireAll(), std::vector{milliseconds(1100)});
    EXPECT_EQ(h.finishes, std::vector<bool>{true});
    EXPECT_TRUE(h.timers.pending.empty());  // polling ended
}

TEST(AccessGuideFlow, BecomingActiveWithAccessSucceedsWithoutWaitingForThePoll) {
    GuideHarness h;
    h.flow.openSettings();
    h.flow.applicationBecameActive();  // still no access: nothing
    EXPECT_FALSE(h.flow.granted());

    h.access = true;
    h.flow.applicationBecameActive();
    EXPECT_TRUE(h.flow.granted());
    // The pending poll pass sees `granted` and ends; the pause finishes once.
    h.timers.fireAll();
    h.timers.fireAll();
    EXPECT_EQ(h.finishes, std::vector<bool>{true});
}

TEST(AccessGuideFlow, SkipFinishesOnceWithFalse) {
    GuideHarness h;
    h.flow.openSettings();
    h.flow.skip();
    EXPECT_EQ(h.finishes, std::vector<bool>{false});
    h.flow.skip();
    h.access = true;
    h.timers.fireAll();  // a poll pass after the end does nothing
    h.flow.applicationBecameActive();
    EXPECT_EQ(h.finishes, std::vector<bool>{false});
    EXPECT_FALSE(h.flow.granted());

    GuideHarness fresh;  // skipping from the start state
    fresh.flow.skip();
    EXPECT_EQ(fresh.finishes, std::vector<bool>{false});
    EXPECT_FALSE(fresh.flow.waiting());
}

TEST(AccessGuideFlow, RealTimersNeverOutliveTheGuide) {
    int finishes = 0;
    auto* flow = new AccessGuideFlow([&](bool) { ++finishes; }, {[] { return true; }, [] {}, {}});
    flow->openSettings();
    EXPECT_TRUE(flow->granted());
    delete flow;  // removed during the pause: the timer dies with it
    QCoreApplication::processEvents();
    EXPECT_EQ(finishes, 0);
}

}  // namespace
}  // namespace sorbeta
