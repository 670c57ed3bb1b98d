#include "platform/Autostart.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <cstdlib>
#include <string>

#include "platform/DesktopEntry.h"
#include "platform/EntryInfo.h"
#include "platform/FileOps.h"

namespace sorbeta::platform::Autostart {
namespace {

// An Exec word in the quoting desktop entries expect: plain when it holds
// nothing special, else in double quotes with ", `, $ and \ escaped; the
// value escape then doubles each backslash once more and writes line breaks
// and tabs as \n, \r and \t, so a name holding one cannot start a key of its own.
QString execWord(const QString& word) {
    static const QString special = QStringLiteral(" \t\n\r\"'\\><~|&;$*?#()`=%");
    bool plain = !word.isEmpty();
    for (const QChar c : word)
        if (special.contains(c)) plain = false;
    QString text;
    if (plain) {
        text = word;
    } else {
        text = QStringLiteral("\"");
        for (const QChar c : word) {
            if (c == u'"' || c == u'`' || c == u'$' || c == u'\\') text += u'\\';
            text += c;
        }
        text += u'"';
    }
    text.replace(QLatin1String("\\"), QLatin1String("\\\\"));
    text.replace(QLatin1String("\n"), QLatin1String("\\n"));
    text.replace(QLatin1String("\r"), QLatin1String("\\r"));
    text.replace(QLatin1String("\t"), QLatin1String("\\t"));
    text.replace(QLatin1String("%"), QLatin1String("%%"));
    return text;
}

}  // namespace

std::filesystem::path entryPath(const Places& places) {
    return places.configHome / "autostart" / (std::string(kAppId) + ".desktop");
}

QString entryText(const QString& program) {
    return QStringLiteral(
               "[Desktop Entry]\n"
               "Type=Application\n"
               "Name=Sorbeta\n"
               "Name[zh_CN]=冰沙\n"
               "Exec=%1\n"
               "Icon=%2\n"
               "Terminal=false\n"
               "X-GNOME-Autostart-enabled=true\n")
        .arg(execWord(program), QString::fromLatin1(kAppId));
}

bool isEnabled(const Places& places) {
    // A hidden or switched-off entry of the same name (a desktop's own login
    // item settings write those) means the item is off.
    const std::optional<DesktopEntry> entry = readDesktopEntry(entryPath(places));
    if (!entry) return false;
    if (entry->isTrue("Hidden")) return false;
    if (entry->value("X-GNOME-Autostart-enabled") == "false") return false;
    return !entry->execProgram().empty();
}

bool enable(const Places& places, const QString& program) {
    if (program.isEmpty()) return false;
    const std::filesystem::path path = entryPath(places);
    if (!makeAppFolder(path.parent_path())) return false;
    const QByteArray text = entryText(program).toUtf8();
    return writeFileAtomically(path, std::string_view(text.constData(), std::size_t(text.size())));
}

bool disable(const Places& places) {
    const std::filesystem::path path = entryPath(places);
    if (presenceOf(path) == Presence::absent) return true;
    return removeFile(path);
}

QString ownProgram() {
    // An AppImage runs from a temporary mount; the login item must start the image.
    if (const char* image = std::getenv("APPIMAGE"); image && *image == '/') return QFile::decodeName(image);
    return QCoreApplication::applicationFilePath();
}

}  // namespace sorbeta::platform::Autostart
