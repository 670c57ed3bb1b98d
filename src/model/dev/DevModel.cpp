#include "model/dev/DevModel.h"

#include <qcoro/qcorofuture.h>
#include <QPointer>
#include <QThreadPool>
#include <QtConcurrent/QtConcurrent>

#include "model/common/WorkPool.h"
#include "model/dev/DevScan.h"
#include "platform/Translate.h"

namespace sorbeta {

DevModel::DevModel(Texts texts, Flavor flavor, Loader loader, Performer performer, QObject* parent, QThreadPool* pool)
    : QObject(parent),
      texts_(std::move(texts)),
      flavor_(flavor),
      loader_(std::move(loader)),
      performer_(std::move(performer)),
      pool_(pool ? pool : workPool()) {}

DevModel::~DevModel() = default;

DevModel::Texts DevModel::developerTexts() {
    return {sorbeta::tr("看起来\n用不着的"),
            sorbeta::tr("Xcode、模拟器、Android、Docker 和老项目里藏的大块头。"),
            sorbeta::tr("正在翻模拟器、归档和 SDK…"),
            sorbeta::tr("没找到开发工具留下的大文件 ✨"),
            sorbeta::tr("模拟器运行时和设备用 Xcode 自带的 simctl "
                        "删除；其他文件移到废纸篓，项目依赖直接删除（重新安装即可恢复）。"),
            QStringLiteral("🧰")};
}

DevModel::Texts DevModel::filesTexts() {
    return {sorbeta::tr("可能\n用不着的"),
            sorbeta::tr("下载、文稿、桌面、影片里的大文件、很久没打开的文件、重复文件和旧安装包。"),
            sorbeta::tr("正在翻你的文件…"),
            sorbeta::tr("没找到明显用不着的大文件 ✨"),
            sorbeta::tr("选中的文件会移到废纸篓，在废纸篓里还能放回去。"),
            QStringLiteral("🗂️")};
}

DevModel* DevModel::developer(DevEnvironment environment, QObject* parent) {
    auto shared = std::make_shared<const DevEnvironment>(std::move(environment));
    return new DevModel(
        developerTexts(), Flavor::sky, [shared] { return DevScan::all(*shared); },
        [shared](const std::vector<DevEntry>& entries) { return DevScan::perform(entries, *shared, {}); }, parent);
}

DevModel* DevModel::files(FileSearch search, DevScan::TrashFile trashFile, DevEnvironment environment,
                          QObject* parent) {
    auto shared = std::make_shared<const DevEnvironment>(std::move(environment));
    return new DevModel(
        filesTexts(), Flavor::lemon,
        [search = std::move(search), shared] { return search ? search(shared->now()) : std::vector<DevGroup>{}; },
        [trashFile = std::move(trashFile), shared](const std::vector<DevEntry>& entries) {
            return DevScan::perform(entries, *shared, trashFile);
        },
        parent);
}

template <typename T>
void DevModel::assign(T& field, T value, void (DevModel::*changed)()) {
    if (field == value) return;
    field = std::move(value);
    emit(this->*changed)();
}

void DevModel::setSelectedGroup(const std::optional<QString>& id) {
    assign(selectedGroup_, id, &DevModel::selectedGroupChanged);
}

const DevGroup* DevModel::currentGroup() const {
    if (groups_.empty()) return nullptr;
    if (selectedGroup_)
        for (const DevGroup& group : groups_)
            if (group.id == *selectedGroup_) return &group;
    return &groups_.front();
}

QCoro::Task<> DevModel::load() {
    if (loading_) co_return;
    assign(loading_, true, &DevModel::loadingChanged);
    QPointer<DevModel> self(this);
    do {
        searchAgain_ = false;
        auto future = QtConcurrent::run(pool_, [loader = loader_] { return loader(); });
        std::vector<DevGroup> groups = co_await future;  // named: see platform/Async.h
        if (!self) co_return;
        publish(std::move(groups));
    } while (searchAgain_);
    assign(loading_, false, &DevModel::loadingChanged);
    assign(loaded_, true, &DevModel::loadedChanged);
}

void DevModel::publish(std::vector<DevGroup> groups) {
    assign(groups_, std::move(groups), &DevModel::groupsChanged);
    // Every search ticks exactly what it recommends; earlier ticks go.
    QSet<QString> recommended;
    for (const DevGroup& group : groups_)
        for (const DevEntry& entry : group.entries)
            if (entry.recommended) recommended.insert(entry.id);
    assign(picked_, std::move(recommended), &DevModel::pickedChanged);
    const bool stillThere = selectedGroup_ && std::any_of(groups_.begin(), groups_.end(), [&](const DevGroup& group) {
                                return group.id == *selectedGroup_;
                            });
    if (!stillThere) setSelectedGroup(groups_.empty() ? std::nullopt : std::optional<QString>(groups_.front().id));
}

void DevModel::toggle(const DevEntry& entry) {
    if (entry.onlyRevealed()) return;
    if (!picked_.remove(entry.id)) picked_.insert(entry.id);
    emit pickedChanged();
}

std::vector<DevEntry> DevModel::pickedEntries(const DevGroup& group) const {
    std::vector<DevEntry> entries;
    for (const DevEntry& entry : group.entries)
        if (picked_.contains(entry.id) && !entry.onlyRevealed()) entries.push_back(entry);
    return entries;
}

QCoro::Task<> DevModel::run(std::vector<DevEntry> entries) {
    if (busy_ || entries.empty()) co_return;
    assign(busy_, true, &DevModel::busyChanged);
    QPointer<DevModel> self(this);
    auto future = QtConcurrent::run(pool_, [performer = performer_, entries = std::move(entries)] {
        return performer ? performer(entries) : Result{0, int(entries.size())};
    });
    const Result result = co_await future;  // named: see platform/Async.h
    if (!self) co_return;
    assign(busy_, false, &DevModel::busyChanged);
    lastResult_ = result;
    emit lastResultChanged();
    if (loading_) {
        // The search under way may have looked before anything went.
        searchAgain_ = true;
        co_return;
    }
    auto task = load();
    co_await task;
}

int64_t DevModel::recommendedTotal() const {
    int64_t total = 0;
    for (const DevGroup& group : groups_) total += group.recommendedBytes();
    return total;
}

Toolkits::Toolkits(DevModel* dev, DevModel* files, QObject* parent) : QObject(parent), dev_(dev), files_(files) {
    dev_->setParent(this);
    files_->setParent(this);
}

}  // namespace sorbeta
