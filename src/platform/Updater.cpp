#include "platform/Updater.h"

#include <algorithm>

#include "platform/BuildInfo.h"

namespace sorbeta::platform {

Updater::Updater(Setup setup, QObject* parent)
    : QObject(parent),
      feed_(std::move(setup.feed)),
      currentVersion_(std::move(setup.currentVersion)),
      settings_(std::move(setup.settings)),
      now_(std::move(setup.now)),
      watchdogTime_(setup.watchdog) {
    automatic_.setSingleShot(true);
    watchdog_.setSingleShot(true);
    connect(&automatic_, &QTimer::timeout, this, [this] {
        if (canCheck_ && automaticallyChecksForUpdates())
            checkForUpdates(false);
        else
            schedule();
    });
    connect(&watchdog_, &QTimer::timeout, this, [this] {
        if (!checking_) return;
        if (feed_) feed_->cancel();
        finish(generation_, FeedAnswer{std::nullopt, QStringLiteral("the feed did not answer in time")});
    });
}

Updater::~Updater() {
    if (checking_ && feed_) feed_->cancel();
}

Updater::Setup Updater::standardSetup() {
    Setup setup;
    const QUrl address = BuildInfo::updateFeed();
    if (!address.isEmpty()) setup.feed = std::make_unique<HttpUpdateFeed>(address);
    setup.currentVersion = BuildInfo::version();
    return setup;
}

QDateTime Updater::now() const { return now_ ? now_() : QDateTime::currentDateTimeUtc(); }

void Updater::start() {
    if (started_ || !feed_) return;
    started_ = true;
    // Like the menu item it drives, a check becomes possible one turn later.
    QTimer::singleShot(0, this, [this] {
        if (!checking_) setCanCheck(true);
        schedule();
    });
}

void Updater::setCanCheck(bool value) {
    if (canCheck_ == value) return;
    canCheck_ = value;
    emit canCheckChanged(value);
}

void Updater::checkForUpdates(bool userInitiated) {
    if (!canCheck_ || !feed_) return;
    checking_ = true;
    userInitiated_ = userInitiated;
    automatic_.stop();
    setCanCheck(false);
    const quint64 generation = ++generation_;
    watchdog_.start(watchdogTime_);
    feed_->fetch([this, generation](FeedAnswer answer) { finish(generation, std::move(answer)); });
}

void Updater::finish(quint64 generation, FeedAnswer answer) {
    if (generation != generation_ || !checking_) return;  // late answer of a check given up
    checking_ = false;
    watchdog_.stop();
    UpdateCheckResult result;
    if (answer.release) {
        result.release = *answer.release;
        result.outcome = compareVersions(answer.release->version, currentVersion_) > 0
                             ? UpdateCheckResult::Outcome::newer
                             : UpdateCheckResult::Outcome::upToDate;
        settings_.setValue(QString::fromLatin1(kLastCheckKey), now().toUTC().toString(Qt::ISODate));
        emit lastUpdateCheckDateChanged();
    } else {
        result.outcome = UpdateCheckResult::Outcome::failed;
        result.error = answer.error;
    }
    lastFailed_ = result.outcome == UpdateCheckResult::Outcome::failed;
    setCanCheck(true);
    schedule();
    emit checkFinished(result, userInitiated_);
}

bool Updater::automaticallyChecksForUpdates() const {
    return settings_.optionalBool(QString::fromLatin1(kAutomaticKey)).value_or(true);
}

void Updater::setAutomaticallyChecksForUpdates(bool on) {
    if (on == automaticallyChecksForUpdates() && settings_.contains(QString::fromLatin1(kAutomaticKey))) return;
    settings_.setValue(QString::fromLatin1(kAutomaticKey), on);
    if (started_ && !checking_) schedule();
}

std::optional<QDateTime> Updater::lastUpdateCheckDate() const {
    const QDateTime date = QDateTime::fromString(settings_.string(QString::fromLatin1(kLastCheckKey)), Qt::ISODate);
    if (!date.isValid()) return std::nullopt;
    return date.toUTC();
}

void Updater::schedule() {
    automatic_.stop();
    if (!started_ || checking_ || !automaticallyChecksForUpdates()) return;
    using namespace std::chrono;
    const QDateTime current = now();
    milliseconds wait = duration_cast<milliseconds>(kFirstDelay);
    if (const auto last = lastUpdateCheckDate()) {
        const qint64 since = last->msecsTo(current);  // negative for a date ahead of the clock
        const qint64 interval = duration_cast<milliseconds>(kInterval).count();
        if (since >= 0 && since < interval) wait = std::max(wait, milliseconds(interval - since));
    }
    if (lastFailed_) wait = std::max(wait, duration_cast<milliseconds>(kRetry));
    scheduled_ = wait;
    automatic_.start(wait);
}

std::optional<std::chrono::milliseconds> Updater::nextAutomaticCheck() const {
    if (!automatic_.isActive()) return std::nullopt;
    return scheduled_;
}

}  // namespace sorbeta::platform
