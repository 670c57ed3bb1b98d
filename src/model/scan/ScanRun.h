#pragma once
// One scan from start to end: probe access and set the limited flag, read the
// volume, measure every category and every cleaning rule at once on the
// worker pool, apply each result to the model on the GUI thread as it
// arrives, and end with the snapshot of what was seen. Lives in the frame of
// AppModel::scan; every step after an await checks that the model is still there.
#include <QFuture>
#include <QObject>
#include <QPointer>
#include <QPromise>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include <qcoro/qcorotask.h>

#include "model/history/History.h"
#include "model/scan/ModelEnvironment.h"
#include "model/scan/ScanTypes.h"

namespace sorbeta {

class AppModel;

class ScanRun {
public:
    // What one measurement on the pool hands back.
    struct CategoryMeasure {
        std::string id;
        int64_t bytes = 0;
        std::vector<std::filesystem::path> urls;
        std::map<std::string, int64_t> parts;
    };
    struct RuleMeasure {
        std::size_t position = 0;
        int64_t bytes = 0;
        std::vector<std::filesystem::path> urls;
        std::optional<DiskScanner::ListedEntries> entries;
    };

    // Takes from `environment` the places, the access probe and the git tool.
    ScanRun(AppModel& model, const ModelEnvironment& environment);

    // Does nothing unless the model is idle.
    QCoro::Task<> run();

private:
    QCoro::Task<> measureAll();
    template <typename Measure, typename Apply>
    void whenMeasured(QFuture<Measure> measuring, Apply apply);
    void applyCategory(CategoryMeasure measure);
    void applyRule(RuleMeasure measure);
    void finish();
    DiskSnapshot snapshot() const;

    QPointer<AppModel> model_;
    platform::Places places_;
    Access::Probe hasFullDisk_;
    ProjectArtifacts::Git git_;

    // Measurements come back through watchers owned by `receiver_`.
    QObject receiver_;
    int unapplied_ = 0;
    QPromise<void> allApplied_;
    std::vector<CleanItem> found_;  // in the order measurements finished
    std::map<std::string, std::map<std::string, int64_t>> partsByCategory_;
    bool firstScan_ = false;
};

}  // namespace sorbeta
