#include "model/uninstall/AppProcesses.h"

#include <QVariantMap>
#include <cstdlib>
#include <map>
#include <set>

#include "model/uninstall/LinuxLeftovers.h"
#include "model/uninstall/LinuxProcesses.h"
#include "model/uninstall/UserEntries.h"
#include "platform/EntryInfo.h"
#include "platform/Listing.h"
#include "platform/PathText.h"
#include "platform/ProcessRunner.h"
#include "platform/PropertyList.h"

namespace sorbeta::AppProcesses {
namespace {

bool isPlist(const Path& path) {
    const std::string name = platform::lastComponent(path);
    return name.size() > 6 && name.compare(name.size() - 6, 6, ".plist") == 0;
}

bool startsWith(const std::string& text, const std::string& prefix) {
    return text.size() >= prefix.size() && text.compare(0, prefix.size(), prefix) == 0;
}

QString textOf(const QVariantMap& map, const char* key) {
    const QVariant value = map.value(QString::fromLatin1(key));
    return value.typeId() == QMetaType::QString ? value.toString() : QString();
}

bool isTruthy(const QVariant& value) {
    if (value.typeId() == QMetaType::Bool) return value.toBool();
    const QString text = value.toString().trimmed().toLower();
    return text == u"1" || text == u"yes" || text == u"true";
}

// The bundle's path as processes report theirs: links resolved.
std::string bundlePrefix(const InstalledApp& app) {
    return Uninstaller::comparablePath(app.url.native()).native() + "/";
}

enum class Policy { regular, accessory, background };

struct RunningBundle {
    std::string path;  // the innermost *.app the executable runs from
    QString id;
    Policy policy = Policy::regular;
};

// What a process is when it runs from a bundle's Contents/MacOS: the bundle's
// identifier and how it presents itself. Info.plist files are read once per find.
class BundleReader {
public:
    std::optional<RunningBundle> of(const Path& executable) {
        const std::string& exe = executable.native();
        const std::size_t marker = exe.rfind(".app/Contents/MacOS/");
        if (marker == std::string::npos) return std::nullopt;
        const std::string bundle = exe.substr(0, marker + 4);
        auto it = cache_.find(bundle);
        if (it == cache_.end()) it = cache_.emplace(bundle, read(bundle)).first;
        return it->second;
    }

private:
    static std::optional<RunningBundle> read(const std::string& bundle) {
        const auto info = platform::readPropertyListDictionary(Path(bundle) / "Contents/Info.plist");
        if (!info) return std::nullopt;
        RunningBundle running{bundle, textOf(*info, "CFBundleIdentifier"), Policy::regular};
        if (running.id.isEmpty()) return std::nullopt;
        if (isTruthy(info->value(QStringLiteral("LSBackgroundOnly"))))
            running.policy = Policy::background;
        else if (isTruthy(info->value(QStringLiteral("LSUIElement"))))
            running.policy = Policy::accessory;
        return running;
    }

