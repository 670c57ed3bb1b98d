#pragma once
// The parts of the drill pane's header: the breadcrumb of open levels and
// the running total of what is measured so far.
#include <QAbstractButton>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <vector>

#include "model/common/Flavor.h"
#include "ui/kit/CandyControls.h"
#include "ui/kit/Transitions.h"
#include "ui/views/drill/DrillPaneText.h"

namespace sorbeta {

// One crumb: its title, cut in the middle when room is short. The shown
// level's crumb is larger and cannot be clicked.
class CrumbButton final : public QAbstractButton {
public:
    CrumbButton(const DrillPaneText::Crumb& crumb, QWidget* parent);
    const DrillPaneText::Crumb& crumb() const { return crumb_; }
    QSize sizeHint() const override;
    // The title as drawn in the present width.
    QString shownTitle() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    DrillPaneText::Crumb crumb_;
};

// "全部 › level › level" on one line; a crumb's click asks to keep its depth.
// Crumbs are named "crumb<depth>".
class DrillCrumbs final : public QWidget {
    Q_OBJECT

public:
    static constexpr double kSpacing = 4;
    static constexpr double kSeparatorSize = 10;

    DrillCrumbs(const std::vector<DrillPaneText::Crumb>& crumbs, QWidget* parent = nullptr);
    const std::vector<CrumbButton*>& buttons() const { return buttons_; }
    QSize sizeHint() const override;

signals:
    void popTo(int depth);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void place();

    std::vector<CrumbButton*> buttons_;
    std::vector<QRectF> separators_;
};

// The total of the sizes shown so far: number and unit, always left to right,
// filled from the flavour's base to its deep colour and counting to each new
// figure, with a small spinner while sizes are still coming.
class DrillTotal final : public QWidget {
public:
    static constexpr Spring kCountSpring{0.4, 0.825};

    DrillTotal(Flavor flavor, QWidget* parent = nullptr);
    void setTotal(int64_t bytes, bool loading);
    int64_t total() const { return counter_.target(); }
    bool spinning() const { return loading_; }
    // What it shows now, while counting.
    Bytes::Parts shownParts() const;
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    JellyPalette palette_;
    CountingBytes counter_;
    bool loading_ = false;
    bool started_ = false;
    QTimer spin_;
    FrameTicker ticker_{this};
};

}  // namespace sorbeta
