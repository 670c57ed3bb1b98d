#pragma once
// Property lists in their XML form, as bundles carry them in Info.plist:
// dict → QVariantMap, array → QVariantList, string → QString, integer →
// qint64, real → double, true/false → bool, date → QDateTime (UTC), data →
// QByteArray. The binary form is not read: it counts as unreadable.
#include <QByteArray>
#include <QVariant>
#include <QVariantMap>
#include <filesystem>
#include <optional>

namespace sorbeta::platform {

// Files larger than this are not read as property lists.
inline constexpr std::size_t kPropertyListLimit = std::size_t(4) << 20;

// The one value of the document; nullopt when it is not a well-formed XML
// property list (a binary list, a value of an unknown type, a dict whose keys
// and values do not pair up, nesting deeper than 64 levels).
std::optional<QVariant> parsePropertyList(const QByteArray& document);

// The top-level dictionary of the file; nullopt when the file is missing,
// not a regular file, larger than the limit, unreadable or holds anything
// but a dictionary at its top.
std::optional<QVariantMap> readPropertyListDictionary(const std::filesystem::path& file);

}  // namespace sorbeta::platform
