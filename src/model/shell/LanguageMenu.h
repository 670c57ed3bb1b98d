#pragma once
// The rows of the interface-language choice: "follow the system", a divider,
// then the nine languages. The marked row is the stored override, not the
// running localisation: the two differ when no translation serves the code.
#include <QString>
#include <vector>

#include "model/shell/AppLanguage.h"

namespace sorbeta::LanguageMenu {

struct Row {
    enum class Kind { choice, divider };
    Kind kind = Kind::choice;
    QString title;  // "跟随系统" translated; language names as they stand
    QString value;  // the selection value: "" follows the system
};

std::vector<Row> rows();

// The value of the row to mark: the stored override, "" when there is none.
QString selection();

// Writes the picked value through AppLanguage::choose (none for ""), which
// calls `relaunch`. Never compares with the stored choice.
void pick(const QString& value, const AppLanguage::Relaunch& relaunch);

}  // namespace sorbeta::LanguageMenu
