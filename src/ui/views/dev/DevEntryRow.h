#pragma once
// One entry of a group in the list of the developer and files pages: its
// check box (an eye for entries that can only be shown), title with the
// "建议清理" badge, detail and size; pressing the row ticks it. Beside it, for
// an entry with a place on disk, the button that shows that place in the
// file manager. Parts named: "reveal".
#include <QAbstractButton>
#include <filesystem>
#include <functional>
#include <optional>

#include "model/dev/DevTypes.h"
#include "ui/kit/Spring.h"
#include "ui/kit/Theme.h"
#include "ui/kit/Transitions.h"

namespace sorbeta {

class FrameTicker;

class EntryRow final : public QAbstractButton {
public:
    EntryRow(const DevEntry& entry, Flavor flavor, bool on, std::function<void(const std::filesystem::path&)> reveal,
             QWidget* parent = nullptr);
    ~EntryRow() override;

    const DevEntry& entry() const { return entry_; }
    void setOn(bool on);
    bool on() const { return on_; }
    // The place the reveal button shows; none: no button.
    const std::optional<std::filesystem::path>& revealUrl() const { return revealUrl_; }
    QAbstractButton* revealButton() const { return reveal_; }
    bool hovered() const { return hover_; }
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    DevEntry entry_;
    JellyPalette palette_;
    bool on_ = false;
    bool hover_ = false;
    std::optional<std::filesystem::path> revealUrl_;
    QAbstractButton* reveal_ = nullptr;
    SpringValue check_;
    FrameTicker* ticker_ = nullptr;
};

}  // namespace sorbeta
