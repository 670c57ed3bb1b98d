#pragma once
// The editor of one automatic cleaning rule: a switch, the catalog rule's
// name with the size the last scan measured for it, and a stepper for the
// threshold in gigabytes (1 to 200; steps of 5 from 10 on, else 1). It stores
// nothing itself: every read and write goes through the binding.
#include <QWidget>
#include <cstdint>
#include <functional>
#include <optional>

#include "model/care/Maintenance.h"
#include "model/catalog/CatalogTypes.h"

class QAbstractButton;
class QGraphicsOpacityEffect;
class QLabel;

namespace sorbeta {

class TabularLabel;

class RuleRow final : public QWidget {
    Q_OBJECT

public:
    static constexpr double kMinGB = 1, kMaxGB = 200;

    // `current`: bytes the last scan measured for the rule, if it listed it.
    // `changed` runs after the switch has stored a new `enabled` value.
    RuleRow(RuleBinding rule, const CleanSpec& spec, std::optional<int64_t> current, std::function<void()> changed,
            QWidget* parent = nullptr);

    // Reads the rule again (after someone else changed it).
    void refresh();

    // The stepper's moves as the row makes them, from the value it shows.
    static double stepUp(double gigabytes);
    static double stepDown(double gigabytes);
    // "≥ N G" with the whole gigabytes of a threshold.
    static QString thresholdLabel(double gigabytes);

    QAbstractButton* toggle() const { return toggle_; }
    QAbstractButton* upButton() const { return up_; }
    QAbstractButton* downButton() const { return down_; }
    QLabel* nameLabel() const { return name_; }
    QLabel* sizeLabel() const { return size_; }  // none without a measured size
    TabularLabel* thresholdText() const { return threshold_; }

private:
    void write(AutoRule rule);

    RuleBinding rule_;
    std::function<void()> changed_;
    QAbstractButton* toggle_ = nullptr;
    QAbstractButton* up_ = nullptr;
    QAbstractButton* down_ = nullptr;
    QLabel* name_ = nullptr;
    QLabel* size_ = nullptr;
    TabularLabel* threshold_ = nullptr;
    QWidget* stepper_ = nullptr;
    QGraphicsOpacityEffect* stepperFade_ = nullptr;
};

}  // namespace sorbeta
