#include "platform/UpdateFeed.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QRegularExpression>
#include <QStringList>
#include <algorithm>

namespace sorbeta::platform {

std::optional<Release> parseReleaseFeed(const QByteArray& document) {
    QJsonParseError error{};
    const QJsonDocument json = QJsonDocument::fromJson(document, &error);
    if (error.error != QJsonParseError::NoError || !json.isObject()) return std::nullopt;
    const QJsonObject object = json.object();
    const QString version = object.value(QStringLiteral("version")).toString().trimmed();
    static const QRegularExpression dotted(QStringLiteral("^\\d{1,9}(\\.\\d{1,9}){0,3}$"));
    if (!dotted.match(version).hasMatch()) return std::nullopt;
    const QUrl page(object.value(QStringLiteral("downloadPage")).toString(), QUrl::StrictMode);
    const QString scheme = page.scheme().toLower();
    if (!page.isValid() || page.host().isEmpty() ||
        (scheme != QLatin1String("https") && scheme != QLatin1String("http")))
        return std::nullopt;
    return Release{version, page};
}

int compareVersions(const QString& a, const QString& b) {
    const QStringList left = a.split(QLatin1Char('.'));
    const QStringList right = b.split(QLatin1Char('.'));
    const qsizetype parts = std::max(left.size(), right.size());
    for (qsizetype i = 0; i < parts; ++i) {
        const qulonglong x = i < left.size() ? left[i].toULongLong() : 0;
        const qulonglong y = i < right.size() ? right[i].toULongLong() : 0;
        if (x != y) return x < y ? -1 : 1;
    }
    return 0;
}

HttpUpdateFeed::HttpUpdateFeed(QUrl address, QObject* parent)
    : QObject(parent), address_(std::move(address)), network_(new QNetworkAccessManager(this)) {}

HttpUpdateFeed::~HttpUpdateFeed() { cancel(); }

void HttpUpdateFeed::fetch(std::function<void(FeedAnswer)> done) {
    cancel();
    done_ = std::move(done);
    QNetworkRequest request(address_);
    request.setTransferTimeout(kTransferTimeoutMs);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    reply_ = network_->get(request);
    // A feed that grows past the cap is not ours to read: stop it early.
    connect(reply_, &QNetworkReply::downloadProgress, this, [reply = reply_](qint64 received, qint64) {
        if (received > kMaxBytes && reply) reply->abort();
    });
    connect(reply_, &QNetworkReply::finished, this, &HttpUpdateFeed::finished);
}

void HttpUpdateFeed::cancel() {
    done_ = nullptr;
    if (!reply_) return;
    QNetworkReply* reply = reply_;
    reply_.clear();
    reply->disconnect(this);
    reply->abort();
    reply->deleteLater();
}

void HttpUpdateFeed::finished() {
    QNetworkReply* reply = reply_;
    reply_.clear();
    if (!reply) return;
    reply->deleteLater();
    auto done = std::move(done_);
    done_ = nullptr;
    if (!done) return;
    FeedAnswer answer;
    if (reply->error() != QNetworkReply::NoError) {
        answer.error = reply->errorString();
    } else {
        const QByteArray body = reply->read(kMaxBytes + 1);
        if (body.size() > kMaxBytes) {
            answer.error = QStringLiteral("feed too large");
        } else {
            answer.release = parseReleaseFeed(body);
            if (!answer.release) answer.error = QStringLiteral("feed not readable");
        }
    }
    done(std::move(answer));
}

}  // namespace sorbeta::platform
