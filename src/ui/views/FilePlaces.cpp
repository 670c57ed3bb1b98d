#include "ui/views/FilePlaces.h"

#include <QFile>

namespace sorbeta {

QString tildePath(const std::filesystem::path& path, const std::filesystem::path& home) {
    const QString text = QFile::decodeName(QByteArray::fromStdString(path.native()));
    const QString homeText = QFile::decodeName(QByteArray::fromStdString(home.native()));
    if (homeText.isEmpty() || homeText == QLatin1String("/")) return text;
    QString result;
    qsizetype from = 0;
    for (qsizetype at = text.indexOf(homeText); at >= 0; at = text.indexOf(homeText, at + 1)) {
        const qsizetype end = at + homeText.size();
        const bool wholeStart = at == 0 || text[at - 1] == QLatin1Char('/');
        const bool wholeEnd = end == text.size() || text[end] == QLatin1Char('/');
        if (at < from || !wholeStart || !wholeEnd) continue;
        result += text.mid(from, at - from) + QLatin1Char('~');
        from = end;
    }
    return result + text.mid(from);
}

}  // namespace sorbeta
