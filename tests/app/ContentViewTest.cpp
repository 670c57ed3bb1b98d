#include "app/ContentView.h"

#include <gtest/gtest.h>

#include "TestEnvironment.h"
#include "app/AppServices.h"
#include "model/disk/Access.h"
#include "model/scan/AppModel.h"
#include "platform/Defaults.h"

using namespace sorbeta;

namespace {

class ContentViewTest : public test::HomeTest {
protected:
    // The system's services for this home, with an access probe of the test's own.
    ModelEnvironment withAccess(Access::Probe probe) const {
        ModelEnvironment environment = ModelEnvironment::system(places());
        environment.hasFullDisk = std::move(probe);
        return environment;
    }
};

}  // namespace

TEST_F(ContentViewTest, WithAccessTheFirstLaunchScansAtOnceAndLeavesTheGuideUnseen) {
    AppServices services(withAccess([] { return true; }));
    ContentView content(services);
    content.resize(1280, 820);
    content.show();
    EXPECT_FALSE(content.showingGuide());
    EXPECT_FALSE(services.model().phase().isIdle());  // the scan started with the window
    ASSERT_TRUE(test::waitUntil([&] { return services.model().phase().isIdle(); }, 20000));
    // Nothing was finished or skipped: the flag stays unset.
    EXPECT_FALSE(platform::Defaults().contains(QStringLiteral("accessGuideDone")));
    // A full scan: coming back to the application does nothing.
    content.applicationBecameActive();
    EXPECT_TRUE(services.model().phase().isIdle());
}

TEST_F(ContentViewTest, AGrantWhileTheGuideShowsIsTheGuidesToReportAndStartsOneScan) {
    bool access = false;
    AppServices services(withAccess([&access] { return access; }));
    ContentView content(services);
    content.resize(1280, 820);
    content.show();
    ASSERT_TRUE(content.showingGuide());
    access = true;
    content.applicationBecameActive();  // nothing scanned yet and the guide is up
    EXPECT_TRUE(services.model().phase().isIdle());
    content.guideFinished(true);
    EXPECT_FALSE(content.showingGuide());
    EXPECT_TRUE(platform::Defaults().boolValue(QStringLiteral("accessGuideDone")));
    EXPECT_FALSE(services.model().phase().isIdle());
    ASSERT_TRUE(test::waitUntil([&] { return services.model().phase().isIdle(); }, 20000));
    EXPECT_TRUE(services.model().fullDisk());
}
