#include "model/catalog/Catalog.h"

#include <algorithm>

#include "platform/Translate.h"

namespace sorbeta::Catalog {
namespace {

// A few rule names are product names that read the same in every language;
// they never go through the translation tables.
struct Verbatim {
    const char* text;
};

// A rule's display name: a translation key, or a name shown as it stands.
struct Name {
    QString text;
    Name(const char* key) : text(tr(key)) {}
    Name(Verbatim name) : text(QString::fromUtf8(name.text)) {}
};

// Applications and tools that hold Xcode's build data open.
const std::vector<std::string>& xcodeApps() {
    static const std::vector<std::string> ids = {"com.apple.dt.Xcode", "com.apple.iphonesimulator"};
    return ids;
}
const std::vector<std::string>& xcodeTools() {
    static const std::vector<std::string> names = {"xcodebuild", "XCBBuildService", "swift-frontend"};
    return names;
}

// The rule "devcaches" cleans these; the category "deps" measures them too,
// except the three inside ~/Library/Caches, which it measures as whole folders.
const std::vector<std::string>& devToolCacheRoots() {
    static const std::vector<std::string> roots = {
        "~/.cache/typescript",
        "~/.cache/electron",
        "~/.cache/node-gyp",
        "~/.cache/vite",
        "~/.cache/webpack",
        "~/.cache/eslint",
        "~/.cache/prettier",
        "~/.cache/pre-commit",
        "~/.cache/prisma",
        "~/.cache/puppeteer",
        "~/.cache/ruff",
        "~/.cache/mypy",
        "~/.cache/poetry",
        "~/.cache/uv",
        "~/.cache/bazel",
        "~/.cache/zig",
        "~/.cache/swift-package-manager",
        "~/.node-gyp",
        "~/.turbo/cache",
        "~/.pyenv/cache",
        "~/.rbenv/cache",
        "~/.gem/specs",
        "~/.bundle/cache",
        "~/.composer/cache",
        "~/.cargo/registry/cache",
        "~/.rustup/downloads",
        "~/.android/build-cache",
        "~/.android/cache",
        "~/.tnpm/_cacache",
        "~/Library/Caches/pypoetry/artifacts",
        "~/Library/Caches/pypoetry/cache",
        "~/Library/Caches/composer",
    };
    return roots;
}

std::vector<std::string> depsRoots() {
    std::vector<std::string> roots = {
        "~/.npm",
        "~/Library/pnpm",
        "~/.bun",
        "~/.gradle",
        "~/.m2",
        "~/go/pkg/mod",
        "~/Library/Caches/Yarn",
        "~/Library/Caches/pip",
        "~/Library/Caches/Homebrew",
        "~/Library/Caches/CocoaPods",
        "~/Library/Caches/org.swift.swiftpm",
        "~/Library/Caches/go-build",
        "~/Library/Caches/ms-playwright",
        "~/Library/Caches/pnpm",
    };
    for (const std::string& root : devToolCacheRoots())
        if (!root.starts_with("~/Library/Caches/")) roots.push_back(root);
    roots.push_back("~/Library/Caches/pypoetry");
    roots.push_back("~/Library/Caches/composer");
    return roots;
}

CategorySpec makeCategory(const char* id, const char* name, Flavor flavor, std::vector<std::string> roots) {
    CategorySpec spec;
    spec.id = id;
    spec.name = tr(name);
    spec.flavor = flavor;
    spec.roots = std::move(roots);
    return spec;
}

std::vector<CategorySpec> buildCategories() {
    std::vector<CategorySpec> list;
    list.reserve(12);
    list.push_back(makeCategory("media", SORBETA_TR_NOOP("照片与媒体"), Flavor::strawberry,
                                {"~/Pictures", "~/Movies", "~/Music"}));
    list.push_back(makeCategory("docs", SORBETA_TR_NOOP("文稿与下载"), Flavor::blueberry,
                                {"~/Documents", "~/Downloads", "~/Desktop"}));
    list.push_back(makeCategory("projects", SORBETA_TR_NOOP("项目与代码"), Flavor::bubblegum,
                                {"~/Developer", "~/Projects", "~/Code", "~/GitHub", "~/dev", "~/www", "~/Workspace",
                                 "~/Repos", "~/Development"}));
    list.push_back(makeCategory("xcode", SORBETA_TR_NOOP("Xcode 与 iOS 开发"), Flavor::sky, {"~/Library/Developer"}));
    list.push_back(makeCategory("ai", SORBETA_TR_NOOP("本地 AI 模型"), Flavor::grape,
                                {"~/.ollama", "~/.cache/huggingface", "~/.lmstudio", "~/.cache/lm-studio"}));
    list.push_back(makeCategory("deps", SORBETA_TR_NOOP("依赖包缓存"), Flavor::lime, depsRoots()));
    list.push_back(
        makeCategory("chat", SORBETA_TR_NOOP("聊天记录"), Flavor::mint,
                     {"~/Library/Containers/com.tencent.xinWeChat", "~/Library/Containers/com.tencent.qq",
                      "~/Library/Containers/jp.naver.line.mac", "~/Library/Application Support/Slack",
                      "~/Library/Application Support/discord", "~/Library/Containers/com.tinyspeck.slackmacgap",
                      "~/Library/Group Containers/6N38VWS5BX.ru.keepcoder.Telegram",
                      "~/Library/Application Support/Telegram Desktop", "~/Library/Containers/com.electron.lark",
                      "~/Library/Containers/com.alibaba.DingTalkMac"}));
    list.push_back(makeCategory("mobile", SORBETA_TR_NOOP("iPhone 备份与固件"), Flavor::cherry,
                                {"~/Library/Application Support/MobileSync/Backup", "~/Library/iTunes"}));
    list.push_back(
        makeCategory("apps", SORBETA_TR_NOOP("应用程序"), Flavor::mango, {"/Applications", "~/Applications"}));
    CategorySpec& caches = list.emplace_back(makeCategory("caches", SORBETA_TR_NOOP("应用缓存"), Flavor::peach, {}));
    caches.childrenOf = "~/Library/Caches";
    caches.excludingChildren = devCacheNames();
    list.push_back(makeCategory("logs", SORBETA_TR_NOOP("日志"), Flavor::lemon, {"~/Library/Logs"}));
    list.push_back(makeCategory("trash", SORBETA_TR_NOOP("废纸篓"), Flavor::plum, {"~/.Trash"}));
    return list;
}

// One rule with the defaults of the table: paths source, nothing excluded,
// and pre-selected exactly when it is safe.
CleanSpec rule(const char* id, Name name, const char* categoryID, Safety safety, const char* note,
               std::vector<std::string> roots) {
    CleanSpec spec;
    spec.id = id;
    spec.name = std::move(name.text);
    spec.note = tr(note);
    spec.categoryID = categoryID;
    spec.safety = safety;
    spec.roots = std::move(roots);
    spec.selectedByDefault = safety == Safety::safe;
    return spec;
}

// Texts stay on one line each so they can be found by their translation key.
// clang-format off
// The safe rules, in table order: Xcode and the browsers, then developer
// caches, then everyday leftovers.
void addSafeXcodeAndBrowserRules(std::vector<CleanSpec>& list) {
    constexpr Safety safe = Safety::safe;
    {
        CleanSpec& r = list.emplace_back(
            rule("derived", Verbatim{"Xcode DerivedData"}, "xcode", safe,
                 SORBETA_TR_NOOP("编译中间产物，下次编译会自动重新生成。Xcode 开着时跳过。"),
                 {"~/Library/Developer/Xcode/DerivedData"}));
        r.guardBundleIDs = xcodeApps();
        r.guardProcesses = xcodeTools();
    }
    {
        CleanSpec& r = list.emplace_back(
            rule("simcache", SORBETA_TR_NOOP("模拟器缓存"), "xcode", safe,
                 SORBETA_TR_NOOP("CoreSimulator 的缓存和各个模拟器的临时文件，需要时会重建。"),
                 {"~/Library/Developer/CoreSimulator/Caches",
                  "~/Library/Developer/CoreSimulator/Devices/*/data/tmp",
                  "~/Library/Developer/Xcode/Products", "~/Library/Developer/Xcode/UserData/IB Support"}));
        r.guardBundleIDs = xcodeApps();
        r.guardProcesses = xcodeTools();
    }
    {
        CleanSpec& r =
            list.emplace_back(rule("devicesupport", SORBETA_TR_NOOP("旧的设备支持文件"), "xcode", safe,
                                   SORBETA_TR_NOOP("连接过的设备留下的符号文件。每种系统保留最新的 2 个，其余的删掉，旧设备再连接时会重新拷贝。"),
                                   {"~/Library/Developer/Xcode/iOS DeviceSupport/*",
                                    "~/Library/Developer/Xcode/watchOS DeviceSupport/*",
                                    "~/Library/Developer/Xcode/macOS DeviceSupport/*",
                                    "~/Library/Developer/Xcode/tvOS DeviceSupport/*",
                                    "~/Library/Developer/Xcode/visionOS DeviceSupport/*"}));
        r.removeRoots = true;
        r.keepNewest = 2;
    }
    {
        CleanSpec& r = list.emplace_back(rule("xcodecache", SORBETA_TR_NOOP("Xcode 缓存"), "caches", safe,
                                              SORBETA_TR_NOOP("Xcode 自己的缓存目录。"),
                                              {"~/Library/Caches/com.apple.dt.Xcode"}));
        r.guardBundleIDs = xcodeApps();
        r.guardProcesses = xcodeTools();
    }
    {
        CleanSpec& r = list.emplace_back(rule(
            "browser", SORBETA_TR_NOOP("浏览器缓存"), "caches", safe,
            SORBETA_TR_NOOP("Safari、Chrome、Edge、Brave、Arc、Firefox 的网页缓存。不碰 Cookie、历史记录和密码。浏览器开着时跳过。"),
            {"~/Library/Caches/com.apple.Safari", "~/Library/Caches/Google/Chrome",
             "~/Library/Caches/Microsoft Edge", "~/Library/Caches/BraveSoftware/Brave-Browser",
             "~/Library/Caches/company.thebrowser.Browser", "~/Library/Caches/Firefox/Profiles/*/cache2"}));
        r.guardBundleIDs = {"com.apple.Safari",  "com.google.Chrome",          "com.microsoft.edgemac",
                            "com.brave.Browser", "company.thebrowser.Browser", "org.mozilla.firefox"};
    }
}

void addSafeDeveloperCacheRules(std::vector<CleanSpec>& list) {
    constexpr Safety safe = Safety::safe;
    list.push_back(rule("npm", SORBETA_TR_NOOP("npm 缓存"), "deps", safe,
                        SORBETA_TR_NOOP("npm 的下载缓存，装包时会重新下载。"),
                        {"~/.npm/_cacache", "~/.npm/_logs"}));
    list.push_back(rule("yarn", SORBETA_TR_NOOP("Yarn 缓存"), "deps", safe,
                        SORBETA_TR_NOOP("Yarn 的下载缓存。"), {"~/Library/Caches/Yarn"}));
    list.push_back(rule("bun", SORBETA_TR_NOOP("Bun 缓存"), "deps", safe, SORBETA_TR_NOOP("Bun 的安装缓存。"),
                        {"~/.bun/install/cache"}));
    list.push_back(rule("pip", SORBETA_TR_NOOP("pip 缓存"), "deps", safe,
                        SORBETA_TR_NOOP("Python 包的下载缓存。"), {"~/Library/Caches/pip"}));
    list.push_back(rule("brew", SORBETA_TR_NOOP("Homebrew 下载缓存"), "deps", safe,
                        SORBETA_TR_NOOP("已下载的安装包，brew 需要时会重新下载。API 索引保留。"),
                        {"~/Library/Caches/Homebrew/downloads", "~/Library/Caches/Homebrew/Cask"}));
    list.push_back(rule("pods", SORBETA_TR_NOOP("CocoaPods 缓存"), "deps", safe,
                        SORBETA_TR_NOOP("Pod 的下载缓存。"), {"~/Library/Caches/CocoaPods"}));
    {
        CleanSpec& r = list.emplace_back(rule("spm", SORBETA_TR_NOOP("SwiftPM 缓存"), "deps", safe,
                                              SORBETA_TR_NOOP("Swift Package 的下载缓存。"),
                                              {"~/Library/Caches/org.swift.swiftpm"}));
        r.guardBundleIDs = xcodeApps();
        r.guardProcesses = xcodeTools();
    }
    list.push_back(rule("gobuild", SORBETA_TR_NOOP("Go 编译缓存"), "deps", safe,
                        SORBETA_TR_NOOP("go build 的缓存，下次编译会重建。"), {"~/Library/Caches/go-build"}));
    {
        CleanSpec& r = list.emplace_back(rule(
            "gradlecache", SORBETA_TR_NOOP("Gradle 临时文件"), "deps", safe,
            SORBETA_TR_NOOP("Gradle 的守护进程日志、构建缓存和通知。依赖仓库本身不动。Gradle 在跑时跳过。"),
            {"~/.gradle/daemon", "~/.gradle/notifications", "~/.gradle/workers",
             "~/.gradle/caches/build-cache-*"}));
        r.guardProcesses = {"GradleDaemon"};
    }
    list.push_back(rule("devcaches", SORBETA_TR_NOOP("其他开发工具缓存"), "deps", safe,
                        SORBETA_TR_NOOP("TypeScript、Vite、ESLint、Prettier、uv、Poetry、Ruff、Cargo、Composer、Android 等工具的缓存，都会自动重建。"),
                        devToolCacheRoots()));
}

void addSafeEverydayRules(std::vector<CleanSpec>& list) {
    constexpr Safety safe = Safety::safe;
    list.push_back(rule("logs", SORBETA_TR_NOOP("用户日志"), "logs", safe,
                        SORBETA_TR_NOOP("应用写下的日志和崩溃报告，一般没人再看。"), {"~/Library/Logs"}));
    {
        CleanSpec& r =
            list.emplace_back(rule("ipsw", SORBETA_TR_NOOP("iOS 固件安装包"), "mobile", safe,
                                   SORBETA_TR_NOOP("通过访达更新设备时下载的 .ipsw，用完就没用了。"),
                                   {"~/Library/iTunes/*Software Updates/*.ipsw"}));
        r.removeRoots = true;
    }
    {
        CleanSpec& r = list.emplace_back(
            rule("partial", SORBETA_TR_NOOP("没下载完的文件"), "docs", safe,
                 SORBETA_TR_NOOP("下载文件夹里中断的 .download / .crdownload / .part，一天以上没动过的。"),
                 {"~/Downloads/*.download", "~/Downloads/*.crdownload", "~/Downloads/*.part"}));
        r.removeRoots = true;
        r.allowUserFolders = true;
        r.minAgeDays = 1;
    }
    {
        CleanSpec& r = list.emplace_back(rule(
            "wechatcache", SORBETA_TR_NOOP("微信缓存"), "chat", safe,
            SORBETA_TR_NOOP(
                "微信的缩略图和网页缓存，删后会自动重新生成。聊天记录、图片和文件都不动。微信开着时跳过。"),
            {"~/Library/Containers/com.tencent.xinWeChat/Data/Library/Caches",
             "~/Library/Containers/com.tencent.xinWeChat/Data/Documents/xwechat_files/*/cache"}));
        r.guardBundleIDs = {"com.tencent.xinWeChat"};
    }
    {
        CleanSpec& r = list.emplace_back(
            rule("linecache", SORBETA_TR_NOOP("LINE 缓存"), "chat", safe,
                 SORBETA_TR_NOOP("LINE 的缓存，删后会自动重新生成。聊天记录和相册都不动。LINE 开着时跳过。"),
                 {"~/Library/Containers/jp.naver.line.mac/Data/Library/Caches"}));
        r.guardBundleIDs = {"jp.naver.line.mac"};
    }
    {
        CleanSpec& r = list.emplace_back(
            rule("qqcache", SORBETA_TR_NOOP("QQ 缓存"), "chat", safe,
                 SORBETA_TR_NOOP("QQ 的缓存，删后会自动重新生成。聊天记录和文件都不动。QQ 开着时跳过。"),
                 {"~/Library/Containers/com.tencent.qq/Data/Library/Caches"}));
        r.guardBundleIDs = {"com.tencent.qq"};
    }
    {
        CleanSpec& r = list.emplace_back(
            rule("discordcache", SORBETA_TR_NOOP("Discord 缓存"), "chat", safe,
                 SORBETA_TR_NOOP("Discord 的网页和图片缓存，删后会自动重新生成。Discord 开着时跳过。"),
                 {"~/Library/Application Support/discord/Cache",
                  "~/Library/Application Support/discord/Code Cache",
                  "~/Library/Application Support/discord/GPUCache"}));
        r.guardBundleIDs = {"com.hnc.Discord"};
    }
    {
        CleanSpec& r = list.emplace_back(rule(
            "slackcache", SORBETA_TR_NOOP("Slack 缓存"), "chat", safe,
            SORBETA_TR_NOOP("Slack 的网页和图片缓存，删后会自动重新生成。Slack 开着时跳过。"),
            {"~/Library/Application Support/Slack/Cache", "~/Library/Application Support/Slack/Code Cache",
             "~/Library/Application Support/Slack/GPUCache",
             "~/Library/Application Support/Slack/Service Worker/CacheStorage",
             "~/Library/Containers/com.tinyspeck.slackmacgap/Data/Library/Application Support/Slack/Cache",
             "~/Library/Containers/com.tinyspeck.slackmacgap/Data/Library/Application Support/Slack/Code Cache",
             "~/Library/Containers/com.tinyspeck.slackmacgap/Data/Library/Application Support/Slack/Service Worker/CacheStorage"}));
        r.guardBundleIDs = {"com.tinyspeck.slackmacgap"};
    }
    {
        CleanSpec& r = list.emplace_back(
            rule("capcut", SORBETA_TR_NOOP("剪映 / CapCut 缓存"), "media", safe,
                 SORBETA_TR_NOOP("剪辑时生成的预览和素材缓存，再打开草稿时会重新生成。草稿和导出的视频都不动。剪映或 CapCut 开着时跳过。"),
                 {"~/Movies/CapCut/User Data/Cache", "~/Movies/JianyingPro/User Data/Cache",
                  "~/Library/Containers/com.lemon.lvoverseas/Data/Movies/CapCut/User Data/Cache",
                  "~/Library/Containers/com.lemon.lvpro/Data/Movies/JianyingPro/User Data/Cache"}));
        r.allowUserFolders = true;
        r.guardBundleIDs = {"com.lemon.lvoverseas", "com.lemon.lvpro"};
    }
}

// The rules to review, in table order: developer leftovers, then personal files.
void addReviewDeveloperRules(std::vector<CleanSpec>& list) {
    constexpr Safety review = Safety::review;
    {
        CleanSpec& r = list.emplace_back(
            rule("artifacts", SORBETA_TR_NOOP("旧项目的依赖与构建产物"), "projects", review,
                 SORBETA_TR_NOOP("代码目录里 7 天没动过的项目的 node_modules、target、.build、Pods、.venv 等。被 git 跟踪的不碰。删后需要重新安装依赖。"),
                 {}));
        r.source = CleanSpec::Source::projectArtifacts;
        r.removeRoots = true;
        r.allowUserFolders = true;
    }
    {
        CleanSpec& r = list.emplace_back(rule(
            "appcache", SORBETA_TR_NOOP("清空第三方应用缓存"), "caches", review,
            SORBETA_TR_NOOP(
                "各个应用的缓存。正在运行的应用、系统组件和密码管理器的缓存会跳过。删后应用会变慢一会儿。"),
            {}));
        r.childrenOf = "~/Library/Caches";
        r.excludingChildren = devCacheNames();
        r.excludingChildren.insert(separatelyCleaned().begin(), separatelyCleaned().end());
        r.excludingPrefixes = {"com.apple.",
                               "CloudKit",
                               "Adobe",
                               "com.adobe.",
                               "com.1password",
                               "com.agilebits",
                               "com.bitwarden",
                               "com.lastpass",
                               "com.dashlane",
                               "org.keepassxc",
                               "com.authy",
                               "com.yubico",
                               "com.microsoft.VSCode.ShipIt",
                               "FamilyCircle",
                               "GeoServices",
                               "ms-playwright"};
        r.skipRunningAppDirs = true;
    }
    list.push_back(rule("pnpm", Verbatim{"pnpm store"}, "deps", review,
                        SORBETA_TR_NOOP("pnpm 的全局内容仓库。已有项目还能用，但下次安装要重新下载。"),
                        {"~/Library/pnpm/store"}));
    list.push_back(rule("archives", Verbatim{"Xcode Archives"}, "xcode", review,
                        SORBETA_TR_NOOP("打包归档。删掉后就不能再从这些归档重新导出或上传了。"),
                        {"~/Library/Developer/Xcode/Archives"}));
}

void addReviewPersonalRules(std::vector<CleanSpec>& list) {
    constexpr Safety review = Safety::review;
    {
        CleanSpec& r = list.emplace_back(
            rule("backups", SORBETA_TR_NOOP("iPhone / iPad 备份"), "mobile", review,
                 SORBETA_TR_NOOP("设备的本地备份，删了就找不回来了。需要“完全磁盘访问权限”才能看到。"),
                 {"~/Library/Application Support/MobileSync/Backup/*"}));
        r.removeRoots = true;
    }
    {
        CleanSpec& r = list.emplace_back(rule("trash", SORBETA_TR_NOOP("清倒废纸篓"), "trash", review,
                                              SORBETA_TR_NOOP("废纸篓里的东西会被永久删除。"), {"~/.Trash"}));
        r.onlyListedEntries = true;
    }
    {
        CleanSpec& r = list.emplace_back(rule(
            "wechatmedia", SORBETA_TR_NOOP("微信里 3 个月前的图片和视频"), "chat", review,
            SORBETA_TR_NOOP(
                "聊天里收到的、3 个月以前的图片、视频和文件。删掉后在微信里会显示已过期，多数不能再下载。微信开着时跳过。"),
            {"~/Library/Containers/com.tencent.xinWeChat/Data/Documents/xwechat_files/*/msg/attach/*/*",
             "~/Library/Containers/com.tencent.xinWeChat/Data/Documents/xwechat_files/*/msg/video/*",
             "~/Library/Containers/com.tencent.xinWeChat/Data/Documents/xwechat_files/*/msg/file/*"}));
        r.removeRoots = true;
        r.minAgeDays = 90;
        r.guardBundleIDs = {"com.tencent.xinWeChat"};
    }
    {
        CleanSpec& r = list.emplace_back(rule(
            "telegrammedia", SORBETA_TR_NOOP("Telegram 下载过的媒体"), "chat", review,
            SORBETA_TR_NOOP("Telegram 里看过的图片和视频的本地副本。云端还在的可以重新下载，私密聊天里的找不回来。Telegram 开着时跳过。"),
            {"~/Library/Group Containers/6N38VWS5BX.ru.keepcoder.Telegram/stable/account-*/postbox/media"}));
        r.guardBundleIDs = {"ru.keepcoder.Telegram"};
    }
    {
        CleanSpec& r = list.emplace_back(
            rule("installers", SORBETA_TR_NOOP("下载文件夹里的旧安装包"), "docs", review,
                 SORBETA_TR_NOOP("下载文件夹里两周以上没动过的 .dmg 和 .pkg。软件装好后安装包一般就没用了。"),
                 {"~/Downloads/*.dmg", "~/Downloads/*.pkg"}));
        r.removeRoots = true;
        r.allowUserFolders = true;
        r.minAgeDays = 14;
    }
}

// clang-format on

std::vector<CleanSpec> buildCleanables() {
    std::vector<CleanSpec> list;
    list.reserve(33);
    addSafeXcodeAndBrowserRules(list);
    addSafeDeveloperCacheRules(list);
    addSafeEverydayRules(list);
    addReviewDeveloperRules(list);
    addReviewPersonalRules(list);
    return list;
}

}  // namespace

const std::set<std::string>& devCacheNames() {
    static const std::set<std::string> names = {"Yarn", "pip",      "Homebrew",      "CocoaPods", "org.swift.swiftpm",
                                                "pnpm", "go-build", "ms-playwright", "pypoetry",  "composer"};
    return names;
}

const std::set<std::string>& separatelyCleaned() {
    static const std::set<std::string> names = {
        "com.apple.dt.Xcode", "Google",         "com.apple.Safari",          "Firefox",
        "BraveSoftware",      "Microsoft Edge", "company.thebrowser.Browser"};
    return names;
}

const std::vector<CategorySpec>& categories() {
    static const std::vector<CategorySpec> list = buildCategories();
    return list;
}

const std::vector<CleanSpec>& cleanables() {
    static const std::vector<CleanSpec> list = buildCleanables();
    return list;
}

const CategorySpec* category(std::string_view id) {
    const auto& list = categories();
    auto it = std::find_if(list.begin(), list.end(), [&](const CategorySpec& spec) { return spec.id == id; });
    return it == list.end() ? nullptr : &*it;
}

const CleanSpec* cleanable(std::string_view id) {
    const auto& list = cleanables();
    auto it = std::find_if(list.begin(), list.end(), [&](const CleanSpec& spec) { return spec.id == id; });
    return it == list.end() ? nullptr : &*it;
}

}  // namespace sorbeta::Catalog
