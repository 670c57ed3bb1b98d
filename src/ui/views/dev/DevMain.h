#pragma once
// The main area of the developer and files pages: the shown group's detail
// (DevDetail), the empty state once a search found nothing, or the waiting
// jelly while the first search runs. The clean button asks through the
// dialog centre; only a confirmed question reports the entries that were
// ticked when the button was pressed.
//
// Its parts are named (objectName): "detail", "empty" and "waiting".
#include <qcoro/qcorotask.h>
#include <QPointer>
#include <QWidget>
#include <optional>
#include <vector>

#include "model/dev/DevModel.h"
#include "ui/views/dev/DevDetail.h"

namespace sorbeta {

class ScanningJelly;
class TransitionLayer;

class DevMain final : public QWidget {
    Q_OBJECT

public:
    // A change of group fades as an ease-out of about 0.2 s does.
    static constexpr Spring kGroupSpring{0.2, 1.0};

    DevMain(DevModel& dev, DevPageServices services, QWidget* parent = nullptr);
    ~DevMain() override;

    DevDetail* detail() const { return detail_; }
    bool showList() const { return showList_; }
    // A confirmation is waiting for its answer.
    bool confirming() const { return confirming_; }

signals:
    // The user confirmed the removal of exactly these entries.
    void runConfirmed(const std::vector<DevEntry>& entries);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void refresh();
    void place();
    QCoro::Task<> askToClean(std::vector<DevEntry> entries);
    void setConfirming(bool confirming);

    QPointer<DevModel> dev_;
    DevPageServices services_;
    bool showList_ = false;
    bool confirming_ = false;
    DevDetail* detail_ = nullptr;
    QWidget* empty_ = nullptr;
    ScanningJelly* waiting_ = nullptr;
    TransitionLayer* transitions_ = nullptr;
};

}  // namespace sorbeta
