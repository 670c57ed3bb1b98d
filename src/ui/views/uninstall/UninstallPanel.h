#pragma once
// The uninstall mode's side column: how much all applications take with
// their leftovers, how many there are, a status line, the search field, the
// order switch and the list of applications. A row selects its application
// (the main area then shows its detail); tapping the selected row again
// clears the selection. It keeps no data: everything is the model's. Named
// parts: "figure", "count", "status", "search", "sortSwitch", "appList" and
// one "app:<path>" row per listed application.
#include <QAbstractButton>
#include <QDateTime>
#include <QWidget>
#include <filesystem>
#include <functional>
#include <map>

#include "model/uninstall/UninstallModel.h"
#include "ui/kit/CandyControls.h"
#include "ui/kit/Transitions.h"

class QLabel;
class QLineEdit;
class QVBoxLayout;

namespace sorbeta {

// The big figure: number and unit, always left to right, counting to a new total.
class UninstallFigure final : public QWidget {
    Q_OBJECT
public:
    explicit UninstallFigure(QWidget* parent = nullptr);
    // `shown` false: "…" and no unit.
    void setTotal(int64_t bytes, bool shown);
    QString number() const;
    QString unit() const;
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool shown_ = false;
    CountingBytes counter_;
    FrameTicker ticker_{this};
};

// The two orders as capsules; the current one filled in grape.
class SortSwitch final : public QWidget {
    Q_OBJECT
public:
    explicit SortSwitch(QWidget* parent = nullptr);
    void setSort(UninstallModel::Sort sort);
    UninstallModel::Sort sort() const { return sort_; }
    // The capsule of each order, in order size, unused (mirrored right to left).
    std::vector<QRectF> segmentRects() const;
    QSize sizeHint() const override;

signals:
    void sortPicked(sorbeta::UninstallModel::Sort sort);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    UninstallModel::Sort sort_ = UninstallModel::Sort::size;
    std::vector<SpringValue> chosen_;
    FrameTicker ticker_{this};
};

// One application: icon, name, usage line and size.
class AppRow final : public QAbstractButton {
    Q_OBJECT
public:
    AppRow(const std::filesystem::path& dataHome, QWidget* parent = nullptr);
    void setApp(const InstalledApp& app, bool selected, const QDateTime& now);
    const InstalledApp& app() const { return app_; }
    bool selected() const { return selected_; }
    bool hovering() const { return hover_; }
    QString usage() const { return usage_; }
    QString sizeText() const { return size_; }
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    std::filesystem::path dataHome_;
    InstalledApp app_;
    bool selected_ = false;
    bool hover_ = false;
    QString usage_, size_;
};

class UninstallPanel final : public QWidget {
    Q_OBJECT
public:
    using Clock = std::function<QDateTime()>;
    UninstallPanel(UninstallModel& model, std::filesystem::path dataHome, Clock now = {}, QWidget* parent = nullptr);

    // Reads every shown value again (the model's signals call it).
    void refresh();
    // The rows as shown, top to bottom.
    std::vector<AppRow*> rows() const;

private:
    void refreshRows();

    UninstallModel& model_;
    std::filesystem::path dataHome_;
    Clock now_;
    UninstallFigure* figure_ = nullptr;
    QLabel* count_ = nullptr;
    QLabel* status_ = nullptr;
    QLineEdit* search_ = nullptr;
    SortSwitch* sortSwitch_ = nullptr;
    QWidget* list_ = nullptr;
    QVBoxLayout* listLayout_ = nullptr;
    std::map<QString, AppRow*> rows_;
};

}  // namespace sorbeta
