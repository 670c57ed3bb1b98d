#include "LinuxHome.h"

namespace sorbeta::test {
namespace {

constexpr int64_t kSmall = 20'000;

}  // namespace

platform::Places LinuxHome::build(FileTree& t, const platform::Places& before) {
    t.text(".config/user-dirs.dirs",
           "XDG_DESKTOP_DIR=\"$HOME/桌面\"\nXDG_DOWNLOAD_DIR=\"$HOME/下载\"\nXDG_DOCUMENTS_DIR=\"$HOME/文档\"\n"
           "XDG_MUSIC_DIR=\"$HOME/音乐\"\nXDG_PICTURES_DIR=\"$HOME/图片\"\nXDG_VIDEOS_DIR=\"$HOME/视频\"\n");
    // Browsers: caches in the cache folder, profiles elsewhere.
    t.file(".cache/google-chrome/Default/Cache/Cache_Data/data_1", kSmall);
    t.file(".config/google-chrome/Default/Cookies", kSmall);
    // Chromium browsers keep their Crashpad database in "Crash Reports": only
    // "completed" goes, not the reports still waiting to be sent.
    t.file(".config/google-chrome/Crash Reports/completed/a1.dmp", kSmall);
    t.file(".config/google-chrome/Crash Reports/pending/b2.dmp", kSmall);
    t.file(".config/google-chrome/Crash Reports/settings.dat", 400);
    t.file(".config/BraveSoftware/Brave-Browser/Crash Reports/completed/c3.dmp", kSmall);
    t.file(".config/BraveSoftware/Brave-Browser/Default/Login Data", 400);
    t.file(".cache/BraveSoftware/Brave-Browser-Beta/Default/Cache/Cache_Data/data_1", kSmall);
    t.file(".cache/mozilla/firefox/abc.default-release/cache2/entries/E1", kSmall);
    t.file(".mozilla/firefox/abc.default-release/places.sqlite", kSmall);
    t.file(".var/app/org.mozilla.firefox/cache/mozilla/firefox/p1/cache2/entries/E2", kSmall);
    t.file(".var/app/org.mozilla.firefox/.mozilla/firefox/p1/key4.db", kSmall);
    t.file("snap/chromium/common/.cache/chromium/Default/Cache/x", kSmall);
    // Package managers and build tools.
    t.file(".cache/yarn/v6/pkg.tgz", kSmall);
    t.file(".yarn/berry/cache/a.zip", kSmall);
    t.file(".cache/pip/http/a", kSmall);
    t.file(".cache/go-build/00/a-d", kSmall);
    t.file(".cache/typescript/5.0/x", kSmall);
    t.file(".cache/pypoetry/artifacts/ab/x.whl", kSmall);
    t.file(".cache/pypoetry/virtualenvs/proj/pyvenv.cfg", kSmall);
    t.file(".cache/composer/files/a.zip", kSmall);
    t.file(".cache/Homebrew/downloads/x.tar.gz", kSmall);
    t.file(".cache/Homebrew/api/formula.jws.json", kSmall);
    t.file(".local/share/pnpm/store/v3/files/00/a", kSmall);
    t.file(".local/share/pnpm/pnpm", kSmall);
    // Chat applications.
    t.file(".config/Slack/Cache/Cache_Data/x", kSmall);
    t.file(".config/Slack/Service Worker/CacheStorage/x", kSmall);
    t.file(".config/Slack/Cookies", kSmall);
    t.file(".config/Slack/logs/browser.log", kSmall);
    t.file(".config/Slack/Crashpad/completed/d.dmp", kSmall);
    t.file(".config/discord/Code Cache/js/x", kSmall);
    t.file(".config/discord/Local Storage/leveldb/000.ldb", kSmall);
    t.file(".config/QQ/Cache/x", kSmall);
    t.file(".config/QQ/nt_qq/nt_db/msg.db", kSmall);
    t.file(".local/share/TelegramDesktop/tdata/user_data/cache/0/x", kSmall);
    t.file(".local/share/TelegramDesktop/tdata/user_data/media_cache/x", kSmall);
    t.file(".local/share/TelegramDesktop/tdata/key_datas", kSmall);
    t.file("文档/xwechat_files/wxid_a/cache/x", kSmall);
    t.file("文档/xwechat_files/wxid_a/db_storage/message/m.db", kSmall);
    t.file("文档/xwechat_files/wxid_a/msg/video/2024-01/old.mp4", kSmall);
    t.setAgeDays("文档/xwechat_files/wxid_a/msg/video/2024-01", 120);
    t.file("文档/xwechat_files/wxid_a/msg/video/2026-12/new.mp4", kSmall);
    t.file(".var/app/com.slack.Slack/config/Slack/Cache/y", kSmall);
    t.file(".var/app/com.slack.Slack/cache/fontconfig/z", kSmall);
    t.file(".var/app/com.slack.Slack/config/Slack/logs/browser.log", kSmall);
    t.file(".var/app/com.slack.Slack/config/Slack/Crashpad/completed/e.dmp", kSmall);
    t.file("snap/discord/42/.config/discord/GPUCache/x", kSmall);
    t.symlink("42", "snap/discord/current");
    // A snap without XDG_CACHE_HOME keeps its cache in each revision's home;
    // "current" links to one of them. A revision linked elsewhere is not the snap's.
    t.file("snap/discord/42/.cache/fontconfig/c", kSmall);
    t.file("snap/discord/41/.cache/mesa_shader_cache/d", kSmall);
    t.file("snap/discord/x1/.cache/fontconfig/c", kSmall);
    t.file("snap/discord/42/.cache/keepassxc/keepassxc.ini", 400);
    t.file("snap/firefox/9/.cache/mozilla/firefox/p/cache2/x", kSmall);
    t.file("projects/app/.cache/build.bin", kSmall);
    t.symlink("../../projects/app", "snap/discord/43");
    // Other applications' caches, and what the rule for them leaves alone.
    t.file(".cache/thumbnails/large/a.png", kSmall);
    t.file(".cache/fontconfig/cache-1", kSmall);
    t.file(".cache/JetBrains/IntelliJIdea2024.1/log/idea.log", kSmall);
    t.file(".cache/JetBrains/IntelliJIdea2024.1/caches/index", kSmall);
    t.file(".cache/tracker3/files/meta.db", kSmall);
    t.file(".cache/huggingface/hub/model.bin", kSmall);
    t.file(".cache/torch/hub/checkpoints/resnet50.pth", kSmall);
    t.file(".cache/whisper/large-v3.pt", kSmall);
    t.file(".cache/keepassxc/keepassxc.ini", kSmall);
    // Installed packages that projects run from, not fetched again by
    // themselves: renv's library (projects link to it) and Cypress's binary.
    t.file(".cache/R/renv/cache/v5/R-4.3/x86_64-pc-linux-gnu/dplyr/1.1.4/0a1b/dplyr/DESCRIPTION", kSmall);
    t.file(".cache/Cypress/13.6.0/Cypress/Cypress", kSmall);
    t.file(".cache/ms-playwright-go/1.50.1/node", kSmall);
    t.file(".var/app/org.gimp.GIMP/cache/gimp/x", kSmall);
    t.file("snap/code/common/.cache/x", kSmall);
    // The user's folders.
    t.file("图片/trip.jpg", kSmall);
    t.file("视频/clip.mp4", kSmall);
    t.file("下载/tool.deb", kSmall);
    t.setAgeDays("下载/tool.deb", 20);
    t.file("下载/tool2.rpm", kSmall);
    t.setAgeDays("下载/tool2.rpm", 20);
    t.file("下载/fresh.deb", kSmall);
    t.file("下载/App.AppImage", kSmall);
    t.setAgeDays("下载/App.AppImage", 20);
    t.file("下载/movie.mkv.part", kSmall);
    t.setAgeDays("下载/movie.mkv.part", 2);
    t.file("下载/page.crdownload", kSmall);
    t.setAgeDays("下载/page.crdownload", 2);
    // The Trash: two pairs, an orphan description and the size cache.
    t.file(".local/share/Trash/files/old.zip", kSmall);
    t.text(".local/share/Trash/info/old.zip.trashinfo", "[Trash Info]\nPath=/x/old.zip\n");
    t.file(".local/share/Trash/files/folder/inner.txt", kSmall);
    t.text(".local/share/Trash/info/folder.trashinfo", "[Trash Info]\nPath=/x/folder\n");
    t.text(".local/share/Trash/info/gone.trashinfo", "[Trash Info]\nPath=/x/gone\n");
    t.text(".local/share/Trash/directorysizes", "20480 1 folder\n");
    // Secrets and settings.
    t.file(".ssh/id_ed25519", 400);
    t.file(".local/share/kwalletd/kdewallet.kwl", 400);
    t.file(".config/gcloud/credentials.db", 400);
    t.file(".config/gcloud/logs/2026.01.01/x.log", 400);
    // HexChat's "logs" are the user's conversations, not an application's log.
    t.file(".config/hexchat/logs/Libera.Chat/#debian.log", 400);
    // So are WeeChat's with its home in the settings folder, and Pidgin's
    // when its folder is linked there.
    t.file(".config/weechat/logs/irc.libera.#debian.weechatlog", 400);
    t.file(".purple/logs/jabber/me@x/friend@y/2024-01-01.120000+0000UTC.html", 400);
    t.symlink("../.purple", ".config/purple");
    // The same in HexChat's Flatpak sandbox.
    t.file(".var/app/io.github.Hexchat/config/hexchat/logs/Libera.Chat/#debian.log", 400);
    // Caches by place only: learned words, uploads waiting, offline mail.
    t.file(".cache/ibus/libpinyin/user_bigram.db", 400);
    t.file(".cache/rclone/vfs/gdrive/Documents/report.odt", 400);
    t.file(".cache/evolution/mail/1234/folders/INBOX/cur/1.eml", 400);

    FileTree system(before.systemRoot);
    system.file("opt/google/chrome/chrome", kSmall);
    system.file("var/lib/flatpak/app/org.gimp.GIMP/files/gimp", kSmall);
    system.file("var/lib/snapd/snaps/firefox_1.snap", kSmall);
    system.file("var/lib/snapd/snaps/partial/x", kSmall);
    t.file(".local/share/flatpak/app/com.slack.Slack/files/slack", kSmall);
    return platform::Places::fromEnvironment();
}

std::vector<LinuxHome::RuleFinds> LinuxHome::expectedRuleTargets() {
    return {
        {"browser",
         {".cache/google-chrome", ".cache/BraveSoftware/Brave-Browser-Beta",
          ".cache/mozilla/firefox/abc.default-release/cache2",
          ".var/app/org.mozilla.firefox/cache/mozilla/firefox/p1/cache2", "snap/chromium/common/.cache/chromium"}},
        {"yarn", {".cache/yarn"}},
        {"pip", {".cache/pip"}},
        {"brew", {".cache/Homebrew/downloads"}},
        {"gobuild", {".cache/go-build"}},
        {"devcaches", {".cache/typescript", ".cache/pypoetry/artifacts", ".cache/composer"}},
        {"logs",
         {".config/Slack/logs", ".cache/JetBrains/IntelliJIdea2024.1/log", ".config/Slack/Crashpad/completed",
          ".config/google-chrome/Crash Reports/completed",
          ".config/BraveSoftware/Brave-Browser/Crash Reports/completed", ".var/app/com.slack.Slack/config/Slack/logs",
          ".var/app/com.slack.Slack/config/Slack/Crashpad/completed"}},
        {"partial", {"下载/movie.mkv.part", "下载/page.crdownload"}},
        {"installers", {"下载/tool.deb", "下载/tool2.rpm"}},
        {"pnpm", {".local/share/pnpm/store"}},
        {"trash", {".local/share/Trash/files", ".local/share/Trash/info"}},
        {"wechatcache", {"文档/xwechat_files/wxid_a/cache"}},
        {"wechatmedia", {"文档/xwechat_files/wxid_a/msg/video/2024-01"}},
        {"qqcache", {".config/QQ/Cache"}},
        {"discordcache", {".config/discord/Code Cache", "snap/discord/current/.config/discord/GPUCache"}},
        {"slackcache",
         {".config/Slack/Cache", ".config/Slack/Service Worker/CacheStorage",
          ".var/app/com.slack.Slack/config/Slack/Cache"}},
        {"telegrammedia",
         {".local/share/TelegramDesktop/tdata/user_data/cache",
          ".local/share/TelegramDesktop/tdata/user_data/media_cache"}},
        {"appcache",
         {".cache/thumbnails", ".cache/fontconfig", ".var/app/com.slack.Slack/cache/fontconfig",
          ".var/app/org.gimp.GIMP/cache/gimp", "snap/code/common/.cache/x", "snap/discord/42/.cache/fontconfig",
          "snap/discord/41/.cache/mesa_shader_cache", "snap/discord/x1/.cache/fontconfig"}},
    };
}

std::vector<std::string> LinuxHome::protectedFiles() {
    return {".config/google-chrome/Default/Cookies",
            ".mozilla/firefox/abc.default-release/places.sqlite",
            ".var/app/org.mozilla.firefox/.mozilla/firefox/p1/key4.db",
            ".cache/Homebrew/api/formula.jws.json",
            ".yarn/berry/cache/a.zip",
            ".cache/pypoetry/virtualenvs/proj/pyvenv.cfg",
            ".local/share/pnpm/pnpm",
            ".config/Slack/Cookies",
            ".config/discord/Local Storage/leveldb/000.ldb",
            ".config/QQ/nt_qq/nt_db/msg.db",
            ".local/share/TelegramDesktop/tdata/key_datas",
            "文档/xwechat_files/wxid_a/db_storage/message/m.db",
            "文档/xwechat_files/wxid_a/msg/video/2026-12/new.mp4",
            ".cache/JetBrains/IntelliJIdea2024.1/caches/index",
            ".cache/tracker3/files/meta.db",
            ".cache/huggingface/hub/model.bin",
            ".cache/torch/hub/checkpoints/resnet50.pth",
            ".cache/whisper/large-v3.pt",
            ".cache/keepassxc/keepassxc.ini",
            ".cache/R/renv/cache/v5/R-4.3/x86_64-pc-linux-gnu/dplyr/1.1.4/0a1b/dplyr/DESCRIPTION",
            ".cache/Cypress/13.6.0/Cypress/Cypress",
            ".cache/ms-playwright-go/1.50.1/node",
            "下载/App.AppImage",
            "下载/fresh.deb",
            ".ssh/id_ed25519",
            ".local/share/kwalletd/kdewallet.kwl",
            ".config/gcloud/credentials.db",
            ".config/gcloud/logs/2026.01.01/x.log",
            ".config/hexchat/logs/Libera.Chat/#debian.log",
            ".var/app/io.github.Hexchat/config/hexchat/logs/Libera.Chat/#debian.log",
            ".config/google-chrome/Crash Reports/pending/b2.dmp",
            ".config/google-chrome/Crash Reports/settings.dat",
            ".config/BraveSoftware/Brave-Browser/Default/Login Data",
            "snap/discord/42/.cache/keepassxc/keepassxc.ini",
            "snap/firefox/9/.cache/mozilla/firefox/p/cache2/x",
            "projects/app/.cache/build.bin",
            ".config/weechat/logs/irc.libera.#debian.weechatlog",
            ".config/purple/logs/jabber/me@x/friend@y/2024-01-01.120000+0000UTC.html",
            ".cache/ibus/libpinyin/user_bigram.db",
            ".cache/rclone/vfs/gdrive/Documents/report.odt",
            ".cache/evolution/mail/1234/folders/INBOX/cur/1.eml"};
}

}  // namespace sorbeta::test
