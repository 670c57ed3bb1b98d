#pragma once
// One folder that grew or shrank: a dot in its category's colour, its short
// name over "before → after", and the signed change on the trailing side. A
// click reveals the folder; the pointer over it lights the row.
#include <QAbstractButton>
#include <filesystem>
#include <functional>

#include "model/history/HistoryMath.h"
#include "ui/views/history/HistoryPageText.h"

namespace sorbeta {

class ChangeRow final : public QAbstractButton {
public:
    static constexpr int kDot = 10;
    static constexpr int kSpacing = 10;
    static constexpr int kInsetV = 6;
    static constexpr int kInsetH = 10;
    static constexpr double kRadius = 12;

    ChangeRow(const DiskChange& change, const std::filesystem::path& home, QWidget* parent = nullptr);

    const HistoryPageText::Row& row() const { return row_; }
    const DiskChange& change() const { return change_; }
    bool hovered() const { return hover_; }
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    DiskChange change_;
    HistoryPageText::Row row_;
    bool hover_ = false;
};

}  // namespace sorbeta
