#pragma once
// The inline language picker: fills a menu with one checkable item per row of
// the language choice. The check follows the stored choice each time the menu
// opens; picking a row other than the marked one stores it and relaunches.
#include "model/shell/AppLanguage.h"

class QMenu;

namespace sorbeta {

// Adds the rows to the menu (after what it already holds); a pick calls `relaunch`.
void addLanguageChoices(QMenu* menu, AppLanguage::Relaunch relaunch);

}  // namespace sorbeta
