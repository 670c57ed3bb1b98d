// Folds the texts that lupdate extracted into our translation files.
//
// lupdate names a context after the enclosing namespace or class
// ("sorbeta", "sorbeta::Catalog"), while the application looks every text up
// in the one context "Sorbeta". This tool takes every source text of the
// extracted file, whatever its context, and rewrites each language's file
// with one "Sorbeta" context: texts in the order extracted, translations kept
// where the source text is unchanged, texts no longer in the code dropped.
//
// The Chinese file (language zh_Hans, the source language itself) is not a
// translation but the list of Linux wordings: a Chinese text whose meaning is
// wrong on Linux keeps its key and gets its Linux wording there. It holds only
// those finished entries, so it reads as the one list of them.
//
// A text with a count (numerus="yes", its key writing the count as %n) has
// one form per plural class of the language: an unfinished one gets as many
// empty forms as the language needs, so a translator sees them all.
//
//   sorbeta_tsmerge EXTRACTED.ts LANGUAGE.ts...
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSaveFile>
#include <QSet>
#include <QStringList>
#include <QTextStream>
#include <QXmlStreamReader>
#include <algorithm>
#include <cstdio>

namespace {

struct Message {
    QString context;
    QString source;
    QString comment;          // disambiguation: two meanings of one key
    QStringList translation;  // one entry, or one per plural form
    bool numerus = false;
    bool finished = false;
};

// Where the same key is used with two meanings, the disambiguation keeps them apart.
QString identity(const Message& message) { return message.source + QChar(0x1f) + message.comment; }

// How many plural forms each language has (the rules lupdate and lrelease use).
int pluralForms(const QString& language) {
    static const QStringList oneForm = {QStringLiteral("zh"), QStringLiteral("ja"), QStringLiteral("ko"),
                                        QStringLiteral("th"), QStringLiteral("vi")};
    const QString base = language.section(QLatin1Char('_'), 0, 0);
    if (oneForm.contains(base)) return 1;
    if (base == QLatin1String("ar")) return 6;
    return 2;
}

struct TsFile {
    QString language;
    QString sourceLanguage;
    QList<Message> messages;
};

bool readTs(const QString& path, TsFile& out) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return false;
    QXmlStreamReader xml(&file);
    QString context;
    Message message;
    bool inMessage = false;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            const auto name = xml.name();
            if (name == u"TS") {
                out.language = xml.attributes().value(QLatin1String("language")).toString();
                out.sourceLanguage = xml.attributes().value(QLatin1String("sourcelanguage")).toString();
            } else if (name == u"name" && !inMessage) {
                context = xml.readElementText();
            } else if (name == u"message") {
                inMessage = true;
                message = Message{.context = context};
                message.numerus = xml.attributes().value(QLatin1String("numerus")) == u"yes";
            } else if (name == u"source" && inMessage) {
                message.source = xml.readElementText();
            } else if (name == u"comment" && inMessage) {
                message.comment = xml.readElementText();
            } else if (name == u"translation" && inMessage) {
                const auto type = xml.attributes().value(QLatin1String("type"));
                message.finished = type.isEmpty();
                const bool gone = type == u"obsolete" || type == u"vanished";
                if (message.numerus) {
                    while (xml.readNextStartElement())
                        if (xml.name() == u"numerusform")
                            message.translation << xml.readElementText();
                        else
                            xml.skipCurrentElement();
                } else {
                    message.translation = {xml.readElementText()};
                }
                if (gone) message.source.clear();
            }
        } else if (xml.isEndElement() && xml.name() == u"message") {
            inMessage = false;
            if (!message.source.isEmpty()) out.messages << message;
        }
    }
    if (xml.hasError()) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(path), qPrintable(xml.errorString()));
        return false;
    }
    return true;
}

QString escaped(const QString& text) {
    QString result = text.toHtmlEscaped();  // & < > and "
    result.replace(QLatin1String("&quot;"), QLatin1String("\""));
    return result;
}

