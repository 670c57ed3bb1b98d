#pragma once
// The status mode's side column: how much memory is in use and under what
// pressure, the machine's facts as rows, and the button that gives file-cache
// memory back after a confirmation. Its parts are named (objectName):
// "statusHeader", "row.model", "row.system", "row.uptime", "row.cpu",
// "row.disk", "row.battery", "row.swap", "purgeButton", "purgeFooter".
#include <QWidget>
#include <functional>
#include <optional>

#include "model/common/Flavor.h"
#include "ui/kit/CandyControls.h"
#include "ui/kit/Transitions.h"

class QLabel;

namespace sorbeta {

class AppModel;
class CandyConfirm;
class StatusModel;

// One fact: a tinted symbol tile, title and value, and an optional meter.
class InfoRow final : public QWidget {
    Q_OBJECT
public:
    InfoRow(QString icon, Flavor tint, QWidget* parent = nullptr);
    void setTexts(const QString& title, const QString& value);
    void setIcon(const QString& icon);
    // A fraction drawn as a bar under the texts; none: no bar.
    void setMeter(std::optional<double> meter);

    QString title() const { return title_; }
    QString value() const { return value_; }
    QString icon() const { return icon_; }
    std::optional<double> meter() const { return meter_; }
    // The bar's filled width for a track of `width`: never below a 6-point dot.
    static double filledWidth(double meter, double width);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString icon_;
    Flavor tint_;
    QString title_, value_;
    std::optional<double> meter_;
    AnimatedValue shown_;
    FrameTicker ticker_{this};
};

// The big used-memory figure, its caption and the pressure sentence.
class StatusHeader final : public QWidget {
    Q_OBJECT
public:
    explicit StatusHeader(QWidget* parent = nullptr);
    void setFigures(double usedFraction, const QString& caption, const QString& pressure);
    // The percentage it shows now, while counting towards the new one.
    int shownPercent() const;
    QString caption() const { return caption_; }
    QString pressure() const { return pressure_; }
    QSize sizeHint() const override;
    // The pressure sentence wraps onto as many lines as it needs.
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    AnimatedValue percent_;
    QString caption_, pressure_;
    FrameTicker ticker_{this};
};

class StatusPanel final : public QWidget {
    Q_OBJECT
public:
    // `uptime` and `cores` are asked on each refresh (the system's own by default).
    struct Clocks {
        std::function<int64_t()> uptimeSeconds;
        std::function<int()> cores;
    };
    StatusPanel(StatusModel& status, AppModel& disk, QWidget* parent = nullptr);
    StatusPanel(StatusModel& status, AppModel& disk, Clocks clocks, QWidget* parent = nullptr);

    // Reads every shown value again (the model's signals call it).
    void refresh();
    // Asks the purge confirmation, as the button does.
    void askPurge();

signals:
    // The user confirmed the purge.
    void purgeConfirmed();

private:
    StatusModel& status_;
    AppModel& disk_;
    Clocks clocks_;
    StatusHeader* header_ = nullptr;
    InfoRow* model_ = nullptr;
    InfoRow* system_ = nullptr;
    InfoRow* uptime_ = nullptr;
    InfoRow* cpu_ = nullptr;
    InfoRow* diskRow_ = nullptr;
    InfoRow* battery_ = nullptr;
    InfoRow* swap_ = nullptr;
    CandyButton* purgeButton_ = nullptr;
    QLabel* footer_ = nullptr;
    CandyConfirm* confirm_ = nullptr;
};

}  // namespace sorbeta
