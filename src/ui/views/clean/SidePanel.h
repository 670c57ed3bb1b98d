#pragma once
// The clean page's control column: the figure of free space after cleaning,
// what the engine is doing, the safe and review rules with their ticks, the
// holding-area link, and the clean and rescan buttons. It owns no data: the
// shell hands it the model's state and acts on its signals. Its parts are
// named (objectName): "figure", "caption", "summary", "progress", the sections
// "safe" and "review" (each with "selectAll", "selected", "empty" and one row
// per rule, named by its id and checked while ticked), "holdingLink",
// "footer", "clean" and "rescan".
#include <QLabel>
#include <QMargins>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "model/dialog/CandyDialog.h"
#include "ui/views/clean/SidePanelHeader.h"
#include "ui/views/clean/SidePanelText.h"

class QAbstractButton;
class QScrollArea;
class QVBoxLayout;

namespace sorbeta {

class CandyButton;
class CandyButtonRow;
class SidePanelSection;
class TabularLabel;

class SidePanel final : public QWidget {
    Q_OBJECT

public:
    // `dialogs` shows the clean confirmation.
    explicit SidePanel(QWidget* parent = nullptr, CandyDialogCenter& dialogs = CandyDialogCenter::shared());

    // The panel reaches this far past the column it is given on each side:
    // room for the footer buttons' shadows, which take no room of the column.
    static constexpr QMargins kBleed{12, 0, 12, 18};

    void setState(const SidePanelText::State& state);
    // The holding link shows while the area holds at least one batch.
    void setHoldingBatches(int count);
    // Brings the state up to date (through setState) when Clean is pressed:
    // a setting changed in another window since the last change of the
    // model (holding on or off) must be what the dialog says and the clean does.
    void setRefreshBeforeAsking(std::function<void()> refresh);

signals:
    void toggleItem(const std::string& id);
    void toggleAllItems(const std::vector<CleanItem>& items);
    // The user confirmed the clean of exactly these rule ids (the ones the
    // dialog listed), held or deleted as the dialog said.
    void cleanConfirmed(const std::set<std::string>& ids, bool holdCleaned);
    void rescanRequested();
    void holdingRequested();

private:
    void buildHeader(QVBoxLayout* column);
    void buildSections(QVBoxLayout* column);
    void buildFooter(QVBoxLayout* column);
    void askToClean();
    void refresh(const SidePanelText::State& before);

    SidePanelText::State state_;
    SidePanelFigure* figure_ = nullptr;
    QLabel* caption_ = nullptr;
    QLabel* summary_ = nullptr;
    ProgressSlot* progressSlot_ = nullptr;
    SidePanelSection* safe_ = nullptr;
    SidePanelSection* review_ = nullptr;
    QWidget* holdingBox_ = nullptr;
    QAbstractButton* holdingLink_ = nullptr;
    CandyButtonRow* footer_ = nullptr;
    CandyButton* clean_ = nullptr;
    CandyButton* rescan_ = nullptr;
    QPointer<CandyDialogCenter> dialogs_;
    std::function<void()> refreshBeforeAsking_;
};

// One section of rules: its title row and one row per item.
class SidePanelSection final : public QWidget {
    Q_OBJECT

public:
    // `icon` names a symbol of the kit.
    SidePanelSection(QString title, QString icon, Flavor tint, QString emptyText, QWidget* parent = nullptr);
    void setItems(const std::vector<CleanItem>& items, const SidePanelText::State& state);

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
