#include <gtest/gtest.h>

#include <vector>

#include "model/dialog/CandyDialog.h"

namespace sorbeta {
namespace {

CandyDialog dialog(const QString& title, CandyDialog::Host host = CandyDialog::Host::main) {
    CandyDialog d;
    d.emoji = QStringLiteral("✋");
    d.title = title;
    d.choices = {{QStringLiteral("好"), Flavor::strawberry, true, false},
                 {QStringLiteral("不"), Flavor::cloud, false, true}};
    d.host = host;
    return d;
}

// Awaits one dialog and records what it returned and what was current then.
QCoro::Task<> askAndRecord(CandyDialogCenter& center, CandyDialog d, std::vector<int>& answers,
                           std::vector<QString>& currentAtResume) {
    QCoro::Task<int> asking = center.ask(std::move(d));
    const int index = co_await asking;
    answers.push_back(index);
    currentAtResume.push_back(center.current() ? center.current()->title : QStringLiteral("-"));
}

TEST(CandyDialogCenterTest, QueueIsFirstInFirstOutAndNextIsCurrentBeforeCallerResumes) {
    CandyDialogCenter center;
    int changes = 0;
    QObject::connect(&center, &CandyDialogCenter::currentChanged, [&] { ++changes; });
    std::vector<int> answers;
    std::vector<QString> currentAtResume;

    auto first = askAndRecord(center, dialog("A"), answers, currentAtResume);
    auto second = askAndRecord(center, dialog("B"), answers, currentAtResume);
    ASSERT_TRUE(center.current());
    EXPECT_EQ(center.current()->title, "A");
    EXPECT_EQ(center.waiting(), 1);
    EXPECT_EQ(changes, 1);

    center.choose(1);
    ASSERT_EQ(answers, std::vector<int>{1});
    EXPECT_EQ(currentAtResume.front(), "B");  // B was already on screen when A's caller resumed
    EXPECT_EQ(center.waiting(), 0);

    center.choose(0);
    EXPECT_EQ(answers, (std::vector<int>{1, 0}));
    EXPECT_EQ(currentAtResume.back(), "-");
    EXPECT_FALSE(center.isShowing());
    EXPECT_EQ(changes, 3);

    center.choose(0);  // nothing current: ignored
    EXPECT_EQ(answers.size(), 2u);
    EXPECT_TRUE(first.isReady());
    EXPECT_TRUE(second.isReady());
}

TEST(CandyDialogCenterTest, CallerAskingAgainQueuesBehindTheWaitingDialogs) {
    CandyDialogCenter center;
    std::vector<QString> order;
    // A named closure: a coroutine lambda's captures live in the closure object.
    auto asker = [&]() -> QCoro::Task<> {
        QCoro::Task<int> first = center.ask(dialog("A"));
        co_await first;
        order.push_back("A answered");
        QCoro::Task<int> second = center.ask(dialog("A2"));
        co_await second;
        order.push_back("A2 answered");
    };
    auto chain = asker();
    center.confirm(dialog("B"), [&] { order.push_back("B confirmed"); });

    center.choose(0);  // A; A2 is asked from the continuation and waits behind B
    ASSERT_TRUE(center.current());
    EXPECT_EQ(center.current()->title, "B");
    center.choose(0);
    EXPECT_EQ(center.current()->title, "A2");
    center.choose(1);
    EXPECT_EQ(order, (std::vector<QString>{"A answered", "B confirmed", "A2 answered"}));
    EXPECT_TRUE(chain.isReady());
}

TEST(CandyDialogCenterTest, ConfirmRunsOnlyForTheFirstButtonAndHostsFilterTheOverlay) {
    CandyDialogCenter center;
    int runs = 0;
    center.confirm(dialog("panel", CandyDialog::Host::menuBar), [&] { ++runs; });
    center.confirm(dialog("window"), [&] { ++runs; });

    // The panel's dialog blocks the window's until the panel answers it.
    EXPECT_EQ(center.currentFor(CandyDialog::Host::main), nullptr);
    ASSERT_NE(center.currentFor(CandyDialog::Host::menuBar), nullptr);
    center.choose(1);
    EXPECT_EQ(runs, 0);
    ASSERT_NE(center.currentFor(CandyDialog::Host::main), nullptr);
    EXPECT_EQ(center.currentFor(CandyDialog::Host::main)->title, "window");
    center.choose(0);
    EXPECT_EQ(runs, 1);
    EXPECT_FALSE(center.isShowing());
}

TEST(CandyDialogCenterTest, EveryDialogHasItsOwnIdentifier) {
    EXPECT_NE(dialog("x").id, dialog("x").id);
    EXPECT_EQ(&CandyDialogCenter::shared(), &CandyDialogCenter::shared());
}

}  // namespace
}  // namespace sorbeta