    std::map<std::string, std::optional<RunningBundle>> cache_;
};

std::set<std::string> agentProgramSet(const InstalledApp& app, const UninstallPlaces& where) {
    std::set<std::string> programs;
    // An autostart entry or unit may start the application through a shell,
    // env or an interpreter, and every other process of such a system program
    // is the user's, not the application's: only a program inside the
    // application or the home folder (installed by the user) is its helper.
    const Path home = Uninstaller::comparablePath(where.places.home.native());
    const Path bundle = Uninstaller::comparablePath(app.url.native());
    for (const Path& agent : agentPlists(app)) {
        if (!belongs(agent, app, where)) continue;
        if (isPlist(agent)) {
            if (const auto path = program(agent, app, where)) programs.insert(path->native());
        } else {
            for (const Path& path : Uninstaller::agentPrograms(agent, where))
                if (Uninstaller::liesIn(path, bundle) || (Uninstaller::liesIn(path, home) && path != home))
                    programs.insert(path.native());
        }
    }
    return programs;
}

std::vector<AppProcess> findForBundle(const InstalledApp& app, const std::vector<platform::ProcessSample>& table,
                                      const std::set<std::string>& programs) {
    const std::string prefix = bundlePrefix(app);
    const QString id = app.bundleID;
    std::map<int, const platform::ProcessSample*> byPid;
    for (const auto& sample : table) byPid[sample.pid] = &sample;
    BundleReader bundles;
    std::vector<AppProcess> result;
    std::set<int> seen;
    // Running applications: the topmost process of each bundle.
    for (const auto& sample : table) {
        const auto running = bundles.of(sample.executable);
        if (!running) continue;
        const auto parent = byPid.find(sample.parent);
        if (parent != byPid.end()) {
            const auto parentBundle = bundles.of(parent->second->executable);
            if (parentBundle && parentBundle->path == running->path) continue;
        }
        const std::string& exe = sample.executable.native();
        const bool belongs =
            startsWith(exe, prefix) || programs.count(exe) || running->id == id ||
            (startsWith(running->id.toStdString(), id.toStdString() + ".") && running->policy != Policy::regular);
        if (!belongs) continue;
        result.push_back(AppProcess{sample, true, running->id == id, false});
        seen.insert(sample.pid);
    }
    for (const auto& sample : table) {
        if (seen.count(sample.pid)) continue;
        const std::string& exe = sample.executable.native();
        if (!exe.empty() && (startsWith(exe, prefix) || programs.count(exe)))
            result.push_back(AppProcess{sample, false, false, false});
    }
    return result;
}

}  // namespace

CommandRunner systemRunner(const platform::Places& places) {
    return [home = places.home](const Path& executable, const std::vector<std::string>& arguments) {
        platform::ProcessOptions options;
        options.environment = platform::toolEnvironment(home);
        // What `systemctl --user` needs to reach the user's service manager.
        for (const char* name : {"XDG_RUNTIME_DIR", "DBUS_SESSION_BUS_ADDRESS"}) {
            if (const char* value = std::getenv(name)) options.environment.push_back(std::string(name) + "=" + value);
        }
        options.timeLimit = std::chrono::seconds(20);
        platform::runProcess(executable, arguments, options);
    };
}

std::vector<Path> agentPlists(const InstalledApp& app) {
    std::vector<Path> agents;
    for (const Leftover& leftover : app.leftovers)
        if (leftover.kind == Leftover::Kind::agent) agents.push_back(leftover.url);
    if (app.kind != AppKind::bundle) return agents;
    const Path folder = app.url / "Contents/Library/LaunchAgents";
    for (const std::string& name : platform::listNames(folder).value_or(std::vector<std::string>())) {
        if (isPlist(folder / name)) agents.push_back(folder / name);
    }
    return agents;
}

std::optional<Path> program(const Path& plist, const InstalledApp& app, const UninstallPlaces& where) {
    const auto dictionary = platform::readPropertyListDictionary(plist);
    if (!dictionary) return std::nullopt;
    std::string raw;
    if (const QString relative = textOf(*dictionary, "BundleProgram"); !relative.isEmpty()) {
        raw = (app.url / relative.toStdString()).native();
    } else if (const QString absolute = textOf(*dictionary, "Program"); !absolute.isEmpty()) {
        raw = absolute.toStdString();
    } else {
        const QVariantList arguments = dictionary->value(QStringLiteral("ProgramArguments")).toList();
        if (arguments.isEmpty() || arguments.front().typeId() != QMetaType::QString) return std::nullopt;
        raw = arguments.front().toString().toStdString();
    }
    const Path path = Uninstaller::comparablePath(where.places.expandTilde(raw).native());
    if (path.empty()) return std::nullopt;
    const std::string library = Uninstaller::comparablePath((where.places.home / "Library").native()).native() + "/";
    if (startsWith(path.native(), bundlePrefix(app)) || startsWith(path.native(), library)) return path;
    return std::nullopt;
}

bool belongs(const Path& agent, const InstalledApp& app, const UninstallPlaces& where) {
    if (!isPlist(agent)) {
        const Path bundle = Uninstaller::comparablePath(app.url.native());
        for (const Path& path : Uninstaller::agentPrograms(agent, where))
            if (Uninstaller::liesIn(path, bundle)) return true;
        return false;
    }
    const auto dictionary = platform::readPropertyListDictionary(agent);
    if (!dictionary) return false;
    const QString label = textOf(*dictionary, "Label").toLower();
    const QString id = app.bundleID.toLower();
    if (!id.isEmpty() && (label == id || label.startsWith(id + u'.'))) return true;
    const auto path = program(agent, app, where);
    return path && startsWith(path->native(), bundlePrefix(app));
}

std::vector<AppProcess> find(const InstalledApp& app, const UninstallPlaces& where) {
    const platform::ProcFolder proc;
    const std::vector<platform::ProcessSample> table = proc.ownProcesses();
    const std::set<std::string> programs = agentProgramSet(app, where);
    if (app.kind == AppKind::bundle) return findForBundle(app, table, programs);
    return findForLinuxApp(app, table, programs, proc);
}

void bootout(const Path& agent, const InstalledApp& app, const UninstallPlaces& where, const CommandRunner& run) {
    if (!belongs(agent, app, where)) return;
    if (!isPlist(agent)) {
        if (Uninstaller::isStoppableUnit(agent, where))
            run("/usr/bin/systemctl", {"--user", "stop", platform::lastComponent(agent)});
        return;
    }
    const auto dictionary = platform::readPropertyListDictionary(agent);
    if (!dictionary) return;
    const QString label = textOf(*dictionary, "Label");
    if (label.isEmpty() || label.contains(u'/')) return;
    run("/bin/launchctl", {"bootout", "gui/" + std::to_string(platform::currentUser()) + "/" + label.toStdString()});
}

}  // namespace sorbeta::AppProcesses
