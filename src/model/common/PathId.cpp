#include "model/common/PathId.h"

#include <QByteArray>
#include <QStringDecoder>

namespace sorbeta {

QString pathId(const std::filesystem::path& path) {
    const QByteArray bytes = QByteArray::fromStdString(path.native());
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8(bytes);
    if (!utf8.hasError()) return text;
    return QStringLiteral("bytes:") + QString::fromLatin1(bytes.toPercentEncoding("/"));
}

}  // namespace sorbeta
