#include "ui/views/history/HistoryPageText.h"

#include <QRegularExpression>
#include <algorithm>

#include "model/catalog/Catalog.h"
#include "model/common/Bytes.h"
#include "model/common/LocaleDates.h"
#include "platform/Translate.h"
#include "ui/views/FilePlaces.h"

namespace sorbeta::HistoryPageText {
namespace {

const QString kMinus = QStringLiteral("\u2212");

// The locale's long date without its weekday and with the month abbreviated.
QString abbreviatedFormat(const QLocale& locale) { return LocaleDates::abbreviatedPattern(locale); }

QString withoutTrailingSeparators(QString text) {
    static const QRegularExpression edges(QStringLiteral("^[\\s,，.]+|[\\s,，]+$"));
    return text.remove(edges);
}

QString dayOf(const DiskSnapshot& snapshot, const QTimeZone& zone, const QLocale& locale) {
    return abbreviatedDate(snapshot.date.toTimeZone(zone).date(), locale);
}

QString signedSize(int64_t delta) {
    const QString sign = delta < 0 ? kMinus : QStringLiteral("+");
    return sign + Bytes::text(delta < 0 ? -delta : delta);
}

}  // namespace

QString periodLabel(HistoryModel::Period period) {
    switch (period) {
        case HistoryModel::Period::day: return sorbeta::tr("1 天");
        case HistoryModel::Period::week: return sorbeta::tr("7 天");
        case HistoryModel::Period::month: return sorbeta::tr("30 天");
        case HistoryModel::Period::all: return sorbeta::tr("全部");
    }
    return {};
}

std::vector<std::pair<QVariant, QString>> periodOptions() {
    std::vector<std::pair<QVariant, QString>> options;
    for (HistoryModel::Period period : HistoryModel::kPeriods)
        options.emplace_back(QVariant(int(period)), periodLabel(period));
    return options;
}

QString abbreviatedDate(QDate date, const QLocale& locale) { return locale.toString(date, abbreviatedFormat(locale)); }

QString monthAndDay(QDate date, const QLocale& locale) {
    // Worked out once per locale: the chart labels its days on every paint.
    thread_local QString cachedFor;
    thread_local QString cachedFormat;
    if (cachedFor.isEmpty() || cachedFor != locale.name() + QLatin1Char('|') + locale.bcp47Name()) {
        // The year goes with what ties it to the rest: "yyyy年", ", yyyy", " 'de' yyyy".
        static const QRegularExpression year(QStringLiteral("[\\s,，]*(?:'[^']*'\\s*)?y+\\s*(?:年|년)?"));
        QString format = abbreviatedFormat(locale);
        format.remove(year);
        cachedFormat = withoutTrailingSeparators(format);
        cachedFor = locale.name() + QLatin1Char('|') + locale.bcp47Name();
    }
    return locale.toString(date, cachedFormat);
}

Header header(const HistoryModel& model, const QLocale& locale) {
    Header result;
    const std::optional<int64_t> used = model.usedDelta();
    const int64_t delta = used.value_or(0);
    result.flavor = delta < 0 ? Flavor::mint : Flavor::strawberry;
    result.magnitude = delta < 0 ? -delta : delta;
    if (used) {
        const Bytes::Parts parts = Bytes::parts(result.magnitude);
        result.amount = (delta < 0 ? kMinus : QStringLiteral("+")) + parts.number;
        result.unit = parts.unit;
    } else {
        result.amount = QStringLiteral("…");
    }
    result.caption = delta < 0 ? sorbeta::tr("这段时间\n腾出来的空间") : sorbeta::tr("这段时间\n多用掉的空间");

    const std::optional<DiskSnapshot> baseline = model.baseline();
    if (model.snapshots().empty())
        result.subtitle = sorbeta::tr("扫描一次之后，冰沙每天记一笔，就能看出空间都去哪了。");
    else if (!baseline)
        result.subtitle = sorbeta::tr("从 %1 开始记录，明天再来就能看到变化。")
                              .arg(dayOf(model.snapshots().front(), model.zone(), locale));
    else
        result.subtitle = sorbeta::tr("和 %1 相比").arg(dayOf(*baseline, model.zone(), locale));
    return result;
}

Lists lists(const std::vector<DiskChange>& changes, bool hasBaseline) {
    Lists result;
    for (const DiskChange& change : changes) {
        if (change.delta() > 0 && result.grown.size() < kGrownRows) result.grown.push_back(change);
        if (change.delta() < 0 && result.shrunk.size() < kShrunkRows) result.shrunk.push_back(change);
    }
    result.quiet = hasBaseline && changes.empty();
    return result;
}

Flavor categoryFlavor(const std::string& categoryID) {
    const CategorySpec* category = Catalog::category(categoryID);
    return category ? category->flavor : Flavor::cloud;
}

Row row(const DiskChange& change, const std::filesystem::path& home) {
    Row result;
    result.name = PathNames::display(change.path);
    result.sizes = sorbeta::tr("%1 → %2").arg(Bytes::text(change.before), Bytes::text(change.after));
    result.change = signedSize(change.delta());
    result.dot = categoryFlavor(change.categoryID);
    result.tint = change.delta() > 0 ? Flavor::strawberry : Flavor::mint;
    result.tooltip = tildePath(change.path, home);
    return result;
}

std::vector<DiskChange> grown(const std::vector<DiskChange>& changes) {
    std::vector<DiskChange> result;
    std::copy_if(changes.begin(), changes.end(), std::back_inserter(result),
                 [](const DiskChange& change) { return change.delta() > 0; });
    return result;
}

std::vector<MapNode> nodes(const std::vector<DiskChange>& changes) {
    // Every flavour but cloud, for folders of categories the catalog does not know.
    std::vector<Flavor> fallback(allFlavors.begin(), allFlavors.end() - 1);
    std::vector<MapNode> result;
    for (std::size_t i = 0; i < changes.size() && i < kMapNodes; ++i) {
        const DiskChange& change = changes[i];
        const CategorySpec* category = Catalog::category(change.categoryID);
        MapNode node{.id = change.path,
                     .title = PathNames::display(change.path),
                     .bytes = change.delta(),
                     .flavor = category ? category->flavor : fallback[i % fallback.size()],
                     .kind = MapNode::Kind::folder};
        node.urls = {std::filesystem::path(change.path)};
        node.labelPrefix = QStringLiteral("+");
        result.push_back(std::move(node));
    }
    return result;
}

}  // namespace sorbeta::HistoryPageText
