#pragma once
// The translation files (.ts) as the tests read them: each message by its
// source text, with its state and its translation or plural forms.
#include <QString>
#include <map>
#include <vector>

namespace sorbeta::test {

struct TsMessage {
    bool numerus = false;
    bool unfinished = false;
    bool stale = false;          // vanished or obsolete: no longer in the code
    std::vector<QString> forms;  // the translation, or each plural form
};

struct TsFile {
    QString error;                          // empty when the file read cleanly
    std::map<QString, TsMessage> messages;  // by source text
};

TsFile readTs(const QString& path);

// A translation file of the source tree (SORBETA_TRANSLATIONS_DIR), by its
// language suffix: "en", "zh_Hant", …
QString tsPath(const QString& language);

}  // namespace sorbeta::test
