// The translation files in the source tree: every language holds every text
// of the interface, finished, with the placeholders and line breaks of its
// source. A missing or unfinished entry shows the Chinese key in that
// language; a lost or renumbered placeholder shows the wrong figure or none.
#include <gtest/gtest.h>

#include <QRegularExpression>
#include <set>

#include "TsFiles.h"

namespace {

using sorbeta::test::readTs;
using sorbeta::test::TsFile;
using sorbeta::test::TsMessage;

QString tsPath(const char* language) { return sorbeta::test::tsPath(QLatin1String(language)); }

// The placeholders of a text: %1 … %99 (also %L1) by number, and %n.
std::set<QString> placeholders(const QString& text) {
    static const QRegularExpression pattern(QStringLiteral("%L?([1-9][0-9]?|n)"));
    std::set<QString> found;
    for (const auto& match : pattern.globalMatch(text)) found.insert(match.captured(1));
    return found;
}

QString joined(const std::set<QString>& set) {
    QStringList list;
    for (const QString& item : set) list << QLatin1Char('%') + item;
    return QLatin1Char('{') + list.join(QLatin1Char(' ')) + QLatin1Char('}');
}

// What is wrong with one translation of `source`; empty when nothing is.
QStringList problemsOf(const QString& source, const TsMessage& message) {
    QStringList problems;
    if (message.unfinished) return {QStringLiteral("is unfinished")};
    if (message.forms.empty()) problems << QStringLiteral("has no translation");
    const auto expected = placeholders(source);
    const auto lines = source.count(QLatin1Char('\n'));
    for (const QString& form : message.forms) {
        if (form.isEmpty()) {
            problems << QStringLiteral("has an empty form");
            continue;
        }
        if (placeholders(form) != expected)
            problems << QStringLiteral("has placeholders %1 for %2 in \"%3\"")
                            .arg(joined(placeholders(form)), joined(expected), form);
        if (form.count(QLatin1Char('\n')) != lines)
            problems << QStringLiteral("has %1 line breaks instead of %2 in \"%3\"")
                            .arg(form.count(QLatin1Char('\n')))
                            .arg(lines)
                            .arg(form);
    }
    return problems;
}

TEST(TranslationFiles, PlaceholderAndLineChecksCatchWhatALanguageLoses) {
    EXPECT_EQ(placeholders(QStringLiteral("%1 · %2 项 · %L3 天 %n 个, 100%")), (std::set<QString>{"1", "2", "3", "n"}));
    EXPECT_EQ(placeholders(QStringLiteral("%12 and %1")), (std::set<QString>{"12", "1"}));

    TsMessage good{.forms = {QStringLiteral("%2 of %1\nline")}};
    EXPECT_TRUE(problemsOf(QStringLiteral("%1 的 %2\n行"), good).isEmpty());
    TsMessage renumbered{.forms = {QStringLiteral("%1 of %3\nline")}};
    EXPECT_EQ(problemsOf(QStringLiteral("%1 的 %2\n行"), renumbered).size(), 1);
    TsMessage lostBreak{.forms = {QStringLiteral("%2 of %1 line")}};
    EXPECT_EQ(problemsOf(QStringLiteral("%1 的 %2\n行"), lostBreak).size(), 1);
    // Every plural form keeps the count; an unfinished entry counts as missing even when filled in.
    TsMessage plural{.numerus = true, .unfinished = true, .forms = {QStringLiteral("one item"), "%n items"}};
    EXPECT_EQ(problemsOf(QStringLiteral("%n 项"), plural).size(), 1);
    plural.unfinished = false;
    EXPECT_EQ(problemsOf(QStringLiteral("%n 项"), plural).size(), 1);
}

// The English file lists every text of the interface; each language must
// translate all of them and nothing else.
TEST(TranslationFiles, EveryLanguageTranslatesEveryTextWithItsPlaceholders) {
    const TsFile english = readTs(tsPath("en"));
    ASSERT_TRUE(english.error.isEmpty()) << "en: " << english.error.toStdString();
    ASSERT_GT(english.messages.size(), 100u);
    for (const char* language : {"en", "ko", "ja", "zh_Hant", "th", "vi", "es", "ar"}) {
        const TsFile file = readTs(tsPath(language));
        EXPECT_TRUE(file.error.isEmpty()) << language << ": " << file.error.toStdString();
        QStringList failures;
        for (const auto& [source, reference] : english.messages) {
            if (reference.stale) continue;
            const auto found = file.messages.find(source);
            if (found == file.messages.end()) {
                failures << QStringLiteral("missing \"%1\"").arg(source);
                continue;
            }
            if (found->second.numerus != reference.numerus)
                failures << QStringLiteral("\"%1\" differs in plural forms from English").arg(source);
            for (const QString& problem : problemsOf(source, found->second))
                failures << QStringLiteral("\"%1\" %2").arg(source, problem);
        }
        for (const auto& [source, message] : file.messages)
            if (!english.messages.count(source) && !message.stale)
                failures << QStringLiteral("\"%1\" is no text of the interface").arg(source);
        EXPECT_TRUE(failures.isEmpty()) << language << ": " << failures.size() << " problems:\n  "
                                        << failures.join(QStringLiteral("\n  ")).toStdString();
    }
}

// The interface font is one CJK family, which draws curly quotes and
// apostrophes full width: "system’s" shows a wide gap after the apostrophe.
// Languages not written in CJK scripts keep to straight ones.
TEST(TranslationFiles, NonCjkLanguagesUseStraightQuotes) {
    const QRegularExpression curly(QStringLiteral("[\u2018\u2019\u201C\u201D]"));
    for (const char* language : {"en", "es", "vi", "th", "ar"}) {
        const TsFile file = readTs(tsPath(language));
        ASSERT_TRUE(file.error.isEmpty()) << language << ": " << file.error.toStdString();
        for (const auto& [source, message] : file.messages)
            for (const QString& form : message.forms)
                EXPECT_FALSE(form.contains(curly)) << language << ": " << form.toStdString();
    }
}

// The Chinese file holds only the Linux wordings; those keep their key's placeholders too.
TEST(TranslationFiles, ChineseLinuxWordingsKeepTheirPlaceholders) {
    const TsFile chinese = readTs(tsPath("zh_Hans"));
    ASSERT_TRUE(chinese.error.isEmpty()) << chinese.error.toStdString();
    EXPECT_FALSE(chinese.messages.empty());
    for (const auto& [source, message] : chinese.messages)
        EXPECT_TRUE(problemsOf(source, message).isEmpty())
            << source.toStdString() << ": " << problemsOf(source, message).join(", ").toStdString();
}

}  // namespace
