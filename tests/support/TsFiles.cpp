#include "TsFiles.h"

#include <QFile>
#include <QXmlStreamReader>

namespace sorbeta::test {

TsFile readTs(const QString& path) {
    TsFile file;
    QFile input(path);
    if (!input.open(QIODevice::ReadOnly)) {
        file.error = QStringLiteral("cannot be read");
        return file;
    }
    QXmlStreamReader xml(&input);
    QString source;
    TsMessage message;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            const auto name = xml.name();
            if (name == QLatin1String("message")) {
                message = TsMessage{};
                message.numerus = xml.attributes().value(QLatin1String("numerus")) == QLatin1String("yes");
                source.clear();
            } else if (name == QLatin1String("source")) {
                source = xml.readElementText();
            } else if (name == QLatin1String("translation")) {
                const auto type = xml.attributes().value(QLatin1String("type"));
                message.unfinished = type == QLatin1String("unfinished");
                message.stale = type == QLatin1String("vanished") || type == QLatin1String("obsolete");
                if (!message.numerus) message.forms.push_back(xml.readElementText());
            } else if (name == QLatin1String("numerusform")) {
                message.forms.push_back(xml.readElementText());
            }
        } else if (xml.isEndElement() && xml.name() == QLatin1String("message")) {
            if (file.messages.count(source)) file.error = QStringLiteral("holds \"%1\" twice").arg(source);
            file.messages[source] = message;
        }
    }
    if (xml.hasError()) file.error = xml.errorString();
    return file;
}

QString tsPath(const QString& language) {
    return QStringLiteral(SORBETA_TRANSLATIONS_DIR "/sorbeta_%1.ts").arg(language);
}

}  // namespace sorbeta::test
