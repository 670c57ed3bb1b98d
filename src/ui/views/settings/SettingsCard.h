#pragma once
// The pieces every settings page is built from: the card (a rounded white
// panel with an optional footer under it), the row of a switch with its label
// (the switch at the card's trailing edge), the switch and the step slider.
// Switches and sliders report only what the user does: setting them from the
// stored value triggers nothing.
#include <QAbstractButton>
#include <QLabel>
#include <QVBoxLayout>
#include <QWidget>
#include <optional>

#include "ui/kit/CandyControls.h"
#include "ui/kit/Spring.h"

namespace sorbeta {

class SettingsCard final : public QWidget {
public:
    // No footer: nothing under the card.
    explicit SettingsCard(const std::optional<QString>& footer = std::nullopt, QWidget* parent = nullptr);

    // Where the card's rows go (a column with 12 between rows).
    QVBoxLayout* content() const { return content_; }
    QWidget* panel() const { return panel_; }
    // The footer, or none; named "footer".
    QLabel* footer() const { return footer_; }
    void setFooter(const std::optional<QString>& text);

private:
    QWidget* panel_ = nullptr;
    QVBoxLayout* content_ = nullptr;
    QLabel* footer_ = nullptr;
};

// The switch: a capsule in the settings window's tint when on. clicked(bool)
// is the user's change; setChecked() from the owner stays silent.
class SettingsSwitch final : public QAbstractButton {
public:
    explicit SettingsSwitch(QWidget* parent = nullptr);
    // Shows the value without telling anyone.
    void display(bool on);
    QSize sizeHint() const override;
    double onAmount() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void checkStateSet() override;
    void nextCheckState() override;

private:
    SpringValue on_{Spring{0.25, 0.8}};
    FrameTicker ticker_{this};
};

// A switch with its label: the text, at least 12 of room, the switch at the
// trailing edge. The switch is named "switch".
class SettingRow final : public QWidget {
public:
    SettingRow(const QString& text, QWidget* parent = nullptr);
    SettingsSwitch* toggle() const { return switch_; }
    QLabel* label() const { return label_; }

private:
    QLabel* label_ = nullptr;
    SettingsSwitch* switch_ = nullptr;
};

// A slider over [minimum, maximum] in whole steps. It shows any value it is
// given (an off-grid or out-of-range stored value is drawn where it falls,
// clamped to the track) without writing it back; the user's drags, clicks
// and keys move it to grid values and report them through `moved`.
class StepSlider final : public QWidget {
    Q_OBJECT
public:
    StepSlider(double minimum, double maximum, double step, QWidget* parent = nullptr);
    void setValue(double value);  // silent
    double value() const { return value_; }
    // The grid value nearest to a position on the track (0…1).
    double valueAt(double fraction) const;
    // Where a value is drawn on the track (0…1); NaN at the start.
    double fractionOf(double value) const;
    QRectF trackRect() const;
    QSize sizeHint() const override;

signals:
    void moved(double value);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void userSet(double value);

    double minimum_, maximum_, step_;
    double value_;
};

}  // namespace sorbeta
