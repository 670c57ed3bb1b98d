#pragma once
// The uninstaller page's state: the installed applications with their sizes
// and leftovers, the side list's search and order, the selected application,
// what of it the user ticked, a running uninstall and its result. Lives on
// the GUI thread; listing, weighing, process reads, Trash moves and purges
// run on the worker pool and their results are applied here.
#include <qcoro/qcorotask.h>
#include <QFuture>
#include <QObject>
#include <QThreadPool>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "model/common/WorkPool.h"
#include "model/uninstall/UninstallEngine.h"

namespace sorbeta {

class UninstallModel final : public QObject {
    Q_OBJECT

public:
    enum class Sort { size, unused };
    // Nothing of the application runs, the application itself, or only its
    // background helpers.
    enum class RunState { none, app, helpers };

    struct Result {
        QString name;
        int64_t bytes = 0;
        int failed = 0;
        std::vector<platform::TrashedItem> inTrash;
        bool appStayed = false;  // the application itself was to go but is still there
        bool operator==(const Result&) const = default;
    };

    explicit UninstallModel(UninstallEngine engine, QObject* parent = nullptr, QThreadPool* pool = workPool());
    ~UninstallModel() override;

    const std::vector<InstalledApp>& apps() const { return apps_; }
    bool loading() const { return loading_; }
    bool loaded() const { return loaded_; }
    const std::optional<QString>& selectedID() const { return selectedID_; }
    // Per application (its path's bytes), the paths ticked; no entry: all ticked.
    const std::map<std::string, std::set<std::string>>& picked() const { return picked_; }
    bool busy() const { return busy_; }
    const std::optional<Result>& lastResult() const { return lastResult_; }
    const QString& search() const { return search_; }
    int weighed() const { return weighed_; }
    Sort sort() const { return sort_; }

    void setSelectedID(std::optional<QString> id);
    void setSearch(QString search);
    void setSort(Sort sort);
    // The main window's toast clears it when it closes.
    void setLastResult(std::optional<Result> result);

    // Told when free disk space changed (after a purge). Not observed.
    std::function<void()> onSpaceChanged;

    // (Re)lists and weighs every application; a call while one runs does nothing.
    QCoro::Task<> load();
    // `apps` sorted by `sort`, filtered by `search`.
    std::vector<InstalledApp> visibleApps() const;
    // The selected application, when `selectedID` names a listed one.
    const InstalledApp* selectedApp() const;

    // The bundle, then every leftover in leftover order.
    static std::vector<Path> paths(const InstalledApp& app);
    bool isPicked(const Path& url, const InstalledApp& app) const;
    void togglePick(const Path& url, const InstalledApp& app);
    std::vector<Path> pickedURLs(const InstalledApp& app) const;
    int64_t pickedBytes(const InstalledApp& app) const;

    // Moves the ticked items to the Trash; refused while anything of the
    // application runs or another uninstall is busy. `only`: the items a
    // confirmation listed, so nothing that arrived after it moves.
    QCoro::Task<> uninstall(InstalledApp app, std::optional<std::vector<Path>> only = std::nullopt);
    // Deletes the given items of an uninstall from the Trash; the bytes freed.
    // A call naming an item another purge is still deleting does nothing.
    QCoro::Task<int64_t> purge(std::vector<platform::TrashedItem> items);
    // Asks the application and its background processes to quit.
    void quit(const InstalledApp& app);
    // What of the application runs now, read on the worker pool.
    QFuture<RunState> runState(const InstalledApp& app) const;
    static RunState runStateOf(const std::vector<AppProcess>& processes);

signals:
    void appsChanged();
    void loadingChanged();
    void loadedChanged();
    void selectedIDChanged();
    void pickedChanged();
    void busyChanged();
    void lastResultChanged();
    void searchChanged();
    void weighedChanged();
    void sortChanged();

private:
    template <typename T>
    void assign(T& field, T value, void (UninstallModel::*changed)());
    void applyWeighed(const Uninstaller::Weighed& weighed);

    UninstallEngine engine_;
    QThreadPool* pool_;
    std::vector<InstalledApp> apps_;
    bool loading_ = false;
    bool loaded_ = false;
    std::optional<QString> selectedID_;
    std::map<std::string, std::set<std::string>> picked_;
    bool busy_ = false;
    std::set<std::string> purging_;  // the Trash paths purges are deleting now
    std::optional<Result> lastResult_;
    QString search_;
    int weighed_ = 0;
    Sort sort_ = Sort::size;
};

// The order's raw text ("size", "unused") and back.
QString sortKey(UninstallModel::Sort sort);
std::optional<UninstallModel::Sort> sortFromKey(const QString& key);

}  // namespace sorbeta
