#pragma once
// The holding area's sheet: every held batch with its date, item count, days
// left and size, restored or deleted with one press, and one short result line
// at the foot. The list follows HoldingModel while the sheet is open. Its
// parts are named (objectName): "done", "empty", "message", and one "batch"
// row per batch, in order, each with "size" (its accessible name is the
// text), "restore" and "delete".
#include <qcoro/qcorotask.h>
#include <QDateTime>
#include <QDialog>
#include <QLocale>
#include <QPointer>
#include <functional>

#include "model/holding/HoldingArea.h"

class QAbstractButton;
class QLabel;
class QVBoxLayout;

namespace sorbeta {

class HoldingModel;

// Days a batch still has before expiry: 7 less the whole days since it was
// made (truncated toward zero), never below 0. A date in the future gives
// more than 7.
qint64 holdingDaysLeft(const QDateTime& date, const QDateTime& now);

// The date with the locale's abbreviated date style (short month name, no
// weekday) and its short time, in local time.
QString abbreviatedDateTime(const QDateTime& date, const QLocale& locale);

// "<date> · <n> 项 · 还剩 <d> 天" with the date in the current locale's short
// date and time.
QString holdingDetailLine(const HoldBatch& batch, const QDateTime& now);

class HoldingSheet final : public QDialog {
    Q_OBJECT

public:
    using Clock = std::function<QDateTime()>;

    // `restored` is told after every restore, also one that ends after the
    // sheet has closed; it may be empty.
    HoldingSheet(HoldingModel& holding, std::function<void()> restored, QWidget* parent = nullptr, Clock now = {});

private:
    // The rows' button actions.
    QCoro::Task<> restore(HoldBatch batch);
    QCoro::Task<> purge(HoldBatch batch);
    void rebuildRows();
    void setMessage(const QString& text);

    QPointer<HoldingModel> holding_;
    std::function<void()> restored_;
    Clock now_;
    QAbstractButton* done_ = nullptr;
    QVBoxLayout* rows_ = nullptr;
    QLabel* empty_ = nullptr;
    QLabel* message_ = nullptr;
    std::vector<QWidget*> rowWidgets_;
};

}  // namespace sorbeta
