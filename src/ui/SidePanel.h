#pragma once
// The clean page's control column: the figure of free space after cleaning,
// what the engine is doing, the safe and review rules with their ticks, the
// holding-area link, and the clean and rescan buttons. It owns no data: the
// shell hands it the model's state and acts on its signals.
#include <QLabel>
#include <QPointer>
#include <QWidget>
#include <set>
#include <string>
#include <vector>

#include "ui/CandyControls.h"
#include "ui/SidePanelText.h"
#include "ui/Transitions.h"

class QAbstractButton;
class QGraphicsOpacityEffect;
class QScrollArea;
class QVBoxLayout;

namespace sorbeta {

class CandyDialogCenter;
class CandyButton;
class CleanProgressBar;
class ProgressSlot;
class SidePanelFigure;
class SidePanelSection;
class TabularLabel;

class SidePanel final : public QWidget {
    Q_OBJECT

public:
    explicit SidePanel(QWidget* parent = nullptr);

    void setState(const SidePanelText::State& state);
    const SidePanelText::State& state() const { return state_; }
    // The holding link shows while the area holds at least one batch.
    void setHoldingBatches(int count);

    // The centre that shows the clean confirmation (the shared one by default).
    void setDialogCenter(CandyDialogCenter* center) { dialogs_ = center; }

    QAbstractButton* cleanButton() const;
    QAbstractButton* rescanButton() const;
    QAbstractButton* holdingLink() const;
    QString summaryText() const { return summary_->text(); }
    QString captionText() const { return caption_->text(); }
    // The progress bar's fraction while it shows (or is on its way in), else
    // a negative value.
    double shownProgress() const;
    ProgressSlot* progressSlot() const { return progressSlot_; }
    SidePanelSection* safeSection() const { return safe_; }
    SidePanelSection* reviewSection() const { return review_; }
    SidePanelFigure* figure() const { return figure_; }

signals:
    void toggleItem(const std::string& id);
    void toggleAllItems(const std::vector<CleanItem>& items);
    // The user confirmed the clean of exactly these rule ids (the ones the
    // dialog listed).
    void cleanConfirmed(const std::set<std::string>& ids);
    void rescanRequested();
    void holdingRequested();

private:
    void askToClean();
    void refresh(const SidePanelText::State& before);

    SidePanelText::State state_;
    SidePanelFigure* figure_ = nullptr;
    QLabel* caption_ = nullptr;
    QLabel* summary_ = nullptr;
    ProgressSlot* progressSlot_ = nullptr;
    SidePanelSection* safe_ = nullptr;
    SidePanelSection* review_ = nullptr;
    QAbstractButton* holdingLink_ = nullptr;
    CandyButton* clean_ = nullptr;
    CandyButton* rescan_ = nullptr;
    QPointer<CandyDialogCenter> dialogs_;
};

// The header's progress bar in a slot that opens and fades in when the bar
// comes and closes when it goes (ease-out over 0.25 s when the panel turns
// busy or idle, the first reading's spring when that brings the bar).
class ProgressSlot final : public QWidget {
    Q_OBJECT

public:
    explicit ProgressSlot(QWidget* parent = nullptr);
    CleanProgressBar* bar() const { return bar_; }
    void setShown(bool shown, const Animation& animation);
    bool shown() const { return presence_.target() > 0; }
    // 0 closed … 1 open, now.
    double presence() const;
    QSize sizeHint() const override;

private:
    void apply(double now);

    CleanProgressBar* bar_ = nullptr;
    AnimatedValue presence_;
    QGraphicsOpacityEffect* fade_ = nullptr;
    FrameTicker ticker_{this};
};

// The big after-clean figure: number and unit, always left to right. A new
// figure counts up (or down) from the old one with a spring.
class SidePanelFigure final : public QWidget {
    Q_OBJECT

public:
    explicit SidePanelFigure(QWidget* parent = nullptr);
    // `number` "…" stands for no reading yet: shown as it is, nothing counts.
    void setFigure(const QString& number, const QString& unit, int64_t bytes);
    // The figure it is going to.
    QString number() const { return number_; }
    QString unit() const { return unit_; }
    // What it shows now, while counting.
    Bytes::Parts shownParts() const;
    bool counting() const;
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString number_, unit_;
    CountingBytes counter_;
    double startWidth_ = 0;  // the number's width where the count began
    FrameTicker ticker_{this};
};

// One section of rules: its title row and one row per item.
class SidePanelSection final : public QWidget {
    Q_OBJECT

public:
    // `icon` names a symbol of the kit.
    SidePanelSection(QString title, QString icon, Flavor tint, QString emptyText, QWidget* parent = nullptr);
    void setItems(const std::vector<CleanItem>& items, const SidePanelText::State& state);

    QAbstractButton* selectAllButton() const;
    QString selectedText() const;
    bool showsEmptyText() const;
    // The rows' rule ids, in order, and whether each is ticked.
    std::vector<std::pair<std::string, bool>> rows() const;
    QAbstractButton* rowButton(const std::string& id) const;

signals:
    void toggleItem(const std::string& id);
    void toggleAll(const std::vector<CleanItem>& items);

private:
    std::vector<CleanItem> items_;
    Flavor tint_;
    class SectionTitleRow* titleRow_ = nullptr;
    QLabel* empty_ = nullptr;
    QVBoxLayout* rowsLayout_ = nullptr;
    std::vector<class ItemRow*> rowWidgets_;
};

}  // namespace sorbeta
