#pragma once
// Where the newest release is announced: a small JSON document of ours,
//   {"version": "1.2.0", "downloadPage": "https://…"}
// read over the network by HttpUpdateFeed. Sorbeta never installs anything
// itself: a newer version is offered through its download page.
#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QUrl>
#include <functional>
#include <optional>

class QNetworkAccessManager;
class QNetworkReply;

namespace sorbeta::platform {

struct Release {
    QString version;    // dotted numbers, "1.2.0"
    QUrl downloadPage;  // http or https

    bool operator==(const Release&) const = default;
};

// The outcome of one fetch: the release, or why there is none.
struct FeedAnswer {
    std::optional<Release> release;
    QString error;  // set when release is none
};

class UpdateFeed {
public:
    virtual ~UpdateFeed() = default;
    // Starts reading the feed; `done` is called exactly once, on the calling
    // thread, unless cancel() comes first. It may be called before fetch returns.
    virtual void fetch(std::function<void(FeedAnswer)> done) = 0;
    // Drops the fetch under way; its `done` is never called.
    virtual void cancel() = 0;
};

// The release a feed document announces; none for anything else (not JSON,
// a missing or empty key, a version that is not dotted numbers, an address
// that is not http or https).
std::optional<Release> parseReleaseFeed(const QByteArray& document);

// Compares dotted versions number by number ("1.10" > "1.9", "1.0" == "1"):
// negative, 0 or positive. A part that is not a number counts as 0.
int compareVersions(const QString& a, const QString& b);

// The feed at a fixed address, read with a 20 s transfer limit and a size cap.
class HttpUpdateFeed final : public QObject, public UpdateFeed {
    Q_OBJECT

public:
    static constexpr int kTransferTimeoutMs = 20'000;
    static constexpr qint64 kMaxBytes = 64 * 1024;

    explicit HttpUpdateFeed(QUrl address, QObject* parent = nullptr);
    ~HttpUpdateFeed() override;

    void fetch(std::function<void(FeedAnswer)> done) override;
    void cancel() override;

private:
    void finished();

    QUrl address_;
    QNetworkAccessManager* network_ = nullptr;
    QPointer<QNetworkReply> reply_;
    std::function<void(FeedAnswer)> done_;
};

}  // namespace sorbeta::platform
