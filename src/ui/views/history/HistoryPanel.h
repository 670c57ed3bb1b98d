#pragma once
// The history page's side column: how much more space is used (or how much
// was freed) since the date compared with, the period picker, and the lists
// of folders that grew and shrank.
//
// Its parts are named (objectName): "amount", "subtitle", "period",
// "changes" (the scroll area), "grownTitle" and "shrunkTitle", one
// "grownRow" or "shrunkRow" per folder, and "quiet".
#include <QPointer>
#include <QWidget>
#include <filesystem>
#include <functional>
#include <vector>

#include "model/history/HistoryModel.h"
#include "ui/kit/CandyControls.h"
#include "ui/kit/Transitions.h"
#include "ui/map/JellyMapView.h"
#include "ui/views/history/HistoryPageText.h"

class QLabel;
class QScrollArea;
class QVBoxLayout;

namespace sorbeta {

// What the history page takes from the application.
struct HistoryPageServices {
    MapServices map;
    std::filesystem::path home;  // written "~" in tooltips
    // Shows items in the file manager; none: the desktop's file manager.
    std::function<void(const std::vector<std::filesystem::path>&)> reveal;
};

// The signed amount with its unit and, beside it, what it means; the amount
// and unit always read left to right and count to each new figure.
class HistoryAmount final : public QWidget {
public:
    static constexpr Spring kCountSpring{0.5, 0.7};
    static constexpr double kSpacing = 6;

    explicit HistoryAmount(QWidget* parent = nullptr);
    void setHeader(const HistoryPageText::Header& header);
    const HistoryPageText::Header& header() const { return header_; }
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString shownAmount() const;

    HistoryPageText::Header header_;
    CountingBytes counter_{kCountSpring};
    bool started_ = false;
    FrameTicker ticker_{this};
};

class HistoryPanel final : public QWidget {
    Q_OBJECT

public:
    static constexpr int kHeaderSpacing = 6;
    static constexpr int kBelowHeader = 16;
    static constexpr int kBelowPicker = 14;

    HistoryPanel(HistoryModel& model, HistoryPageServices services, QWidget* parent = nullptr);

private:
    void refresh();
    void fillLists();
    void addSectionTitle(const char* name, const QString& symbol, Flavor tint, const QString& title, int above);

    QPointer<HistoryModel> model_;
    HistoryPageServices services_;
    HistoryAmount* amount_ = nullptr;
    QLabel* subtitle_ = nullptr;
    CandySegmented* picker_ = nullptr;
    QScrollArea* scroll_ = nullptr;
    QWidget* lists_ = nullptr;
    QVBoxLayout* listsColumn_ = nullptr;
};

}  // namespace sorbeta
