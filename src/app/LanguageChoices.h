#pragma once
// The inline language picker: fills a menu with one checkable item per row of
// the language choice. The check follows the stored choice each time the menu
// opens; picking a row other than the marked one stores it and relaunches.
#include "model/shell/AppLanguage.h"

class QMenu;

namespace sorbeta {

class AppModel;

// Adds the rows to the menu (after what it already holds); a pick calls
// `relaunch`. With a model, the rows can be picked only while its phase is idle.
void addLanguageChoices(QMenu* menu, AppLanguage::Relaunch relaunch, const AppModel* model = nullptr);

}  // namespace sorbeta
