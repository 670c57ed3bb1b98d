#include "app/LanguageChoices.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>

#include "model/scan/AppModel.h"
#include "model/shell/LanguageMenu.h"

namespace sorbeta {
namespace {

void markSelection(QActionGroup* group) {
    const QString selected = LanguageMenu::selection();
    for (QAction* action : group->actions()) action->setChecked(action->data().toString() == selected);
}

}  // namespace

void addLanguageChoices(QMenu* menu, AppLanguage::Relaunch relaunch, const AppModel* model) {
    auto* group = new QActionGroup(menu);
    // Exclusive in look only: a stored code outside the list marks no row, so
    // the group must allow none to be checked.
    group->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    for (const LanguageMenu::Row& row : LanguageMenu::rows()) {
        if (row.kind == LanguageMenu::Row::Kind::divider) {
            menu->addSeparator();
            continue;
        }
        QAction* action = menu->addAction(row.title);
        action->setCheckable(true);
        action->setData(row.value);
        group->addAction(action);
        const QString value = row.value;
        QObject::connect(action, &QAction::triggered, menu, [group, value, relaunch] {
            // The row already marked: nothing changes, so no relaunch, and
            // the click that unchecked it is undone.
            if (value == LanguageMenu::selection()) return markSelection(group);
            LanguageMenu::pick(value, relaunch);
        });
    }
    markSelection(group);
    QObject::connect(menu, &QMenu::aboutToShow, group, [group] { markSelection(group); });
    if (model) {
        // The relaunch would drop a running scan, or start the next instance
        // scanning what a clean here is still deleting.
        auto follow = [group, model] { group->setEnabled(model->phase().isIdle()); };
        QObject::connect(model, &AppModel::phaseChanged, group, follow);
        follow();
    }
}

}  // namespace sorbeta