bool isLinuxWordings(const QString& language) { return language == QLatin1String("zh_Hans"); }

// The forms kept for a text of the code: the known translation when it is of
// the same kind (a count or not), padded or cut to the number the language has.
QStringList formsFor(const Message& source, const Message* known, const QString& language) {
    const int count = source.numerus ? pluralForms(language) : 1;
    QStringList forms;
    if (known && known->numerus == source.numerus) forms = known->translation.mid(0, count);
    while (forms.size() < count) forms << QString();
    return forms;
}

bool writeTs(const QString& path, const QString& language, const QList<Message>& sources,
             const QHash<QString, Message>& known) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    QTextStream out(&file);
    out << "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<!DOCTYPE TS>\n";
    out << "<TS version=\"2.1\" language=\"" << language << "\" sourcelanguage=\"zh_CN\">\n";
    out << "<context>\n    <name>Sorbeta</name>\n";
    for (const Message& source : sources) {
        const auto it = known.constFind(identity(source));
        const Message* previous = it != known.constEnd() ? &*it : nullptr;
        const QStringList forms = formsFor(source, previous, language);
        const bool done = previous && previous->finished && previous->numerus == source.numerus &&
                          std::none_of(forms.begin(), forms.end(), [](const QString& form) { return form.isEmpty(); });
        if (isLinuxWordings(language) && !done) continue;
        out << (source.numerus ? "    <message numerus=\"yes\">\n" : "    <message>\n");
        out << "        <source>" << escaped(source.source) << "</source>\n";
        if (!source.comment.isEmpty()) out << "        <comment>" << escaped(source.comment) << "</comment>\n";
        out << (done ? "        <translation>" : "        <translation type=\"unfinished\">");
        if (source.numerus) {
            out << "\n";
            for (const QString& form : forms) out << "            <numerusform>" << escaped(form) << "</numerusform>\n";
            out << "        ";
        } else {
            out << escaped(forms.first());
        }
        out << "</translation>\n    </message>\n";
    }
    out << "</context>\n</TS>\n";
    out.flush();
    return file.commit();
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.size() < 2) {
        std::fprintf(stderr, "usage: sorbeta_tsmerge EXTRACTED.ts LANGUAGE.ts...\n");
        return 2;
    }
    TsFile extracted;
    if (!readTs(args[0], extracted)) return 1;
    QList<Message> sources;
    QSet<QString> seen;
    for (const Message& message : extracted.messages) {
        if (seen.contains(identity(message))) continue;
        seen.insert(identity(message));
        sources << message;
        // An unqualified tr() inside a QObject class takes the class as its
        // context at run time and is never translated: point it out.
        const QString& context = message.context;
        if (context != QLatin1String("Sorbeta") && context != QLatin1String("sorbeta") &&
            !context.startsWith(QLatin1String("sorbeta::")))
            std::fprintf(stderr, "note: \"%s\" found in context %s\n", qPrintable(message.source), qPrintable(context));
    }
    int failures = 0;
    for (const QString& path : args.mid(1)) {
        TsFile existing;
        QHash<QString, Message> known;
        if (QFile::exists(path) && !readTs(path, existing)) {
            ++failures;  // never overwrite a file we could not read
            continue;
        }
        for (const Message& message : existing.messages)
            if (message.context == QLatin1String("Sorbeta")) known.insert(identity(message), message);
        QString language = existing.language;
        if (language.isEmpty()) {
            language = QFileInfo(path).completeBaseName();
            language = language.mid(language.indexOf(QLatin1Char('_')) + 1);
        }
        int translated = 0;
        for (const Message& source : sources)
            if (known.contains(identity(source)) && known[identity(source)].finished) ++translated;
        if (!writeTs(path, language, sources, known)) {
            ++failures;
            continue;
        }
        std::printf("%s: %lld texts, %d translated\n", qPrintable(QFileInfo(path).fileName()),
                    static_cast<long long>(sources.size()), translated);
    }
    return failures == 0 ? 0 : 1;
}
