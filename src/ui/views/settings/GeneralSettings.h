#pragma once
// The general page (interface language, sounds, holding cleaned files, launch
// at login, the daily record) and the alerts page (low space with its
// threshold, memory pressure). What they change takes effect at once; the
// language only on a pick from the picker's open list, never on a wheel notch
// or an arrow key over the closed picker, and only while no scan or clean
// runs. Parts are named (objectName): "language", "sound", "holdCleaned",
// "launchAtLogin", "dailySnapshot", "lowSpace", "threshold", "memory" (the
// rows; their switches are named "switch").
#include <QWidget>

#include "ui/views/settings/SettingsContext.h"

class QComboBox;
class QLabel;

namespace sorbeta {

class SettingRow;
class StepSlider;

class GeneralSettings final : public QWidget {
    Q_OBJECT
public:
    explicit GeneralSettings(const SettingsContext& context, QWidget* parent = nullptr);
    QComboBox* languagePicker() const { return picker_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void languagePicked(int index);
    void refreshCare();

    SettingsContext context_;
    QComboBox* picker_ = nullptr;
    SettingRow* launch_ = nullptr;
    SettingRow* daily_ = nullptr;
};

class AlertSettings final : public QWidget {
    Q_OBJECT
public:
    static constexpr double kMinGB = 5, kMaxGB = 200, kStepGB = 5;

    explicit AlertSettings(const SettingsContext& context, QWidget* parent = nullptr);

    // "可用空间少于 N G 时提醒我" with the whole gigabytes of the threshold.
    static QString lowSpaceText(double gigabytes);
    // The fraction dropped; kept within 64 bits; 0 for a value that is not a number.
    static qint64 wholeGigabytes(double gigabytes);

private:
    void refresh();

    SettingsContext context_;
    SettingRow* lowSpace_ = nullptr;
    StepSlider* slider_ = nullptr;
    SettingRow* memory_ = nullptr;
};

}  // namespace sorbeta
