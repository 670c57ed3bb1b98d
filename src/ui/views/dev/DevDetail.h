#pragma once
// What the developer and files pages show for one group: a header (title,
// note, the jelly/list switch, the group's total), the group's entries as a
// jelly map or as a list, and a bottom row with the status line and the
// clean button. The page makes a fresh detail when the shown group changes.
//
// Its parts are named (objectName): "title", "note", "switch", "total",
// "map", "list" (the card holding the scroll area, one EntryRow per entry
// named by its id),
// "status" and "clean".
#include <QPointer>
#include <QWidget>
#include <filesystem>
#include <functional>
#include <vector>

#include "model/dev/DevModel.h"
#include "ui/kit/CandyControls.h"
#include "ui/map/JellyMapView.h"

class QLabel;
class QScrollArea;
class QVBoxLayout;

namespace sorbeta {

class CandyDialogCenter;
class EntryRow;
class TransitionLayer;

// What the pages take from the application.
struct DevPageServices {
    MapServices map;
    // Shows items in the file manager; none: the desktop's file manager.
    std::function<void(const std::vector<std::filesystem::path>&)> reveal;
    // Asks the clean confirmation; none: the application's centre.
    CandyDialogCenter* dialogs = nullptr;
};

// The group's total: number and unit, always left to right, filled from the
// flavour's base colour at the top to its deep colour at the bottom.
class DevGroupTotal final : public QWidget {
public:
    DevGroupTotal(Flavor flavor, QWidget* parent = nullptr);
    void setBytes(int64_t bytes);
    int64_t bytes() const { return bytes_; }
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    JellyPalette palette_;
    int64_t bytes_ = 0;
};

class DevDetail final : public QWidget {
    Q_OBJECT

public:
    // The switch between map and list fades as an ease-out of about 0.2 s does.
    static constexpr Spring kSwitchSpring{0.2, 1.0};
    static constexpr int kSpacing = 12;
    static constexpr int kButtonHeight = 46;

    DevDetail(const DevGroup& group, DevModel& dev, DevPageServices services, bool showList, QWidget* parent = nullptr);
    ~DevDetail() override;

    const DevGroup& group() const { return group_; }
    // The model's newer version of the same group (after a search).
    void setGroup(const DevGroup& group);
    bool showList() const { return showList_; }
    void setShowList(bool showList);
    // While a confirmation is asked the clean button waits.
    void setConfirming(bool confirming);
    // Follows the model's ticks, state and last outcome.
    void refresh();

    const std::vector<EntryRow*>& rows() const { return rows_; }

signals:
    // The switch was used.
    void showListChosen(bool showList);
    // The clean button was pressed with these entries ticked.
    void cleanRequested(const std::vector<DevEntry>& entries);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void buildRows();
    void place();
    void reveal(const std::filesystem::path& url) const;

    DevGroup group_;
    QPointer<DevModel> dev_;
    DevPageServices services_;
    bool showList_ = false;
    bool confirming_ = false;
    QLabel* title_ = nullptr;
    QLabel* note_ = nullptr;
    CandySegmented* switch_ = nullptr;
    DevGroupTotal* total_ = nullptr;
    JellyMapView* map_ = nullptr;
    QWidget* listCard_ = nullptr;
    QScrollArea* list_ = nullptr;
    QWidget* listBody_ = nullptr;
    QVBoxLayout* listColumn_ = nullptr;
    std::vector<EntryRow*> rows_;
    QLabel* status_ = nullptr;
    CandyButton* clean_ = nullptr;
    TransitionLayer* transitions_ = nullptr;
};

}  // namespace sorbeta
