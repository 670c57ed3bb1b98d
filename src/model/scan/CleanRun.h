#pragma once
// One manual clean from start to end: the question about busy applications,
// the removal of the confirmed rules on one worker thread, the report, the
// ticks and lists afterwards, the free-space refresh and the rescan. Lives in
// the frame of AppModel::cleanSelected; every step after an await checks that
// the model is still there. The clean itself (rule after rule, sparing what
// running applications and processes guard) is a static the automatic rules
// use as well.
#include <QPointer>
#include <QString>
#include <QStringList>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include <qcoro/qcorotask.h>

#include "model/dialog/CandyDialog.h"
#include "model/holding/HoldingManifest.h"
#include "model/scan/ModelEnvironment.h"
#include "model/scan/ScanTypes.h"

namespace sorbeta {

class AppModel;
class HoldingArea;

class CleanRun {
public:
    struct Result {
        int64_t freed = 0;
        // What each rule that ran freed, by rule id; a skipped rule has no entry.
        std::map<std::string, int64_t> freedByRule;
        QStringList skipped;  // rule names, in rule order
        // Items of the rules that ran that could not be deleted or held:
        // they are still where they were.
        int failed = 0;
        std::optional<HoldBatch> batch;

        // What the rule freed; 0 when it did not run.
        int64_t freedBy(const std::string& ruleID) const;
    };

    // Takes from `environment` what the clean asks of the system: places,
    // git, running applications, the process probe, the holding area, the
    // dialog centre, the settings and the waits.
    CleanRun(AppModel& model, ModelEnvironment environment);

    // Cleans the rules in `confirmed` that are still listed, asking `host`
    // about busy applications first. Does nothing unless the model is idle,
    // before and after the question, nor when a new list took the place of
    // the one confirmed meanwhile. With `holdCleaned` what goes is held;
    // the choice is the one made before the question, whatever the setting
    // says by the time the clean starts.
    QCoro::Task<> run(CandyDialog::Host host, std::set<std::string> confirmed, bool holdCleaned);

    // Cleans the rules one after another on one worker thread, skipping those
    // whose guarding application or process runs; with `holdIn` the files go
    // into a new holding batch. `progress` is called on that worker with the
    // rule's position and name.
    static QCoro::Task<Result> clean(std::vector<CleanSpec> rules, std::shared_ptr<HoldingArea> holdIn,
                                     std::function<void(int, QString)> progress, ModelEnvironment environment);
    // The same for rules a scan measured: each takes only the targets the
    // scan listed for it, whatever its patterns meet by the time it runs.
    static QCoro::Task<Result> cleanListed(std::vector<CleanItem> items, std::shared_ptr<HoldingArea> holdIn,
                                           std::function<void(int, QString)> progress, ModelEnvironment environment);

    // Whether a process whose command line matches `name` runs (pgrep -f).
    // Blocks; a probe that cannot run or hangs counts as running.
    static bool isProcessRunning(const QString& name, const platform::Places& places);

private:
    // With `onlyListed` each rule keeps to its item's targets; without, the
    // items' targets are not looked at.
    static QCoro::Task<Result> cleanItems(std::vector<CleanItem> items, bool onlyListed,
                                          std::shared_ptr<HoldingArea> holdIn,
                                          std::function<void(int, QString)> progress, ModelEnvironment environment);
    std::vector<CleanItem> stillListed(const std::set<std::string>& confirmed) const;
    // Nothing when the clean does not go on; otherwise the ids of the rules
    // the user chose to skip, which stay skipped even if their application
    // quits before the clean starts.
    QCoro::Task<std::optional<std::set<std::string>>> askAboutBusyApps(std::vector<CleanSpec> rules,
                                                                       CandyDialog::Host host);
    QCoro::Task<bool> quitAndWait(std::vector<platform::RunningAppPtr> busy);
    void report(const std::vector<CleanItem>& chosen, const Result& result, int64_t freeBefore);

    QPointer<AppModel> model_;
    ModelEnvironment environment_;
};

}  // namespace sorbeta
