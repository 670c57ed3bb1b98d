#pragma once
// Candy buttons side by side with a given gap between their capsules. Each
// button widget keeps room for its shadow around the capsule, which a box
// layout would add to the gap, so the row places them by hand; the row itself
// keeps that room around the capsules (the first capsule starts
// CandyButton::kShadowMargins.left() in).
#include <QWidget>
#include <vector>

namespace sorbeta {

class CandyButton;

class CandyButtonRow final : public QWidget {
public:
    CandyButtonRow(std::vector<CandyButton*> buttons, int gap, QWidget* parent = nullptr);

    // Where each button's capsule stands, in the row's coordinates, one per
    // button in the order given.
    std::vector<QRect> capsules() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    bool event(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void place();

    std::vector<CandyButton*> buttons_;
    int gap_;
};

}  // namespace sorbeta
