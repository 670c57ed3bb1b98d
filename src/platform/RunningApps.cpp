#include "platform/RunningApps.h"

#include <dirent.h>
#include <poll.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <QFile>
#include <QLocale>
#include <QRegularExpression>
#include <QStringList>
#include <cstdlib>
#include <map>
#include <sstream>

#include "platform/FileOps.h"
#include "platform/PoliteQuit.h"
#include "platform/ProcessTable.h"
#include "platform/UniqueFd.h"

namespace sorbeta::platform {
namespace {

namespace fs = std::filesystem;

// Straight system calls: glibc 2.36's <sys/pidfd.h> lacks C linkage for C++.
int openPidfd(pid_t pid) { return int(::syscall(SYS_pidfd_open, pid, 0)); }

// A whole regular file, or nothing: a pipe or a device put where a
// desktop entry or a property list should be is never waited on.
std::string readSmallFile(const fs::path& path, std::size_t limit = 1 << 20, FinalLink link = FinalLink::refuse) {
    std::string data;
    readRegularFile(path, limit, data, link);
    return data;
}

std::map<std::string, std::string> environmentOf(pid_t pid) {
    std::map<std::string, std::string> env;
    const std::string data = readSmallFile("/proc/" + std::to_string(pid) + "/environ");
    std::size_t start = 0;
    while (start < data.size()) {
        std::size_t end = data.find('\0', start);
        if (end == std::string::npos) end = data.size();
        const std::string entry = data.substr(start, end - start);
        const std::size_t eq = entry.find('=');
        if (eq != std::string::npos) env.emplace(entry.substr(0, eq), entry.substr(eq + 1));
        start = end + 1;
    }
    return env;
}

// Field 22 of /proc/<pid>/stat: the start time, which tells a reused pid apart.
std::string startTimeOf(pid_t pid) {
    const std::string stat = readSmallFile("/proc/" + std::to_string(pid) + "/stat", 4096);
    const std::size_t close = stat.rfind(')');  // the command name may hold spaces and parentheses
    if (close == std::string::npos) return {};
    std::istringstream rest(stat.substr(close + 2));
    std::string field;
    for (int index = 3; index <= 22 && rest >> field; ++index)
        if (index == 22) return field;
    return {};
}

QString unescapeUnit(const QString& text) {
    // systemd escapes "-" and other bytes as \xNN inside an application id.
    QByteArray out;
    const QByteArray in = text.toUtf8();
    for (qsizetype i = 0; i < in.size(); ++i) {
        if (in[i] == '\\' && i + 3 < in.size() && in[i + 1] == 'x') {
            bool ok = false;
            const int value = in.mid(i + 2, 2).toInt(&ok, 16);
            if (ok) {
                out += char(value);
                i += 3;
                continue;
            }
        }
        out += in[i];
    }
    return QString::fromUtf8(out);
}

// The application id of a systemd unit "app[-<launcher>]-<id>-<random>.scope"
// or "app[-<launcher>]-<id>[@<random>].service".
QString idFromCgroup(pid_t pid) {
    const std::string data = readSmallFile("/proc/" + std::to_string(pid) + "/cgroup", 8192);
    static const QRegularExpression unit(QStringLiteral("/app-([^/]+)\\.(scope|service)$"));
    for (const QString& line : QString::fromUtf8(data.data(), qsizetype(data.size())).split(u'\n')) {
        const auto match = unit.match(line);
        if (!match.hasMatch()) continue;
        QString name = match.captured(1);
        if (match.captured(2) == u"scope") {
            const qsizetype dash = name.lastIndexOf(u'-');
            if (dash <= 0) continue;
            name.truncate(dash);
        } else if (const qsizetype at = name.indexOf(u'@'); at >= 0) {
            name.truncate(at);
        }
        if (const qsizetype dash = name.indexOf(u'-'); dash >= 0) name = name.mid(dash + 1);  // the launcher
        name = unescapeUnit(name);
        if (!name.isEmpty()) return name;
    }
    return {};
}

// Text of a <key>…</key><string>…</string> pair in an XML property list.
QString plistString(const QString& plist, const QString& key) {
    const QRegularExpression pattern(
        QStringLiteral("<key>\\s*%1\\s*</key>\\s*<string>([^<]*)</string>").arg(QRegularExpression::escape(key)));
    const auto match = pattern.match(plist);
    return match.hasMatch() ? match.captured(1).trimmed() : QString();
}

struct Identity {
    QString id;
    QString name;  // known up front only for bundles
};

// An executable inside "<X>.app/Contents/MacOS/" speaks for its bundle.
Identity bundleIdentity(pid_t pid) {
    std::error_code error;
    const fs::path exe = fs::read_symlink("/proc/" + std::to_string(pid) + "/exe", error);
    if (error) return {};
    const std::string text = exe.string();
    const std::size_t marker = text.find(".app/Contents/MacOS/");
    if (marker == std::string::npos) return {};
    const fs::path bundle = text.substr(0, marker + 4);
    const std::string raw = readSmallFile(bundle / "Contents/Info.plist", 1 << 18, FinalLink::follow);
    const QString plist = QString::fromUtf8(raw.data(), qsizetype(raw.size()));
    Identity identity{plistString(plist, QStringLiteral("CFBundleIdentifier")), {}};
    if (identity.id.isEmpty()) return {};
    identity.name = plistString(plist, QStringLiteral("CFBundleDisplayName"));
    if (identity.name.isEmpty()) identity.name = plistString(plist, QStringLiteral("CFBundleName"));
    if (identity.name.isEmpty()) identity.name = QFile::decodeName(bundle.stem().c_str());
    return identity;
}

Identity identityOf(pid_t pid) {
    if (Identity bundle = bundleIdentity(pid); !bundle.id.isEmpty()) return bundle;
    const auto env = environmentOf(pid);
    if (auto it = env.find("FLATPAK_ID"); it != env.end() && isPlainName(it->second))
        return {QString::fromStdString(it->second), {}};
    // A snap's name is the name of its folder in ~/snap.
    for (const char* variable : {"SNAP_INSTANCE_NAME", "SNAP_NAME"})
        if (auto it = env.find(variable); it != env.end() && !it->second.empty())
            return {QString::fromStdString(it->second), {}};
    if (QString id = idFromCgroup(pid); !id.isEmpty()) return {id, {}};
    // Launchers that use GLib name the desktop file, but children inherit the
    // variable: only the launched process itself counts.
    const auto file = env.find("GIO_LAUNCHED_DESKTOP_FILE");
    const auto filePid = env.find("GIO_LAUNCHED_DESKTOP_FILE_PID");
    if (file != env.end() && filePid != env.end() && filePid->second == std::to_string(pid)) {
        QString id = QFile::decodeName(fs::path(file->second).filename().c_str());
        if (id.endsWith(u".desktop")) id.chop(8);
        if (!id.isEmpty()) return {id, {}};
    }
    return {};
}

// Name (in the interface language when the desktop file has it) of "<id>.desktop".
QString desktopName(const QString& id, const fs::path& dataHome) {
    std::vector<fs::path> roots{dataHome};
    const char* dirs = std::getenv("XDG_DATA_DIRS");
    const QString list = dirs && *dirs ? QString::fromLocal8Bit(dirs) : QStringLiteral("/usr/local/share:/usr/share");
    for (const QString& dir : list.split(u':', Qt::SkipEmptyParts)) roots.emplace_back(dir.toStdString());
    // The id comes from another program's environment: only a plain name
    // may become part of a path.
    const std::string file = QFile::encodeName(id).toStdString() + ".desktop";
    if (id.isEmpty() || !isPlainName(file)) return {};
    const QString locale = QLocale().name();  // e.g. "zh_CN"
    const QStringList wanted = {QStringLiteral("Name[%1]").arg(locale),
                                QStringLiteral("Name[%1]").arg(locale.section(u'_', 0, 0)), QStringLiteral("Name")};
    for (const fs::path& root : roots) {
        // Desktop entries are often links to where a package put them.
        const std::string raw = readSmallFile(root / "applications" / file, 1 << 18, FinalLink::follow);
        if (raw.empty()) continue;
        std::map<QString, QString> names;
        bool inEntry = false;
        for (const QString& line : QString::fromUtf8(raw.data(), qsizetype(raw.size())).split(u'\n')) {
            const QString trimmed = line.trimmed();
            if (trimmed.startsWith(u'[')) {
                inEntry = trimmed == u"[Desktop Entry]";
                continue;
            }
            const qsizetype eq = trimmed.indexOf(u'=');
            if (inEntry && eq > 0 && trimmed.startsWith(u"Name"))
                names.emplace(trimmed.left(eq).trimmed(), trimmed.mid(eq + 1).trimmed());
        }
        for (const QString& key : wanted)
            if (auto it = names.find(key); it != names.end() && !it->second.isEmpty()) return it->second;
    }
    return {};
}

QString commandName(pid_t pid) {
    std::string comm = readSmallFile("/proc/" + std::to_string(pid) + "/comm", 64);
    while (!comm.empty() && comm.back() == '\n') comm.pop_back();
    return QString::fromUtf8(comm.data(), qsizetype(comm.size()));
}

class ProcApp final : public RunningApp {
public:
    ProcApp(QString id, QString name) : id_(std::move(id)), name_(std::move(name)) {}

