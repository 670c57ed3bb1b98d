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
//   sorbeta_tsmerge EXTRACTED.ts LANGUAGE.ts...
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSaveFile>
#include <QStringList>
#include <QTextStream>
#include <QXmlStreamReader>
#include <cstdio>

namespace {

struct Message {
    QString context;
    QString source;
    QString translation;
    bool finished = false;
};

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
                message = Message{context, {}, {}, false};
            } else if (name == u"source" && inMessage) {
                message.source = xml.readElementText();
            } else if (name == u"translation" && inMessage) {
                const auto type = xml.attributes().value(QLatin1String("type"));
                message.finished = type.isEmpty();
                const bool gone = type == u"obsolete" || type == u"vanished";
                message.translation = xml.readElementText();
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

bool writeTs(const QString& path, const QString& language, const QStringList& sources,
             const QHash<QString, Message>& known) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    QTextStream out(&file);
    out << "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<!DOCTYPE TS>\n";
    out << "<TS version=\"2.1\" language=\"" << language << "\" sourcelanguage=\"zh_CN\">\n";
    out << "<context>\n    <name>Sorbeta</name>\n";
    for (const QString& source : sources) {
        const auto it = known.constFind(source);
        const bool done = it != known.constEnd() && it->finished && !it->translation.isEmpty();
        if (isLinuxWordings(language) && !done) continue;
        out << "    <message>\n        <source>" << escaped(source) << "</source>\n";
        if (done)
            out << "        <translation>" << escaped(it->translation) << "</translation>\n";
        else
            out << "        <translation type=\"unfinished\">"
                << (it != known.constEnd() ? escaped(it->translation) : QString()) << "</translation>\n";
        out << "    </message>\n";
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
    QStringList sources;
    for (const Message& message : extracted.messages) {
        if (sources.contains(message.source)) continue;
        sources << message.source;
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
            if (message.context == QLatin1String("Sorbeta")) known.insert(message.source, message);
        QString language = existing.language;
        if (language.isEmpty()) {
            language = QFileInfo(path).completeBaseName();
            language = language.mid(language.indexOf(QLatin1Char('_')) + 1);
        }
        int translated = 0;
        for (const QString& source : sources)
            if (known.contains(source) && known[source].finished) ++translated;
        if (!writeTs(path, language, sources, known)) {
            ++failures;
            continue;
        }
        std::printf("%s: %lld texts, %d translated\n", qPrintable(QFileInfo(path).fileName()),
                    static_cast<long long>(sources.size()), translated);
    }
    return failures == 0 ? 0 : 1;
}
