#include "model/shell/LanguageMenu.h"

#include "model/shell/AppLanguage.h"
#include "platform/Translate.h"

namespace sorbeta::LanguageMenu {

std::vector<Row> rows() {
    std::vector<Row> result;
    result.push_back({Row::Kind::choice, sorbeta::tr("跟随系统"), QString()});
    result.push_back({Row::Kind::divider, QString(), QString()});
    for (const AppLanguage::Language& language : AppLanguage::languages)
        result.push_back({Row::Kind::choice, QString::fromUtf8(language.name), QString::fromUtf8(language.code)});
    return result;
}

QString selection() { return AppLanguage::chosen().value_or(QString()); }

void pick(const QString& value, const AppLanguage::Relaunch& relaunch) {
    AppLanguage::choose(value.isEmpty() ? std::nullopt : std::optional<QString>(value), relaunch);
}

}  // namespace sorbeta::LanguageMenu
