#include "model/common/JsonText.h"

namespace sorbeta::JsonText {
namespace {

// Length of the valid UTF-8 sequence starting at `i`, or 0 when the byte
// there does not start one (overlong forms, surrogates and values above
// U+10FFFF are not valid).
std::size_t utf8Length(std::string_view s, std::size_t i) {
    const auto at = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
    const unsigned char b = at(i);
    const auto continuation = [&](std::size_t k) { return k < s.size() && (at(k) & 0xC0) == 0x80; };
    if (b < 0x80) return 1;
    if (b >= 0xC2 && b <= 0xDF) return continuation(i + 1) ? 2 : 0;
    if (b >= 0xE0 && b <= 0xEF) {
        if (!continuation(i + 1) || !continuation(i + 2)) return 0;
        const unsigned char b1 = at(i + 1);
        if (b == 0xE0 && b1 < 0xA0) return 0;   // overlong
        if (b == 0xED && b1 >= 0xA0) return 0;  // surrogate
        return 3;
    }
    if (b >= 0xF0 && b <= 0xF4) {
        if (!continuation(i + 1) || !continuation(i + 2) || !continuation(i + 3)) return 0;
        const unsigned char b1 = at(i + 1);
        if (b == 0xF0 && b1 < 0x90) return 0;
        if (b == 0xF4 && b1 >= 0x90) return 0;
        return 4;
    }
    return 0;
}

void appendHex4(std::string& out, unsigned value) {
    static const char digits[] = "0123456789abcdef";
    out += "\\u";
    for (int shift = 12; shift >= 0; shift -= 4) out += digits[(value >> shift) & 0xF];
}

}  // namespace

// The bytes a JSON string stands for, undoing the \udcXX escapes of bytes
// that are not UTF-8. Nothing for any other unpaired surrogate.
std::optional<std::string> bytesOf(const QString& text) {
    std::string out;
    out.reserve(std::size_t(text.size()));
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t u = text[i].unicode();
        char32_t code = u;
        if (u >= 0xD800 && u <= 0xDBFF) {
            if (i + 1 >= n) return std::nullopt;
            const char16_t low = text[i + 1].unicode();
            if (low < 0xDC00 || low > 0xDFFF) return std::nullopt;
            code = 0x10000 + ((char32_t(u) - 0xD800) << 10) + (char32_t(low) - 0xDC00);
            ++i;
        } else if (u >= 0xDC00 && u <= 0xDFFF) {
            if (u < 0xDC80 || u > 0xDCFF) return std::nullopt;
            out += char(u - 0xDC00);
            continue;
        }
        if (code < 0x80) {
            out += char(code);
        } else if (code < 0x800) {
            out += char(0xC0 | (code >> 6));
            out += char(0x80 | (code & 0x3F));
        } else if (code < 0x10000) {
            out += char(0xE0 | (code >> 12));
            out += char(0x80 | ((code >> 6) & 0x3F));
            out += char(0x80 | (code & 0x3F));
        } else {
            out += char(0xF0 | (code >> 18));
            out += char(0x80 | ((code >> 12) & 0x3F));
            out += char(0x80 | ((code >> 6) & 0x3F));
            out += char(0x80 | (code & 0x3F));
        }
    }
    return out;
}

std::string quote(std::string_view s) {
    std::string out;
    out.reserve(s.size() + 2);
    out += '"';
    for (std::size_t i = 0; i < s.size();) {
        const unsigned char b = static_cast<unsigned char>(s[i]);
        const std::size_t length = utf8Length(s, i);
        if (length == 0) {
            appendHex4(out, 0xDC00 + b);  // a byte that is not UTF-8
            ++i;
            continue;
        }
        if (length > 1) {
            out.append(s.substr(i, length));
            i += length;
            continue;
        }
        switch (b) {
            case '"': out += "\\\""; break;
            case '\\': out += "\\\\"; break;
            case '/': out += "\\/"; break;
            case '\b': out += "\\b"; break;
            case '\f': out += "\\f"; break;
            case '\n': out += "\\n"; break;
            case '\r': out += "\\r"; break;
            case '\t': out += "\\t"; break;
            default:
                if (b < 0x20)
                    appendHex4(out, b);
                else
                    out += char(b);
        }
        ++i;
    }
    out += '"';
    return out;
}

std::string quoteText(const QString& text) {
    // Valid runs go through quote() as UTF-8; a surrogate without its pair
    // cannot be UTF-8 and is written as its own escape, which reads back as
    // the same text.
    std::string out = "\"";
    qsizetype runStart = 0;
    const auto flush = [&](qsizetype end) {
        const QByteArray run = text.mid(runStart, end - runStart).toUtf8();
        const std::string quoted = quote(std::string_view(run.constData(), std::size_t(run.size())));
        out.append(quoted, 1, quoted.size() - 2);
    };
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t u = text[i].unicode();
        if (u >= 0xD800 && u <= 0xDBFF && i + 1 < n && text[i + 1].unicode() >= 0xDC00 &&
            text[i + 1].unicode() <= 0xDFFF) {
            ++i;  // a pair
            continue;
        }
        if (u < 0xD800 || u > 0xDFFF) continue;
        flush(i);
        appendHex4(out, u);
        runStart = i + 1;
    }
    flush(n);
    out += '"';
    return out;
}

std::optional<QString> formatDate(const QDateTime& date) {
    if (!date.isValid()) return std::nullopt;
    const QDateTime utc = date.toUTC();
    const QDate day = utc.date();
    const QTime time = utc.time();
    if (day.year() < 0 || day.year() > 9999) return std::nullopt;
    return QString::asprintf("%04d-%02d-%02dT%02d:%02d:%02dZ", day.year(), day.month(), day.day(), time.hour(),
                             time.minute(), time.second());
}

std::optional<QDateTime> parseDate(const QString& text) {
    // Exactly YYYY-MM-DDTHH:MM:SSZ.
    if (text.size() != 20) return std::nullopt;
    static const char pattern[] = "dddd-dd-ddTdd:dd:ddZ";
    for (int i = 0; i < 20; ++i) {
        const QChar c = text[i];
        if (pattern[i] == 'd' ? !(c >= u'0' && c <= u'9') : c != QLatin1Char(pattern[i])) return std::nullopt;
    }
    const auto number = [&](int from, int length) { return text.mid(from, length).toInt(); };
    const QDate day(number(0, 4), number(5, 2), number(8, 2));
    const QTime time(number(11, 2), number(14, 2), number(17, 2));
    if (!day.isValid() || !time.isValid()) return std::nullopt;
    return QDateTime(day, time, Qt::UTC);
}

}  // namespace sorbeta::JsonText
