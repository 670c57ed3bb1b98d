// The developer and files modes: each page is its model's, the first entry
// searches, later entries show what the page holds, and a confirmed clean
// reaches the page's model.
#include <gtest/gtest.h>

#include <QThreadPool>
#include <atomic>

#include "TestEnvironment.h"
#include "WindowParts.h"
#include "app/AppServices.h"
#include "model/common/WorkPool.h"
#include "model/dev/DevModel.h"
#include "ui/views/dev/DevMain.h"
#include "ui/views/dev/DevPanel.h"

using namespace sorbeta;
using namespace sorbeta::test;

namespace {

class DevModesTest : public test::HomeTest {
protected:
    DevModel* page(const char* id, std::atomic<int>& searches) {
        return new DevModel(
            DevModel::filesTexts(), Flavor::lemon,
            [id, &searches] {
                ++searches;
                DevEntry entry;
                entry.id = QString::fromUtf8(id) + QStringLiteral(":1");
                entry.bytes = 1000;
                entry.recommended = true;
                return std::vector<DevGroup>{DevGroup{QString::fromUtf8(id), {}, {}, Flavor::lime, {}, {entry}}};
            },
            [this](const std::vector<DevEntry>& entries) {
                removed += int(entries.size());
                return DevModel::Result{1000, 0};
            });
    }

    std::atomic<int> devSearches{0}, fileSearches{0}, removed{0};
};

TEST_F(DevModesTest, FirstEntrySearchesOnceAndTheConfirmedCleanReachesThePage) {
    AppServices services;
    services.setToolkits(new Toolkits(page("dev", devSearches), page("files", fileSearches)));
    WorkingView view(services);
    view.resize(1280, 820);
    EXPECT_FALSE(isVisible(AppMode::dev));
    EXPECT_FALSE(isVisible(AppMode::files));
    EXPECT_EQ(devSearches, 0) << "nothing is searched before the page is shown";

    view.setMode(AppMode::dev);
    ASSERT_TRUE(test::waitUntil([&] { return services.toolkits().dev().loaded(); }));
    EXPECT_TRUE(child<DevPanel>(sidePanelFor(&view, AppMode::dev), "devPanel"));
    auto* devMain = child<DevMain>(mainPaneFor(&view, AppMode::dev), "devMain");
    ASSERT_TRUE(devMain);
    view.setMode(AppMode::files);
    ASSERT_TRUE(test::waitUntil([&] { return services.toolkits().files().loaded(); }));
    view.setMode(AppMode::dev);
    view.setMode(AppMode::clean);
    view.setMode(AppMode::files);
    EXPECT_EQ(devSearches, 1);
    EXPECT_EQ(fileSearches, 1);

    // The page's confirmed entries go to its own model, which searches again.
    DevModel& dev = services.toolkits().dev();
    emit devMain->runConfirmed(dev.pickedEntries(dev.groups()[0]));
    ASSERT_TRUE(test::waitUntil([&] { return dev.lastResult().has_value() && !dev.loading(); }));
    EXPECT_EQ(removed, 1);
    EXPECT_EQ(devSearches, 2);
    EXPECT_EQ(fileSearches, 1);
    workPool()->waitForDone();
}

}  // namespace
