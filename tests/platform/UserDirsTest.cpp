#include <gtest/gtest.h>

#include <cstdlib>

#include "FileTree.h"
#include "TestEnvironment.h"
#include "platform/Places.h"
#include "platform/UserDirs.h"

using namespace sorbeta;
using std::filesystem::path;

class UserDirsTest : public test::HomeTest {};

TEST_F(UserDirsTest, ParsesQuotedHomeRelativeAndAbsoluteFoldersOnly) {
    const path h = "/home/u";
    const auto folders = platform::parseUserDirs(
        "# written by xdg-user-dirs-update\n"
        "XDG_DOWNLOAD_DIR=\"$HOME/下载\"\n"
        "  XDG_DOCUMENTS_DIR=\"$HOME/My \\\"Docs\\\"/\"\n"
        "XDG_MUSIC_DIR=\"/srv/music\"  \n"
        "XDG_DESKTOP_DIR=\"$HOME/\"\n"           // home itself: turned off
        "XDG_PICTURES_DIR=\"Pictures\"\n"        // relative: ignored
        "XDG_VIDEOS_DIR=\"$HOMEVIDEOS\"\n"       // not $HOME followed by a slash
        "XDG_TEMPLATES_DIR=\"$HOME/T\" extra\n"  // text after the value
        "XDG_PUBLICSHARE_DIR=$HOME/Public\n"     // unquoted
        "XDG__DIR=\"$HOME/x\"\n",
        h);
    EXPECT_EQ(folders.at("DOWNLOAD"), h / "下载");
    EXPECT_EQ(folders.at("DOCUMENTS"), h / "My \"Docs\"");
    EXPECT_EQ(folders.at("MUSIC"), path("/srv/music"));
    EXPECT_EQ(folders.at("DESKTOP"), path());
    EXPECT_EQ(folders.size(), 4u);
}

TEST_F(UserDirsTest, PlacesTakeTheLocalisedFoldersAndEnglishDefaultsForTheRest) {
    test::FileTree tree(home());
    tree.text(".config/user-dirs.dirs",
              "XDG_DOWNLOAD_DIR=\"$HOME/下载\"\nXDG_VIDEOS_DIR=\"$HOME/视频\"\nXDG_DESKTOP_DIR=\"$HOME\"\n");
    const auto places = platform::Places::fromEnvironment();
    EXPECT_EQ(places.downloads, home() / "下载");
    EXPECT_EQ(places.videos, home() / "视频");
    EXPECT_EQ(places.documents, home() / "Documents");
    EXPECT_EQ(places.desktop, path());
    EXPECT_EQ(places.flatpakApps, home() / ".var/app");
    EXPECT_EQ(places.snaps, home() / "snap");

    EXPECT_EQ(places.expandPlace("{Downloads}/*.deb"), home() / "下载/*.deb");
    EXPECT_EQ(places.expandPlace("{cache}"), places.cacheHome);
    EXPECT_EQ(places.expandPlace("{fp}/org.mozilla.firefox/cache"), home() / ".var/app/org.mozilla.firefox/cache");
    EXPECT_EQ(places.expandPlace("~/.yarn"), home() / ".yarn");
    // A turned-off folder, an unknown or unclosed name and a name glued to
    // more text name nothing, so no rule can reach home itself through them.
    EXPECT_EQ(places.expandPlace("{Desktop}/x"), std::nullopt);
    EXPECT_EQ(places.expandPlace("{home}/x"), std::nullopt);
    EXPECT_EQ(places.expandPlace("{cache/x"), std::nullopt);
    EXPECT_EQ(places.expandPlace("{cache}x"), std::nullopt);

    ::setenv("SORBETA_SYSTEM_ROOT", "/", 1);
    EXPECT_EQ(platform::Places::fromEnvironment().expandPlace("{root}/opt"), path("/opt"));
    ::setenv("SORBETA_SYSTEM_ROOT", "relative", 1);
    EXPECT_EQ(platform::Places::fromEnvironment().systemRoot, path("/"));
}

// With HOME reached through a link the file may spell the home that way. Such
// a folder is the home's own, written as the home is, so it is not measured
// twice; the home itself, or a folder above it, still turns a folder off.
TEST_F(UserDirsTest, FoldersNamedThroughALinkedHomeAreWrittenAsTheHome) {
    std::filesystem::create_symlink(home(), outside() / "alias");
    const std::string alias = (outside() / "alias").native();
    ::setenv("HOME", alias.c_str(), 1);
    test::FileTree tree(home());
    tree.dir("Downloads");
    tree.symlink(outside() / "disk", "Videos");  // kept on another disk
    tree.text(".config/user-dirs.dirs", "XDG_DOWNLOAD_DIR=\"" + alias + "/Downloads\"\nXDG_MUSIC_DIR=\"" + alias +
                                            "/\"\nXDG_VIDEOS_DIR=\"" + alias + "/Videos\"\nXDG_PICTURES_DIR=\"/\"\n");
    const auto places = platform::Places::fromEnvironment();
    ASSERT_EQ(places.home, home());
    EXPECT_EQ(places.downloads, home() / "Downloads");
    EXPECT_EQ(places.expandPlace("{Downloads}"), places.expandTilde("~/Downloads"));
    EXPECT_EQ(places.music, path());
    EXPECT_EQ(places.expandPlace("{Music}/x"), std::nullopt);
    EXPECT_EQ(places.pictures, path());
    // A folder that is itself a link is still the folder the user named.
    EXPECT_EQ(places.videos, home() / "Videos");
}
