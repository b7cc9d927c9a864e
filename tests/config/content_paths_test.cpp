#include "config/content_paths.h"

#include <gtest/gtest.h>

namespace {

// The machine's facts (ZARNOK_DATA_DIR, HOME, XDG_CONFIG_HOME, XDG_STATE_HOME, XDG_DATA_HOME,
// the installed data folder; "" for unset or missing), then where the files land.
struct PlacesCase {
    const char* dataDirVariable;
    const char* home;
    const char* configHome;
    const char* stateHome;
    const char* dataHome;
    const char* installed;
    const char* settingsFile;
    const char* logFile;
    const char* userMapsDir;
    const char* mapsDir;
};

TEST(ContentPaths, BuildTreeInstalledAndXdgFallbacks) {
    const PlacesCase cases[] = {
        // The build tree: bare names in the current folder.
        {"", "/h", "", "", "", "", "conf2.cfg", "log.txt", "", "maps/"},
        // Installed, no XDG variables.
        {"", "/h", "", "", "", "/usr/share/zarnok", "/h/.config/zarnok/conf2.cfg",
         "/h/.local/state/zarnok/log.txt", "/h/.local/share/zarnok/maps/",
         "/usr/share/zarnok/maps/"},
        // The XDG variables.
        {"", "/h", "/c", "/s", "/d", "/usr/share/zarnok", "/c/zarnok/conf2.cfg",
         "/s/zarnok/log.txt", "/d/zarnok/maps/", "/usr/share/zarnok/maps/"},
        // Relative XDG variables count for nothing.
        {"", "/h", "c", "s", "d", "/p/share/zarnok", "/h/.config/zarnok/conf2.cfg",
         "/h/.local/state/zarnok/log.txt", "/h/.local/share/zarnok/maps/", "/p/share/zarnok/maps/"},
        // ZARNOK_DATA_DIR, installed or not.
        {"/opt/z", "/h", "", "", "", "/usr/share/zarnok", "/h/.config/zarnok/conf2.cfg",
         "/h/.local/state/zarnok/log.txt", "/h/.local/share/zarnok/maps/", "/opt/z/maps/"},
        {"/opt/z", "/h", "", "", "", "", "/h/.config/zarnok/conf2.cfg",
         "/h/.local/state/zarnok/log.txt", "/h/.local/share/zarnok/maps/", "/opt/z/maps/"},
    };
    for (const PlacesCase& c : cases) {
        SCOPED_TRACE(std::string(c.dataDirVariable) + "|" + c.configHome + "|" + c.installed);
        const PlaceFacts facts{c.dataDirVariable, c.home,     c.configHome,
                               c.stateHome,       c.dataHome, c.installed};
        const PlacesFound found = FindContentPaths(facts);
        EXPECT_EQ(found.error, "");
        EXPECT_EQ(found.paths.settingsFile, c.settingsFile);
        EXPECT_EQ(found.paths.displayFile.parent_path(), found.paths.settingsFile.parent_path());
        EXPECT_EQ(found.paths.logFile, c.logFile);
        EXPECT_EQ(found.paths.userMapsDir, c.userMapsDir);
        EXPECT_EQ(found.paths.mapsDir, c.mapsDir);
    }
}

TEST(ContentPaths, InstalledWithoutAHomeFolderIsRefused) {
    const PlaceFacts facts{"", "", "/c", "", "", "/usr/share/zarnok"};
    EXPECT_NE(FindContentPaths(facts).error, "");
}

}  // namespace