    void add(UniqueFd pidfd, ProcessSample sample) {
        pidfds_.push_back(std::move(pidfd));
        samples_.push_back(std::move(sample));
    }
    void setName(QString name) { name_ = std::move(name); }

    QString identifier() const override { return id_; }
    QString name() const override { return name_; }
    void terminate() override { politeQuit(samples_); }
    bool isTerminated() const override {
        for (const UniqueFd& fd : pidfds_) {
            pollfd entry{fd.get(), POLLIN, 0};
            if (::poll(&entry, 1, 0) <= 0 || !(entry.revents & (POLLIN | POLLHUP))) return false;
        }
        return true;
    }

private:
    QString id_;
    QString name_;
    std::vector<UniqueFd> pidfds_;
    std::vector<ProcessSample> samples_;
};

class ProcRunningApps final : public RunningApps {
public:
    explicit ProcRunningApps(fs::path dataHome) : dataHome_(std::move(dataHome)) {}

    std::vector<RunningAppPtr> list() const override {
        std::map<QString, std::shared_ptr<ProcApp>> apps;
        std::vector<RunningAppPtr> ordered;
        DIR* proc = ::opendir("/proc");
        if (!proc) return {};
        const uid_t me = ::getuid();
        while (dirent* entry = ::readdir(proc)) {
            char* end = nullptr;
            const long value = std::strtol(entry->d_name, &end, 10);
            if (!end || *end != '\0' || value <= 0) continue;
            const pid_t pid = pid_t(value);
            struct stat info {};
            if (pid == ::getpid() || ::stat(("/proc/" + std::to_string(pid)).c_str(), &info) != 0 || info.st_uid != me)
                continue;
            const std::string started = startTimeOf(pid);
            const Identity identity = identityOf(pid);
            if (identity.id.isEmpty() || started.empty()) continue;
            // The pidfd pins this very process; the start time confirms the
            // pid was not reused between reading /proc and opening it.
            UniqueFd fd(openPidfd(pid));
            if (!fd.valid() || startTimeOf(pid) != started) continue;
            auto sample = ProcFolder().sample(pid);
            if (!sample || std::to_string(sample->startTime) != started) continue;
            auto& app = apps[identity.id];
            if (!app) {
                QString name = identity.name;
                if (name.isEmpty()) name = desktopName(identity.id, dataHome_);
                if (name.isEmpty()) name = commandName(pid);
                app = std::make_shared<ProcApp>(identity.id, name);
                ordered.push_back(app);
            }
            app->add(std::move(fd), std::move(*sample));
        }
        ::closedir(proc);
        return ordered;
    }

private:
    fs::path dataHome_;
};

}  // namespace

std::shared_ptr<const RunningApps> RunningApps::system(const Places& places) {
    return std::make_shared<ProcRunningApps>(places.dataHome);
}

}  // namespace sorbeta::platform
