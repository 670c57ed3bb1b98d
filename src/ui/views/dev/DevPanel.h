#pragma once
// The side column of the developer and files pages: the size the page
// recommends removing with the page's caption, what the page holds (or that
// it is searching), and one row per group; clicking a row shows that group
// in the main area. All wording comes from the model's texts.
//
// Its parts are named (objectName): "figure", "caption", "subtitle",
// "groups" (the scroll area), one row per group named by the group's id,
// and "empty".
#include <QAbstractButton>
#include <QPointer>
#include <QWidget>
#include <vector>

#include "model/dev/DevModel.h"
#include "ui/kit/CandyControls.h"
#include "ui/kit/Transitions.h"

class QLabel;
class QVBoxLayout;

namespace sorbeta {

// The big recommended size: "…" until the first search ends, then the
// number counting to each new figure with its unit; always left to right.
class DevFigure final : public QWidget {
public:
    static constexpr Spring kCountSpring{0.5, 0.8};

    DevFigure(Flavor flavor, QWidget* parent = nullptr);
    // Without a reading the figure is "…" and no unit shows.
    void setFigure(std::optional<int64_t> bytes);
    // What it shows now ("…" and no unit before the first reading).
    Bytes::Parts shownParts() const;
    double baseline() const;
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    JellyPalette palette_;
    std::optional<int64_t> bytes_;
    CountingBytes counter_{kCountSpring};
    FrameTicker ticker_{this};
};

// One group: its symbol tile, title, entry count with the ticked size, and
// the size of all its entries.
class GroupRow final : public QAbstractButton {
public:
    GroupRow(const DevGroup& group, QWidget* parent = nullptr);
    void setState(const DevGroup& group, bool selected, const std::vector<DevEntry>& picked);
    const DevGroup& group() const { return group_; }
    bool selected() const { return selected_; }
    // The second line as drawn.
    const QString& line() const { return line_; }
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    DevGroup group_;
    bool selected_ = false;
    bool hover_ = false;
    QString line_;
};

class DevPanel final : public QWidget {
    Q_OBJECT

public:
    static constexpr int kBelowHeader = 18;
    static constexpr int kRowSpacing = 4;

    explicit DevPanel(DevModel& dev, QWidget* parent = nullptr);

    const std::vector<GroupRow*>& rows() const { return rows_; }

private:
    void refresh();
    void rebuildRows();

    QPointer<DevModel> dev_;
    DevFigure* figure_ = nullptr;
    QLabel* caption_ = nullptr;
    QLabel* subtitle_ = nullptr;
    QWidget* list_ = nullptr;
    QVBoxLayout* listColumn_ = nullptr;
    QLabel* empty_ = nullptr;
    std::vector<GroupRow*> rows_;
    std::vector<QString> rowIds_;
};

}  // namespace sorbeta
