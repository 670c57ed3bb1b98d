#include "model/catalog/LinuxCatalog.h"

#include <algorithm>
#include <map>

#include "model/catalog/Catalog.h"

namespace sorbeta::LinuxCatalog {
namespace {

using Roots = std::vector<std::string>;

// A snap's home is one folder per revision (~/snap/<name>/<revision>, and
// "x1", "x2" for snaps installed from a file) beside "common" and the link
// "current": a snap without XDG_CACHE_HOME set keeps its cache in the
// revision's .cache. The patterns never match "current" or "common".
const std::string kSnapRevisions = "[0-9]*";
const std::string kLocalSnapRevisions = "x[0-9]*";

// An Electron application's caches: what it rebuilds by itself. Its profile,
// local storage and cookies beside them are never touched.
Roots electronCaches(const std::string& profile, bool serviceWorker = true) {
    Roots roots{profile + "/Cache", profile + "/Code Cache", profile + "/GPUCache"};
    if (serviceWorker) roots.push_back(profile + "/Service Worker/CacheStorage");
    return roots;
}

Roots joined(std::initializer_list<Roots> lists) {
    Roots all;
    for (const Roots& list : lists) all.insert(all.end(), list.begin(), list.end());
    return all;
}

// The tools of the rule "devcaches" that follow $XDG_CACHE_HOME: their
// "~/.cache/<name>" roots, and the same names under the cache folder in use.
Roots devToolCachesOnLinux() {
    Roots roots;
    for (const std::string& root : Catalog::cleanable("devcaches")->roots)
        if (root.starts_with("~/.cache/")) roots.push_back("{cache}/" + root.substr(9));
    roots.insert(roots.end(), {"{cache}/pypoetry/artifacts", "{cache}/pypoetry/cache", "{cache}/composer"});
    return roots;
}

// Folders in the cache folder that belong to package managers and build
// tools: the category "deps" measures them, the rule "appcache" leaves them.
const std::set<std::string>& packageCacheNames() {
    static const std::set<std::string> names = [] {
        std::set<std::string> all{"yarn",     "pip",           "Homebrew", "org.swift.swiftpm", "pnpm",
                                  "go-build", "ms-playwright", "pypoetry", "composer"};
        for (const std::string& root : devToolCachesOnLinux()) {
            const std::string name = root.substr(8);  // after "{cache}/"
            all.insert(name.substr(0, name.find('/')));
        }
        return all;
    }();
    return names;
}

// The browsers' folders in the cache folder; their own rule cleans them.
const std::set<std::string>& browserCacheNames() {
    static const std::set<std::string> names{"google-chrome",      "google-chrome-beta", "google-chrome-unstable",
                                             "chromium",           "microsoft-edge",     "microsoft-edge-beta",
                                             "microsoft-edge-dev", "BraveSoftware",      "mozilla"};
    return names;
}

const Roots& passwordManagerPrefixes() {
    static const Roots prefixes{"1password",     "bitwarden",     "keepass",        "enpass",
                                "lastpass",      "dashlane",      "proton",         "com.1password",
                                "com.bitwarden", "org.keepassxc", "com.onepassword"};
    return prefixes;
}

// Logs and crash reports the applications write: an Electron application's
// logs and Crashpad reports in its settings folder, JetBrains' logs, and the
// Chromium browsers' reports in "Crash Reports" (Brave's one level deeper).
// Of a Crashpad database only "completed" goes: reports sent, or never to be.
// A Flatpak application's settings folder is its sandbox's config.
Roots logPlaces() {
    return {"{config}/*/logs",
            "{cache}/JetBrains/*/log",
            "{config}/*/Crashpad/completed",
            "{config}/*/Crash Reports/completed",
            "{config}/BraveSoftware/*/Crash Reports/completed",
            "{fp}/*/config/*/logs",
            "{fp}/*/config/*/Crashpad/completed",
            "{fp}/*/config/*/Crash Reports/completed"};
}

std::map<std::string, CategoryLayer> buildCategories() {
    std::map<std::string, CategoryLayer> layers;
    layers["media"] = {{"{Pictures}", "{Videos}", "{Music}"}, {}};
    layers["docs"] = {{"{Documents}", "{Downloads}", "{Desktop}"}, {}};
    layers["projects"] = {codeFolders(), {}};
    // Downloaded models: Hugging Face's and LM Studio's, PyTorch Hub's
    // checkpoints and Whisper's speech models.
    layers["ai"] = {{"{cache}/huggingface", "{cache}/lm-studio", "{cache}/torch", "{cache}/whisper"}, {}};
    layers["deps"] = {
        joined({{"{cache}/yarn", "~/.yarn/berry/cache", "{cache}/pip", "{cache}/Homebrew", "{cache}/org.swift.swiftpm",
                 "~/.swiftpm/cache", "{cache}/go-build", "{cache}/ms-playwright", "{cache}/pnpm", "{data}/pnpm/store",
                 "{cache}/pypoetry", "{cache}/composer"},
                devToolCachesOnLinux()}),
        {}};
    layers["chat"] = {
        {"{config}/Slack", "{config}/discord", "{data}/TelegramDesktop", "{Documents}/xwechat_files", "{config}/QQ",
         "{fp}/com.slack.Slack", "{fp}/com.discordapp.Discord", "{fp}/org.telegram.desktop", "{fp}/com.tencent.WeChat",
         "{fp}/com.qq.QQ", "{snap}/slack", "{snap}/discord", "{snap}/telegram-desktop"},
        {}};
    // Measured, never cleaned: the system's application stores, and the
    // packed snaps (never the trees they are mounted at).
    layers["apps"] = {{"{data}/flatpak", "{root}/var/lib/flatpak", "{root}/opt", "{root}/var/lib/snapd/snaps/*.snap"},
                      {}};
    // Every child of the cache folder and each sandbox's cache; what another
    // category measures is left to it when the roots are resolved.
    layers["caches"] = {{},
                        {{"{cache}", "", {}, {}},
                         {"{fp}", "cache", {}, {}},
                         {"{snap}", "common/.cache", {}, {}},
                         {"{snap}", kSnapRevisions + "/.cache", {}, {}},
                         {"{snap}", kLocalSnapRevisions + "/.cache", {}, {}}}};
    layers["logs"] = {logPlaces(), {}};
    layers["trash"] = {{"{data}/Trash"}, {}};
    return layers;
}

RuleLayer browsers() {
    RuleLayer layer;
    layer.roots = {
        "{cache}/google-chrome", "{cache}/google-chrome-beta", "{cache}/google-chrome-unstable", "{cache}/chromium",
        "{cache}/microsoft-edge", "{cache}/microsoft-edge-beta", "{cache}/microsoft-edge-dev",
        "{cache}/BraveSoftware/Brave-Browser", "{cache}/BraveSoftware/Brave-Browser-Beta",
        "{cache}/BraveSoftware/Brave-Browser-Nightly", "{cache}/mozilla/firefox/*/cache2",
        // Flatpak and Snap keep each application's cache folder in its sandbox.
        "{fp}/com.google.Chrome/cache/google-chrome", "{fp}/org.chromium.Chromium/cache/chromium",
        "{fp}/com.microsoft.Edge/cache/microsoft-edge", "{fp}/com.brave.Browser/cache/BraveSoftware/Brave-Browser",
        "{fp}/org.mozilla.firefox/cache/mozilla/firefox/*/cache2", "{snap}/chromium/common/.cache/chromium",
        "{snap}/brave/common/.cache/BraveSoftware/Brave-Browser",
        "{snap}/firefox/common/.cache/mozilla/firefox/*/cache2"};
    layer.guardIdentities = {"google-chrome",
                             "google-chrome-beta",
                             "google-chrome-unstable",
                             "com.google.Chrome",
                             "chromium",
                             "chromium-browser",
                             "org.chromium.Chromium",
                             "microsoft-edge",
                             "microsoft-edge-beta",
                             "microsoft-edge-dev",
                             "com.microsoft.Edge",
                             "brave-browser",
                             "brave-browser-beta",
                             "brave-browser-nightly",
                             "brave",
                             "firefox",
                             "firefox-esr"};
    layer.guardProcesses = {
        "(^|/)(chrome|chromium|chromium-browser|msedge|brave|firefox|firefox-esr|firefox-bin)( |$)"};
    return layer;
}

RuleLayer appCaches() {
    RuleLayer layer;
    std::set<std::string> left = packageCacheNames();
    left.insert(browserCacheNames().begin(), browserCacheNames().end());
    // Model caches (category "ai"), IDE indexes that take long to rebuild, the
    // desktop's search index and session state, Flatpak's own data and ours.
    left.insert({"huggingface", "lm-studio", "torch", "whisper", "JetBrains", "Google", "tracker", "tracker3",
                 "sessions", "flatpak", "Sorbeta"});
    // Not caches at all, whatever their folder: the input method's learned
    // words (ibus-libpinyin), files an rclone mount has yet to upload, and
    // Evolution's offline copies of mail with changes not yet sent back.
    left.insert({"ibus", "rclone", "evolution"});
    // Nor are installed packages that projects run from and that nothing
    // fetches again by itself: renv's library, to which every R project's
    // own library links, and the Cypress binary its npm package put there.
    left.insert({"R", "Cypress"});
    // Playwright's browsers and its drivers for other languages
    // (ms-playwright-go): fetched only when the user installs them again.
    Roots leftPrefixes = passwordManagerPrefixes();
    leftPrefixes.push_back("ms-playwright");
    layer.children.push_back({"{cache}", "", left, leftPrefixes});
    // A sandbox's cache folder is the cache folder of the application inside:
    // a Flatpak Evolution keeps its offline mail in its own cache/evolution,
    // a snapped rclone its uploads in common/.cache/rclone. So each entry is
    // offered on its own, with the same names left out. The browsers'
    // sandboxes are left to their own rule whole.
    layer.children.push_back({"{fp}",
                              "cache",
                              {"com.google.Chrome", "org.chromium.Chromium", "com.microsoft.Edge", "com.brave.Browser",
                               "org.mozilla.firefox"},
                              passwordManagerPrefixes(),
                              true,
                              left,
                              leftPrefixes});
    for (const std::string& leaf :
         {std::string("common/.cache"), kSnapRevisions + "/.cache", kLocalSnapRevisions + "/.cache"})
        layer.children.push_back(
            {"{snap}", leaf, {"chromium", "brave", "firefox"}, passwordManagerPrefixes(), true, left, leftPrefixes});
    return layer;
}

RuleLayer chatApp(Roots roots, Roots identities, std::string process) {
    RuleLayer layer;
    layer.roots = std::move(roots);
    layer.guardIdentities = std::move(identities);
    layer.guardProcesses = {"(^|/)(" + process + ")( |$)"};
    return layer;
}

Roots wechatFiles(const std::vector<std::string>& inside) {
    Roots roots;
    for (const char* base : {"{Documents}/xwechat_files/*/", "{fp}/com.tencent.WeChat/xwechat_files/*/"})
        for (const std::string& part : inside) roots.push_back(base + part);
    return roots;
}

Roots telegramCaches() {
    Roots roots;
    for (const char* base : {"{data}/TelegramDesktop", "{fp}/org.telegram.desktop/data/TelegramDesktop",
                             "{snap}/telegram-desktop/current/.local/share/TelegramDesktop"})
        for (const char* leaf : {"cache", "media_cache"})
            roots.push_back(std::string(base) + "/tdata/user_data*/" + leaf);
    return roots;
}

std::map<std::string, RuleLayer> buildRules() {
    std::map<std::string, RuleLayer> layers;
    layers["browser"] = browsers();
    // Only Yarn 1's download cache. Yarn 2 and later run a Plug'n'Play
    // project straight from the archives in ~/.yarn/berry/cache: emptying it
    // breaks every such project until it is installed again, as removing its
    // node_modules would. The category "deps" still measures it.
    layers["yarn"].roots = {"{cache}/yarn"};
    layers["pip"].roots = {"{cache}/pip"};
    layers["brew"].roots = {"{cache}/Homebrew/downloads"};
    layers["spm"].roots = {"{cache}/org.swift.swiftpm", "~/.swiftpm/cache"};
    layers["gobuild"].roots = {"{cache}/go-build"};
    layers["devcaches"].roots = devToolCachesOnLinux();
    layers["logs"].roots = logPlaces();
    // Chat clients whose "logs" are the conversations themselves: HexChat's,
    // WeeChat's where its home is set there, Pidgin's run with its settings there;
    // outside a sandbox and in one.
    layers["logs"].keeping = {"{config}/hexchat/logs",      "{config}/weechat/logs",      "{config}/purple/logs",
                              "{fp}/*/config/hexchat/logs", "{fp}/*/config/weechat/logs", "{fp}/*/config/purple/logs"};
    layers["partial"].roots = {"{Downloads}/*.crdownload", "{Downloads}/*.part"};
    // Transmission names an unfinished torrent's file ".part" in the same
    // folder; a paused one is days of downloading, left alone while it runs.
    layers["partial"].guardIdentities = {"transmission-gtk", "transmission-qt", "com.transmissionbt.Transmission"};
    layers["partial"].guardProcesses = {"(^|/)(transmission-gtk|transmission-qt|transmission-daemon)( |$)"};
    layers["installers"].roots = {"{Downloads}/*.deb", "{Downloads}/*.rpm"};  // never an AppImage: it is the app
    layers["pnpm"].roots = {"{data}/pnpm/store"};
    // files/ and info/ emptied in pairs (see TrashPairs); the folders stay.
    layers["trash"].roots = {"{data}/Trash/files", "{data}/Trash/info"};
    layers["appcache"] = appCaches();

    RuleLayer wechat = chatApp(wechatFiles({"cache"}), {"wechat", "com.tencent.WeChat"}, "wechat");
    wechat.allowUserFolders = true;
    layers["wechatcache"] = wechat;
    wechat.roots = wechatFiles({"msg/attach/*/*", "msg/video/*", "msg/file/*"});
    layers["wechatmedia"] = wechat;
    layers["qqcache"] =
        chatApp(joined({electronCaches("{config}/QQ", false), electronCaches("{fp}/com.qq.QQ/config/QQ", false)}),
                {"qq", "com.qq.QQ"}, "qq");
    layers["discordcache"] = chatApp(
        joined({electronCaches("{config}/discord"), electronCaches("{fp}/com.discordapp.Discord/config/discord"),
                electronCaches("{snap}/discord/current/.config/discord")}),
        {"discord", "com.discordapp.Discord"}, "discord|Discord");
    layers["slackcache"] =
        chatApp(joined({electronCaches("{config}/Slack"), electronCaches("{fp}/com.slack.Slack/config/Slack"),
                        electronCaches("{snap}/slack/current/.config/Slack")}),
                {"slack", "com.slack.Slack"}, "slack");
    layers["telegrammedia"] = chatApp(telegramCaches(), {"org.telegram.desktop", "telegramdesktop", "telegram-desktop"},
                                      "telegram-desktop|Telegram");
    return layers;
}

template <typename Layer>
const Layer* find(const std::map<std::string, Layer>& layers, std::string_view id) {
    const auto it = layers.find(std::string(id));
    return it == layers.end() ? nullptr : &it->second;
}

std::vector<std::string> withoutRepeats(std::vector<std::string> list) {
    std::vector<std::string> out;
    for (std::string& item : list)
        if (std::find(out.begin(), out.end(), item) == out.end()) out.push_back(std::move(item));
    return out;
}

}  // namespace

const std::vector<std::string>& codeFolders() {
    static const std::vector<std::string> folders{"~/projects", "~/code",        "~/github", "~/workspace",
                                                  "~/repos",    "~/development", "~/src",    "~/git"};
    return folders;
}

const CategoryLayer* category(std::string_view id) {
    static const std::map<std::string, CategoryLayer> layers = buildCategories();
    return find(layers, id);
}

const RuleLayer* rule(std::string_view id) {
    static const std::map<std::string, RuleLayer> layers = buildRules();
    return find(layers, id);
}

std::vector<std::string> guardIdentities(const CleanSpec& spec) {
    std::vector<std::string> ids = spec.guardBundleIDs;
    if (const RuleLayer* layer = rule(spec.id))
        ids.insert(ids.end(), layer->guardIdentities.begin(), layer->guardIdentities.end());
    return withoutRepeats(std::move(ids));
}

std::vector<std::string> guardProcesses(const CleanSpec& spec) {
    std::vector<std::string> names = spec.guardProcesses;
    if (const RuleLayer* layer = rule(spec.id))
        names.insert(names.end(), layer->guardProcesses.begin(), layer->guardProcesses.end());
    return withoutRepeats(std::move(names));
}

bool macOnly(std::string_view ruleId) {
    static const std::set<std::string, std::less<>> ids{"derived", "simcache", "xcodecache", "devicesupport",
                                                        "archives"};
    return ids.contains(ruleId);
}

}  // namespace sorbeta::LinuxCatalog
