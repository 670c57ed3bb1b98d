#include "platform/PropertyList.h"

#include <QDateTime>
#include <QXmlStreamReader>
#include <string>

#include "platform/FileOps.h"

namespace sorbeta::platform {
namespace {

constexpr int kMaxDepth = 64;

class Reader {
public:
    explicit Reader(const QByteArray& document) : xml_(document) {}

    std::optional<QVariant> document() {
        if (!nextChild() || xml_.name() != QLatin1String("plist")) return std::nullopt;
        if (!nextChild()) return std::nullopt;  // an empty plist holds no value
        std::optional<QVariant> result = value(0);
        // Exactly one value, then the end of the plist and of the document.
        if (!result || nextChild() || xml_.hasError()) return std::nullopt;
        while (!xml_.atEnd()) {
            const auto token = xml_.readNext();
            if (token == QXmlStreamReader::StartElement ||
                (token == QXmlStreamReader::Characters && !xml_.isWhitespace()))
                return std::nullopt;
        }
        if (xml_.hasError()) return std::nullopt;
        return result;
    }

private:
    // Moves to the next child element of the current one: true at its start,
    // false at the current element's end, at a stray text or on an error.
    bool nextChild() {
        while (!xml_.atEnd()) {
            switch (xml_.readNext()) {
                case QXmlStreamReader::StartElement: return true;
                case QXmlStreamReader::EndElement: return false;
                case QXmlStreamReader::Characters:
                    if (!xml_.isWhitespace()) {
                        failed_ = true;
                        return false;
                    }
                    break;
                case QXmlStreamReader::Invalid: return false;
                default: break;  // the declaration, the doctype, comments
            }
        }
        return false;
    }

    bool endedCleanly() const { return !failed_ && !xml_.hasError() && xml_.isEndElement(); }

    // The value whose start element the reader stands on; afterwards it
    // stands on that element's end.
    std::optional<QVariant> value(int depth) {
        if (depth > kMaxDepth) return std::nullopt;
        const QString name = xml_.name().toString();
        if (name == QLatin1String("dict")) return dictionary(depth);
        if (name == QLatin1String("array")) return array(depth);

        const QString text = xml_.readElementText();
        if (xml_.hasError()) return std::nullopt;
        if (name == QLatin1String("string")) return QVariant(text);
        if (name == QLatin1String("true") || name == QLatin1String("false")) {
            if (!text.trimmed().isEmpty()) return std::nullopt;
            return QVariant(name == QLatin1String("true"));
        }
        if (name == QLatin1String("integer")) return integer(text.trimmed());
        if (name == QLatin1String("real")) {
            bool ok = false;
            const double number = text.trimmed().toDouble(&ok);
            return ok ? std::optional<QVariant>(number) : std::nullopt;
        }
        if (name == QLatin1String("date")) {
            const QDateTime date = QDateTime::fromString(text.trimmed(), Qt::ISODate);
            return date.isValid() ? std::optional<QVariant>(date.toUTC()) : std::nullopt;
        }
        if (name == QLatin1String("data")) {
            QByteArray base64 = text.toLatin1();
            base64.replace(' ', "").replace('\n', "").replace('\t', "").replace('\r', "");
            auto decoded = QByteArray::fromBase64Encoding(base64, QByteArray::AbortOnBase64DecodingErrors);
            return decoded ? std::optional<QVariant>(*decoded) : std::nullopt;
        }
        return std::nullopt;
    }

    static std::optional<QVariant> integer(const QString& text) {
        bool ok = false;
        qint64 number = text.toLongLong(&ok, 10);
        if (!ok && (text.startsWith(QLatin1String("0x")) || text.startsWith(QLatin1String("-0x")))) {
            const bool negative = text.startsWith(QLatin1Char('-'));
            number = text.mid(negative ? 3 : 2).toLongLong(&ok, 16);
            if (negative) number = -number;
        }
        return ok ? std::optional<QVariant>(number) : std::nullopt;
    }

    std::optional<QVariant> dictionary(int depth) {
        QVariantMap map;
        while (nextChild()) {
            if (xml_.name() != QLatin1String("key")) return std::nullopt;
            const QString key = xml_.readElementText();
            if (xml_.hasError() || !nextChild()) return std::nullopt;  // a key without its value
            const auto item = value(depth + 1);
            if (!item) return std::nullopt;
            map.insert(key, *item);
        }
        if (!endedCleanly()) return std::nullopt;
        return QVariant(map);
    }

    std::optional<QVariant> array(int depth) {
        QVariantList list;
        while (nextChild()) {
            const auto item = value(depth + 1);
            if (!item) return std::nullopt;
            list.append(*item);
        }
        if (!endedCleanly()) return std::nullopt;
        return QVariant(list);
    }

    QXmlStreamReader xml_;
    bool failed_ = false;
};

}  // namespace

std::optional<QVariant> parsePropertyList(const QByteArray& document) {
    if (document.startsWith("bplist")) return std::nullopt;
    return Reader(document).document();
}

std::optional<QVariantMap> readPropertyListDictionary(const std::filesystem::path& file) {
    std::string bytes;
    if (!readSmallFile(file, kPropertyListLimit, bytes)) return std::nullopt;
    const auto value = parsePropertyList(QByteArray(bytes.data(), qsizetype(bytes.size())));
    if (!value || value->typeId() != QMetaType::QVariantMap) return std::nullopt;
    return value->toMap();
}

}  // namespace sorbeta::platform
