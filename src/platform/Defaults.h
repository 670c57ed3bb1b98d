#pragma once
// User defaults: one INI file per domain in the user's configuration folder
// ($XDG_CONFIG_HOME). Reads go to the file every time, so several Defaults
// objects of one domain agree.
#include <QString>
#include <QStringList>
#include <QVariant>
#include <filesystem>
#include <optional>

namespace sorbeta::platform {

class Defaults {
public:
    // The application's own domain.
    static constexpr const char* appDomain = "com.rovek.sorbeta";

    // The domain in the configuration folder the environment names now.
    explicit Defaults(QString domain = QString::fromLatin1(appDomain));
    // The domain in a given configuration folder (Places::configHome).
    Defaults(QString domain, std::filesystem::path configFolder);

    const QString& domain() const { return domain_; }
    QString filePath() const;

    bool contains(const QString& key) const;
    QVariant value(const QString& key) const;
    void setValue(const QString& key, const QVariant& value);
    void remove(const QString& key);

    // True only for a stored bool true or the text "true"; anything else,
    // missing keys included, reads false.
    bool boolValue(const QString& key) const;
    // The stored value when it is a bool or the text "true"/"false".
    std::optional<bool> optionalBool(const QString& key) const;
    QString string(const QString& key) const;
    // A stored list of texts; a single text or anything else gives nothing.
    std::optional<QStringList> stringList(const QString& key) const;

private:
    QString domain_;
    std::filesystem::path configFolder_;
};

}  // namespace sorbeta::platform
