#include "app/startup.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <memory>
#include <optional>

#include "app/game.h"
#include "app/log_file.h"
#include "base/load_error.h"
#include "config/config_reader.h"
#include "support/fake_audio.h"
#include "support/fake_gpu.h"
#include "support/fake_main_window.h"
#include "support/shipped_content.h"
#include "support/temp_dir.h"
#include "ui/fault_phrases.h"
#include "ui/menu_requests.h"

namespace {

// The run folder's models, pictures and sounds, seen through links from `folder`.
void LinkShippedContent(Game& game, const TempDir& folder) {
    for (const char* part : {"player.txt", "bullet.txt", "textures", "sound"}) {
        const std::filesystem::path from = kRunDir / part;
        if (!std::filesystem::is_directory(from)) {
            std::filesystem::create_symlink(from, folder.File(part));
            continue;
        }
        std::filesystem::create_directory(folder.File(part));
        for (const auto& entry : std::filesystem::directory_iterator(from))
            std::filesystem::create_symlink(entry.path(),
                                            folder.File(part) / entry.path().filename());
    }
    game.paths.playerModelFile = folder.File("player.txt");
    game.paths.bulletModelFile = folder.File("bullet.txt");
    game.paths.texturesDir = folder.File("textures");
    game.paths.soundDir = folder.File("sound");
}

struct StartupTest : ::testing::Test {
    StartupTest() {
        game.services.window = &window;
        game.services.audio = &audio;
        game.paths.configFile = dir.File("config.txt");
        game.paths.settingsFile = dir.File("conf2.cfg");
        game.paths.displayFile = dir.File("display.cfg");
        game.paths.logFile = dir.File("log.txt");
        window.modes = {{1280, 1024, 32}, {800, 600, 32}};
        LinkShippedContent(game, dir);
    }
    std::vector<std::string> LogLines() {
        std::vector<std::string> lines;
        std::string text = dir.Read("log.txt");
        std::size_t start = 0;
        for (std::size_t end; (end = text.find('\n', start)) != std::string::npos;
             start = end + 1) {
            lines.push_back(text.substr(start, end - start));
        }
        EXPECT_EQ(start, text.size()) << "unterminated last line";
        return lines;
    }
    TempDir dir;
    FakeMainWindow window;
    FakeAudio audio;
    Game game;
};

TEST_F(StartupTest, FirstStartCreatesDefaultsForTheCurrentScreenWithoutAModeChange) {
    LoadSettings(game);
    EXPECT_EQ(game.userSettings.screenWidth, 1280);
    EXPECT_EQ(game.userSettings.screenHeight, 1024);
    EXPECT_TRUE(window.changes.empty());
    EXPECT_EQ(game.displayModes.size(), 2u);
    EXPECT_EQ(std::filesystem::file_size(dir.File("conf2.cfg")), 168u);
}

TEST_F(StartupTest, SavedResolutionIsSwitchedToAndSensitivityScaled) {
    tusersettings saved = DefaultUserSettings(800, 600);
    saved.mouseSensitivity = 50;
    WriteUserSettings(dir.File("conf2.cfg"), saved);
    dir.Write("config.txt", "MOUSE_SENC_Y 0.08\n");
    LoadSettings(game);
    ASSERT_EQ(window.changes.size(), 1u);
    EXPECT_EQ(window.changes[0].width, 800);
    EXPECT_FLOAT_EQ(game.tuning.MOUSE_SENC_Y, 0.04f);
    EXPECT_FLOAT_EQ(game.tuning.MOUSE_SENC_X, 0.005f);
}

TEST_F(StartupTest, BadConfigStopsStartUpBeforeSettingsAreTouched) {
    dir.Write("config.txt", "GRAVITY heavy\n");
    EXPECT_THROW(LoadSettings(game), ConfigError);
    EXPECT_FALSE(std::filesystem::exists(dir.File("conf2.cfg")));
}

// A settings folder the game cannot write: what the player saved before is read and left as it
// is, and closing writes nothing and complains of nothing.
TEST_F(StartupTest, AnUnwritableFolderKeepsTheSettingsAsTheyWere) {
    tusersettings saved = DefaultUserSettings(1280, 1024);
    saved.soundVolume = 30;
    for (const bool present : {true, false}) {
        SCOPED_TRACE(present);
        std::filesystem::remove(dir.File("conf2.cfg"));
        if (present) WriteUserSettings(dir.File("conf2.cfg"), saved);
        const std::string before = dir.Read("conf2.cfg");
        Game started;
        started.services.window = &window;
        started.paths = game.paths;
        started.paths.settingsWritable = started.paths.logWritable = false;
        LoadSettings(started);
        EXPECT_EQ(started.userSettings.soundVolume, present ? 30 : 100);
        started.userSettings.soundVolume = 70;
        EXPECT_EQ(FormClose(started), "");
        EXPECT_EQ(std::filesystem::exists(dir.File("conf2.cfg")), present);
        EXPECT_EQ(dir.Read("conf2.cfg"), before);
        EXPECT_FALSE(std::filesystem::exists(dir.File("log.txt")));
    }
}

// What the game does without is no box to close: a line at the foot of the menus, and log.txt.
TEST_F(StartupTest, NoSoundDeviceAndAMapNamedTooLongAreToldAtTheFootOfTheMenus) {
    FakeGpu gpu;
    game.services.gpu = &gpu;
    game.services.audio = nullptr;
    game.paths.mapsDir = dir.File("maps");
    game.paths.userMapsDir = dir.File("own");
    std::filesystem::create_directories(game.paths.mapsDir);
    dir.Write("own/seventeen_cha.map", "");
    LoadSettings(game);
    FinishStartUp(game);
    ShowStartupNotices(game);
    EXPECT_FALSE(game.menus.message.open);
    ASSERT_EQ(game.menus.footLines.size(), 2u);
    EXPECT_TRUE(FootLineText(game.menus.footLines[0], Language::kEnglish).starts_with("Sound off"));
    EXPECT_NE(FootLineText(game.menus.footLines[1], Language::kEnglish)
                  .find("seventeen_cha.map: the name is longer than 16"),
              std::string::npos);
    EXPECT_NE(dir.Read("log.txt").find("seventeen_cha.map"), std::string::npos);
}

TEST_F(StartupTest, CloseWithoutAServerLogsTheFifteenCountersOnly) {
    LoadSettings(game);
    FinishStartUp(game);
    EXPECT_TRUE(game.state.renderEnabled);
    EXPECT_EQ(dir.Read("log.txt"), "");
    game.userSettings.soundVolume = 40;
    EXPECT_EQ(FormClose(game), "");
    std::vector<std::string> lines = LogLines();
    ASSERT_EQ(lines.size(), 15u);
    EXPECT_EQ(lines.front(), "sent 0");
    EXPECT_EQ(lines[2], "sentsrv_ginfo 0");
    EXPECT_EQ(lines.back(), "received 0");
    EXPECT_EQ(ReadUserSettings(dir.File("conf2.cfg"), 1, 1).settings.soundVolume, 40);
}

TEST_F(StartupTest, LogListsVisitorsThenCountersInOrder) {
    game.traffic.visitorList.push_back({7, "192.168.0.5", 123});
    game.traffic.serverStatistics.ginfo = 5;
    game.traffic.serverStatistics.addlist = 2;
    game.traffic.serverStatistics.endlv2 = 1;
    CreateLogFile(game.paths.logFile);
    FormClose(game);
    std::vector<std::string> lines = LogLines();
    ASSERT_EQ(lines.size(), 16u);
    EXPECT_EQ(lines[0], "player 7 192.168.0.5 was here 123");
    const char* labels[] = {"sent",          "sentsrv",         "sentsrv_ginfo", "sentsrv_endlv",
                            "sentsrv_addpl", "sentsrv_added",   "sentsrv_bulst", "sentsrv_bulfn",
                            "sentsrv_illim", "sentsrv_endlv2",  "sentsrv_respl", "sentsrv_delpl",
                            "sentsrv_srvcl", "sentsrv_addlist", "received"};
    for (int i = 0; i < 15; ++i)
        EXPECT_EQ(lines[i + 1].substr(0, lines[i + 1].find(' ')), labels[i]);
    EXPECT_EQ(lines[3], "sentsrv_ginfo 5");
    EXPECT_EQ(lines[10], "sentsrv_endlv2 1");
    EXPECT_EQ(lines[14], "sentsrv_addlist 2");
}

TEST_F(StartupTest, CloseStillWritesTheLogWhenSettingsCannotBeSaved) {
    CreateLogFile(game.paths.logFile);
    game.paths.settingsFile = dir.File("missing-folder/conf2.cfg");
    std::string failures = FormClose(game);
    EXPECT_NE(failures.find("conf2.cfg"), std::string::npos);
    EXPECT_EQ(LogLines().size(), 15u);
}

// Root ignores mode bits, so the folder is made immutable too where the file system allows it;
// an immutable folder's mode cannot change, hence the order.
void SetFolderWritable(const std::filesystem::path& folder, bool writable) {
    if (!writable) chmod(folder.c_str(), 0555);
    const int descriptor = open(folder.c_str(), O_RDONLY | O_DIRECTORY);
    int flags = 0;
    if (ioctl(descriptor, FS_IOC_GETFLAGS, &flags) == 0) {
        flags = writable ? flags & ~FS_IMMUTABLE_FL : flags | FS_IMMUTABLE_FL;
        ioctl(descriptor, FS_IOC_SETFLAGS, &flags);
    }
    close(descriptor);
    if (writable) chmod(folder.c_str(), 0755);
}

// From start to the options' "Ok": the user's bytes survive every fault, and each is reported.
TEST(SettingsFaults, UsersBytesAreKeptAndFailuresReported) {
    const UserSettingsBytes record = EncodeUserSettings(DefaultUserSettings(1280, 1024));
    const std::string saved(record.begin(), record.end());
    struct Case {
        const char* fault;
        std::string bytes;  // conf2.cfg before start
        bool damaged;       // kept aside as conf2.cfg.damaged, the defaults used
        bool fileReadOnly, folderReadOnly;
    };
    const Case cases[] = {
        {"wrong size", std::string(100, 'U'), true, false, false},
        {"one byte too many", saved + "!", true, false, false},
        {"read-only file", saved, false, true, false},
        {"read-only folder", saved, false, false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fault);
        TempDir dir;
        FakeMainWindow window;
        auto game = std::make_unique<Game>();
        game->services.window = &window;
        game->paths.settingsFile = dir.File("conf2.cfg");
        game->paths.displayFile = dir.File("display.cfg");
        game->paths.logFile = dir.Write("log.txt", "");
        LinkShippedContent(*game, dir);
        dir.Write("conf2.cfg", c.bytes);
        if (c.fileReadOnly) chmod(dir.File("conf2.cfg").c_str(), 0444);
        LoadSettings(*game);
        FinishStartUp(*game);
        if (c.folderReadOnly) SetFolderWritable(dir.path(), false);
        OpenScreen(game->menus, Overlay::Options);
        game->menus.options.volume.valueText = "30%";
        RunMenuRequest(*game, AcceptOptions(game->menus));
        SetFolderWritable(dir.path(), true);

        EXPECT_EQ(dir.Read("conf2.cfg.damaged"), c.damaged ? c.bytes : "");
        EXPECT_EQ(dir.Read("log.txt").find("conf2.cfg.damaged, starting with") != std::string::npos,
                  c.damaged);
        // On screen: the box that says the settings were not saved names the file to look at.
        const bool saveFails = c.fileReadOnly || c.folderReadOnly;
        EXPECT_EQ(game->menus.message.open, saveFails);
        EXPECT_EQ(game->menus.message.detail.label.ends_with(": conf2.cfg"), saveFails);
        EXPECT_EQ(dir.Read("conf2.cfg") == c.bytes, saveFails);
        EXPECT_EQ(ReadUserSettings(dir.File("conf2.cfg"), 1, 1).settings.soundVolume,
                  saveFails ? 100 : 30);
        EXPECT_EQ(std::filesystem::status(dir.File("conf2.cfg")).permissions() ==
                      std::filesystem::perms(0444),
                  c.fileReadOnly);
    }
}

// Content the game cannot run without stops start-up naming the file; a sound it can do without
// stays silent, told once on screen over the first menu and once in log.txt.
TEST_F(StartupTest, ContentFaultsAreToldWithTheFile) {
    struct Case {
        const char* file;
        std::optional<std::string> bytes;  // nothing: the file is removed
        const char* fatal;                 // what stopping says; null: start-up goes on
    };
    const Case cases[] = {
        {"player.txt", std::nullopt, "player.txt: the file is missing"},
        {"bullet.txt", "TYPE\nCYLINDER\nPOSITION\nnot numbers\n", "bullet.txt:4"},
        {"textures/mi_newgame.tga", std::nullopt, "mi_newgame: the picture is missing"},
        {"textures/floortex.bmp", std::string("BM\x36\0\0\0", 6), "floortex.bmp"},
        {"sound/fire.wav", "RIFF garbled", nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        TempDir content;
        auto fresh = std::make_unique<Game>();
        Game& started = *fresh;
        started.services.window = &window;
        FakeGpu gpu;
        FakeAudio audio;
        started.services.gpu = &gpu;
        started.services.audio = &audio;
        started.paths = game.paths;
        LinkShippedContent(started, content);
        std::filesystem::remove(content.File(c.file));
        if (c.bytes) content.Write(c.file, *c.bytes);

        LoadSettings(started);
        if (c.fatal) {
            try {
                FinishStartUp(started);
                ADD_FAILURE() << "start-up went on";
            } catch (const WorldLoadError& error) {
                EXPECT_NE(std::string(error.what()).find(c.fatal), std::string::npos)
                    << error.what();
            }
            continue;
        }
        FinishStartUp(started);
        ShowStartupNotices(started);
        EXPECT_TRUE(started.menus.message.open);
        EXPECT_EQ(started.menus.message.message.label,
                  Say(kSoundsSilentPhrase, started.menus.language));
        EXPECT_TRUE(started.menus.message.detail.label.starts_with(content.File(c.file).string()));
        EXPECT_NE(dir.Read("log.txt").find(content.File(c.file).string()), std::string::npos);
    }
}

}  // namespace
