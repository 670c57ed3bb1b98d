#pragma once
// The access page (whether the app may read everything, and where to allow
// it), the about page (icon, name, version, tagline) and its update card.
// Parts are named (objectName): "accessSymbol", "accessText",
// "openSettings" (only where the system has a privacy gate); "name",
// "version", "tagline"; "updates" (the card, with its "footer" once a check
// has completed), "automatic" (its row) and "checkNow".
#include <QWidget>

#include "ui/views/settings/SettingsContext.h"

class QLabel;

namespace sorbeta {

class CandyButton;
class SettingRow;
class SettingsCard;

class AccessSettings final : public QWidget {
    Q_OBJECT
public:
    explicit AccessSettings(const SettingsContext& context, QWidget* parent = nullptr);
    bool full() const { return full_; }
    // Reads the probe again (the application became active).
    void refresh();

private:
    SettingsContext context_;
    bool full_ = false;
    QLabel* symbol_ = nullptr;
    QLabel* text_ = nullptr;
};

class UpdateSettings final : public QWidget {
    Q_OBJECT
public:
    UpdateSettings(platform::Updater& updater, QWidget* parent = nullptr);
    // "上次检查：" and the date with the locale's abbreviated date and short time.
    static QString lastCheckText(const QDateTime& date);

private:
    void refresh();

    platform::Updater& updater_;
    SettingsCard* card_ = nullptr;
    SettingRow* automatic_ = nullptr;
    CandyButton* checkNow_ = nullptr;
};

class AboutSettings final : public QWidget {
    Q_OBJECT
public:
    explicit AboutSettings(const SettingsContext& context, QWidget* parent = nullptr);
};

}  // namespace sorbeta
