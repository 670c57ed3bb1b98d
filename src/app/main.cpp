#include <QApplication>
#include <QIcon>

#include "app/LaunchClaim.h"
#include "app/SorbetaApp.h"
#include "model/common/WorkPool.h"
#include "model/shell/AppLanguage.h"
#include "platform/BuildInfo.h"
#include "platform/HeapSettings.h"
#include "platform/Places.h"
#include "platform/Relaunch.h"
#include "platform/SingleInstance.h"

int main(int argc, char** argv) {
    // Frames make and drop large pictures all the time; their memory goes back.
    sorbeta::platform::returnLargeBlocksWhenFreed();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Sorbeta"));
    QApplication::setApplicationDisplayName(QStringLiteral("Sorbeta"));
    QApplication::setApplicationVersion(sorbeta::platform::BuildInfo::version());
    QApplication::setOrganizationDomain(QStringLiteral("rovek.com"));
    QApplication::setDesktopFileName(QStringLiteral("com.rovek.sorbeta"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/com.rovek.sorbeta.svg")));

    // One Sorbeta per user: a second launch raises the first one's window.
    // After a language change the new instance waits for the old one to go.
    using sorbeta::platform::SingleInstance;
    const auto places = sorbeta::platform::Places::fromEnvironment();
    SingleInstance instance(places.appDataFolder());
    const bool relaunched = SingleInstance::isRelaunch(QApplication::arguments().mid(1));
    if (!sorbeta::claimLaunch(instance, places, relaunched ? SingleInstance::kRelaunchWaitMs : 0)) {
        instance.handOver();
        return 0;
    }
    sorbeta::platform::setBeforeRelaunch([&instance] { instance.release(); });

    // The scan and the other engine work take every core; the window's frames go first.
    sorbeta::yieldWorkToInterface();

    // The translator goes in before any text (the catalog's included) is built.
    sorbeta::AppLanguage::startUp();
    sorbeta::SorbetaApp sorbeta;
    instance.listen([&sorbeta] { sorbeta.showMainWindow(); });
    sorbeta.start();
    const int code = app.exec();
    sorbeta::platform::setBeforeRelaunch({});
    sorbeta::finishWork();
    return code;
}
