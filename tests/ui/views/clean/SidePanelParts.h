#pragma once
// The side panel's parts, found by the names the panel gives them.
#include <QAbstractButton>
#include <QLabel>
#include <string>
#include <utility>
#include <vector>

#include "Children.h"
#include "ui/kit/CandyButtonRow.h"
#include "ui/kit/TabularText.h"
#include "ui/views/clean/SidePanelHeader.h"

namespace sorbeta::test {

inline SidePanelFigure* figure(const QWidget* panel) { return child<SidePanelFigure>(panel, "figure"); }
inline QLabel* caption(const QWidget* panel) { return child<QLabel>(panel, "caption"); }
inline QString captionText(const QWidget* panel) { return caption(panel)->text(); }
inline QString summaryText(const QWidget* panel) { return child<QLabel>(panel, "summary")->text(); }
inline ProgressSlot* progressSlot(const QWidget* panel) { return child<ProgressSlot>(panel, "progress"); }
// The progress bar's fraction while it shows (or is on its way in), else a
// negative value.
inline double shownProgress(const QWidget* panel) {
    const ProgressSlot* slot = progressSlot(panel);
    return slot->shown() ? slot->bar()->fraction() : -1.0;
}
inline CandyButtonRow* footer(const QWidget* panel) { return child<CandyButtonRow>(panel, "footer"); }
inline QAbstractButton* cleanButton(const QWidget* panel) { return child<QAbstractButton>(panel, "clean"); }
inline QAbstractButton* rescanButton(const QWidget* panel) { return child<QAbstractButton>(panel, "rescan"); }
inline QAbstractButton* holdingLink(const QWidget* panel) { return child<QAbstractButton>(panel, "holdingLink"); }
inline QWidget* safeSection(const QWidget* panel) { return child<QWidget>(panel, "safe"); }
inline QWidget* reviewSection(const QWidget* panel) { return child<QWidget>(panel, "review"); }

// A section's select-all button while it shows, else null.
inline QAbstractButton* selectAllButton(const QWidget* section) {
    auto* button = child<QAbstractButton>(section, "selectAll");
    return button && button->isVisibleTo(section) ? button : nullptr;
}
// A section's "selected" figure while it shows, else "".
inline QString selectedText(const QWidget* section) {
    auto* label = child<TabularLabel>(section, "selected");
    return label && label->isVisibleTo(section) ? label->text() : QString();
}
inline bool showsEmptyText(const QWidget* section) { return child<QLabel>(section, "empty")->isVisibleTo(section); }
// The row of a rule, named by its id; null when the section has none.
inline QAbstractButton* rowButton(const QWidget* section, const std::string& id) {
    return child<QAbstractButton>(section, id.c_str());
}
// The rows' rule ids, in order, and whether each is ticked.
inline std::vector<std::pair<std::string, bool>> rows(const QWidget* section) {
    std::vector<std::pair<std::string, bool>> result;
    for (QAbstractButton* button : section->findChildren<QAbstractButton*>())
        if (button->isCheckable() && !button->objectName().isEmpty())
            result.emplace_back(button->objectName().toStdString(), button->isChecked());
    return result;
}

}  // namespace sorbeta::test
