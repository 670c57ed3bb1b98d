#include "model/shell/AppLanguage.h"

#include <QCoreApplication>
#include <QFile>
#include <QLocale>
#include <QTranslator>

#include "model/shell/AppSettings.h"

namespace sorbeta::AppLanguage {
namespace {

// Set once by startUp(); the main thread is the only reader and writer.
QString& pickedLocalization() {
    static QString picked;
    return picked;
}

}  // namespace

std::optional<QString> chosen() { return AppSettings().chosenLanguage(); }

QString current() {
    const QString& picked = pickedLocalization();
    return picked.isEmpty() ? QString::fromLatin1(sourceLocalization) : picked;
}

void choose(const std::optional<QString>& code, const Relaunch& relaunch) {
    AppSettings().setChosenLanguage(code);
    if (relaunch) relaunch();
}

QString localizationFor(const QString& languageTag, const QStringList& shipped) {
    QString tag = languageTag.trimmed();
    tag.replace(QLatin1Char('_'), QLatin1Char('-'));
    if (tag.isEmpty()) return {};
    if (shipped.contains(tag)) return tag;
    const QLocale locale(tag);
    if (locale.language() == QLocale::C || locale.language() == QLocale::AnyLanguage) return {};
    QString code;
    if (locale.language() == QLocale::Chinese) {
        // QLocale fills in the likely script: zh-TW and zh-HK are Traditional.
        code = locale.script() == QLocale::TraditionalHanScript ? QStringLiteral("zh-Hant") : QStringLiteral("zh-Hans");
    } else {
        code = QLocale::languageToCode(locale.language());
    }
    return shipped.contains(code) ? code : QString();
}

QStringList preferredLocalizations(const std::optional<QString>& override, const QStringList& systemLanguages,
                                   const QStringList& shipped) {
    if (override) {
        const QString code = localizationFor(*override, shipped);
        if (!code.isEmpty()) return {code};
    }
    QStringList result;
    for (const QString& tag : systemLanguages) {
        const QString code = localizationFor(tag, shipped);
        if (!code.isEmpty() && !result.contains(code)) result << code;
    }
    return result;
}

QString translationResource(const QString& code) {
    QString stem = code;
    stem.replace(QLatin1Char('-'), QLatin1Char('_'));
    return QStringLiteral(":/i18n/sorbeta_%1.qm").arg(stem);
}

QStringList shippedLocalizations() {
    QStringList shipped{QString::fromLatin1(sourceLocalization)};
    for (const Language& language : languages) {
        const QString code = QString::fromUtf8(language.code);
        if (code != QLatin1String(sourceLocalization) && QFile::exists(translationResource(code))) shipped << code;
    }
    return shipped;
}

QString startUp() {
    const QStringList preferred =
        preferredLocalizations(chosen(), QLocale::system().uiLanguages(), shippedLocalizations());
    pickedLocalization() = preferred.isEmpty() ? QString::fromLatin1(sourceLocalization) : preferred.first();
    const QString code = current();
    // Dates, times and joined lists follow the interface, not the system
    // (a Chinese interface under LANG=C still writes "2026年3月1日").
    QLocale::setDefault(localeOf(code));
    // The Chinese interface loads one too: its file holds the Linux wordings
    // of the texts whose Chinese key names something macOS-only.
    // Owned by the application, which keeps it for the life of the process.
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(translationResource(code)))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
    return code;
}

QLocale localeOf(const QString& code) { return QLocale(code); }

Qt::LayoutDirection layoutDirectionFor(const QString& code) {
    return QLocale(code).textDirection() == Qt::RightToLeft ? Qt::RightToLeft : Qt::LeftToRight;
}

Qt::LayoutDirection layoutDirection() { return layoutDirectionFor(current()); }

}  // namespace sorbeta::AppLanguage
