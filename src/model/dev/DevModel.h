#pragma once
// The one page model of the developer and files pages: it runs its page's
// search on a worker thread, holds the groups found, the ticked entries and
// the chosen group, and removes the ticked entries of a group. Lives on the
// GUI thread; every change of an observed field is announced by its signal,
// storing an equal value announces nothing (lastResult excepted: every
// removal announces its outcome).
#include <qcoro/qcorotask.h>
#include <QDateTime>
#include <QObject>
#include <QSet>
#include <QString>
#include <functional>
#include <optional>
#include <vector>

#include "model/dev/DevEnvironment.h"
#include "model/dev/DevRemoval.h"
#include "model/dev/DevTypes.h"

class QThreadPool;

namespace sorbeta {

class DevModel final : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool loading READ loading NOTIFY loadingChanged)
    Q_PROPERTY(bool loaded READ loaded NOTIFY loadedChanged)
    Q_PROPERTY(bool busy READ busy NOTIFY busyChanged)

public:
    // The page's own words: the panel's caption and subtitle, the text while
    // the search runs and when it found nothing, the confirmation's message,
    // and the emoji of the empty page.
    struct Texts {
        QString caption;
        QString subtitle;
        QString loading;
        QString empty;
        QString confirm;
        QString emoji;
        bool operator==(const Texts&) const = default;
    };
    using Result = DevScan::RemovalOutcome;
    // The search: callable on any thread.
    using Loader = std::function<std::vector<DevGroup>()>;
    // The removal of a list of entries: callable on any thread.
    using Performer = std::function<Result(const std::vector<DevEntry>&)>;
    // The file finder's whole search for a date.
    using FileSearch = std::function<std::vector<DevGroup>(const QDateTime& now)>;

    // `pool` runs the loader and the performer; none: the shared worker pool.
    DevModel(Texts texts, Flavor flavor, Loader loader, Performer performer, QObject* parent = nullptr,
             QThreadPool* pool = nullptr);
    ~DevModel() override;

    // The developer page: the developer scanners and their removal.
    static DevModel* developer(DevEnvironment environment, QObject* parent = nullptr);
    // The files page: the file finder's search (with the date of each load)
    // and its move of single files to the Trash.
    static DevModel* files(FileSearch search, DevScan::TrashFile trashFile, DevEnvironment environment,
                           QObject* parent = nullptr);
    static Texts developerTexts();
    static Texts filesTexts();

    const Texts& texts() const { return texts_; }
    Flavor flavor() const { return flavor_; }

    const std::vector<DevGroup>& groups() const { return groups_; }
    bool loading() const { return loading_; }
    bool loaded() const { return loaded_; }
    const std::optional<QString>& selectedGroup() const { return selectedGroup_; }
    // Entry ids; may hold ids of no current group (pickedEntries() filters).
    const QSet<QString>& picked() const { return picked_; }
    bool busy() const { return busy_; }
    const std::optional<Result>& lastResult() const { return lastResult_; }

    void setSelectedGroup(const std::optional<QString>& id);
    // The group the pages show: the selected one, else the first; none
    // without groups.
    const DevGroup* currentGroup() const;

    // Runs the search and publishes its groups, ticking exactly the
    // recommended entries and keeping the chosen group while it still exists.
    // A call while a search runs does nothing.
    QCoro::Task<> load();
    // Ticks or unticks one entry; reveal-only entries never tick.
    void toggle(const DevEntry& entry);
    // The group's ticked entries that can be removed, in the group's order.
    std::vector<DevEntry> pickedEntries(const DevGroup& group) const;
    // Removes the entries, stores the outcome and searches again. Nothing
    // happens for an empty list or while a removal runs. A removal that ends
    // while a search runs has the page searched once more after it, since
    // that search may have started before anything went.
    QCoro::Task<> run(std::vector<DevEntry> entries);

    // The bytes of every group's recommended entries.
    int64_t recommendedTotal() const;

signals:
    void groupsChanged();
    void loadingChanged();
    void loadedChanged();
    void selectedGroupChanged();
    void pickedChanged();
    void busyChanged();
    void lastResultChanged();

private:
    template <typename T>
    void assign(T& field, T value, void (DevModel::*changed)());
    void publish(std::vector<DevGroup> groups);

    Texts texts_;
    Flavor flavor_;
    Loader loader_;
    Performer performer_;
    QThreadPool* pool_;

    std::vector<DevGroup> groups_;
    bool loading_ = false;
    bool loaded_ = false;
    std::optional<QString> selectedGroup_;
    QSet<QString> picked_;
    bool busy_ = false;
    std::optional<Result> lastResult_;
    bool searchAgain_ = false;
};

// The two page models, for the life of the application.
class Toolkits final : public QObject {
    Q_OBJECT

public:
    Toolkits(DevModel* dev, DevModel* files, QObject* parent = nullptr);

    DevModel& dev() const { return *dev_; }
    DevModel& files() const { return *files_; }

private:
    DevModel* dev_;
    DevModel* files_;
};

}  // namespace sorbeta
