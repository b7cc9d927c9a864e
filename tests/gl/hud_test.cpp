// The HUD read back from real GL frames over a plain-coloured arena: each group in its viewport,
// the reload bar, the statistics table, the team scores and the flag warnings.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "app/hud_words.h"
#include "platform/bitmap_font.h"
#include "render/hud_drawing.h"
#include "support/gl/plain_arena.h"

namespace {

// Tall enough that the 36 pixel digits stay clear of the reload bar above them.
constexpr int kWidth = 1024;
constexpr int kHeight = 1024;
constexpr uint32_t kNow = 100000;

bool IsWhite(Rgb p) {
    return p.r > 200 && p.g > 200 && p.b > 200;
}
bool IsYellow(Rgb p) {
    return p.r > 200 && p.g > 200 && p.b < 60;
}
bool IsOrange(Rgb p) {
    return SameColour(p, {204, 127, 0}, 6);
}
bool IsBlue(Rgb p) {
    return p.r < 40 && p.g < 40 && p.b > 200;
}
bool IsDarkRed(Rgb p) {
    return SameColour(p, {178, 0, 0}, 6);
}

// A rectangle in device coordinates of a viewport given in window pixels.
struct Area {
    int viewportX, viewportWidth;
    float x0, y0, x1, y1;  // bottom left, top right
};

class HudTest : public testing::Test {
  protected:
    HudTest() {
        arena.Load(harness, {{60, 0, 60, 0.5f, 0.5f}});
        harness.AddPlayer({0, 1.2f, 0}, 0, "SEAT");  // still, so frames can be compared
        harness.ShowHud(hud);
    }

    static Area Left(float x0, float y0, float x1, float y1) {
        return {0, kWidth / 2, x0, y0, x1, y1};
    }
    static Area Right(float x0, float y0, float x1, float y1) {
        return {kWidth / 2, kWidth / 2, x0, y0, x1, y1};
    }
    static HudInput EnglishHud() {
        HudInput hud;
        hud.texts = HudTextsIn(Language::kEnglish);
        return hud;
    }
    static Area Window(float x0, float y0, float x1, float y1) {
        return {0, kWidth, x0, y0, x1, y1};
    }

    std::vector<Rgb> Read(const Area& area) const {
        const auto px = [&](float x) {
            return area.viewportX + static_cast<int>((x + 1) / 2 * area.viewportWidth);
        };
        const auto py = [](float y) { return static_cast<int>((y + 1) / 2 * kHeight); };
        const int x = px(area.x0), y = py(area.y0);
        return harness.Colours(x, y, px(area.x1) - x, py(area.y1) - y);
    }
    size_t Count(const Area& area, const std::function<bool(Rgb)>& test) const {
        const auto pixels = Read(area);
        return static_cast<size_t>(std::count_if(pixels.begin(), pixels.end(), test));
    }

    RenderHarness harness{kWidth, kHeight};
    PlainArena arena;
    HudInput hud = EnglishHud();
    std::vector<std::string> lines = {"Ann killed Bob", "Cid joined the game"};
};

TEST_F(HudTest, SplitViewPutsThePlayerGroupLeftAndTheAmmunitionRight) {
    const Area leftCorner = Left(0.3f, -0.95f, 1, -0.75f);
    harness.hud = nullptr;
    harness.DrawSplit(kNow);
    const auto withoutHud = Read(leftCorner);
    harness.hud = &hud;
    hud.messageLines = lines;
    hud.kills = 7;
    harness.DrawSplit(kNow);
    // "Kills 7" and the message lines in the side (left) half only.
    EXPECT_GT(Count(Left(-0.9f, 0.9f, -0.3f, 0.98f), IsWhite), 20u);
    EXPECT_EQ(Count(Right(-0.9f, 0.9f, -0.3f, 0.98f), IsWhite), 0u);
    EXPECT_GT(Count(Left(-0.97f, 0.65f, -0.3f, 0.75f), IsYellow), 20u);
    EXPECT_EQ(Count(Right(-0.97f, 0.6f, -0.3f, 0.75f), IsYellow), 0u);
    // The rounds left and the spare magazines in the top (right) half, next to their icons.
    EXPECT_GT(Count(Right(0.65f, -0.9f, 0.95f, -0.82f), IsWhite), 20u);
    EXPECT_GT(Count(Right(0.45f, -0.9f, 0.51f, -0.82f), IsWhite), 5u);
    EXPECT_EQ(Read(leftCorner), withoutHud);
    // The icons are pictures: the bullet shows brass where the quad is.
    EXPECT_GT(Count(Right(0.52f, -0.9f, 0.63f, -0.83f),
                    [](Rgb p) { return p.r > 150 && p.g > 100 && p.b < 120; }),
              10u);
}

// The message lines are drawn before the top view: the cylinder caps it shows keep their colour.
TEST_F(HudTest, TheTopViewKeepsItsColoursUnderAMessageLine) {
    arena.Load(harness, {{3, 0, -8, 3, 1}});
    harness.AddPlayer({0, 1.2f, 0}, 0, "SEAT");
    harness.ShowHud(hud);
    const Area topView = Right(-0.9f, -0.9f, 0.9f, 0.6f);
    harness.DrawSplit(kNow);
    const auto plain = Read(topView);
    ASSERT_GT(Count(topView, [](Rgb p) { return p.b > p.r + 40; }), 500u);  // the blue cap
    hud.messageLines = lines;
    for (int frame = 0; frame < 2; ++frame) {
        harness.DrawSplit(kNow);
        EXPECT_TRUE(Read(topView) == plain) << "frame " << frame;
    }
}

TEST_F(HudTest, ChaseViewSpreadsTheGroupsOverTheWholeWindow) {
    hud.messageLines = lines;
    harness.DrawChase(kNow);
    EXPECT_GT(Count(Window(-0.97f, 0.65f, -0.5f, 0.75f), IsYellow), 20u);
    EXPECT_GT(Count(Window(0.65f, -0.9f, 0.95f, -0.82f), IsWhite), 20u);
    EXPECT_GT(Count(Window(-0.9f, 0.9f, -0.6f, 0.98f), IsWhite), 20u);
}

TEST_F(HudTest, ReloadBarGrowsWithTimeAndDisappearsWhenTheReloadEnds) {
    const Area bar = Right(0.5f, -0.81f, 0.8f, -0.75f);
    hud.weapon.reloadStart = kNow;
    hud.weapon.reloadDuration = 1000;
    std::vector<size_t> orange;
    for (uint32_t elapsed : {100u, 500u, 900u, 1000u, 5000u}) {
        harness.DrawSplit(kNow + elapsed);
        orange.push_back(Count(bar, IsOrange));
    }
    EXPECT_GT(orange[0], 0u);
    EXPECT_GT(orange[1], orange[0] * 3);
    EXPECT_GT(orange[2], orange[1]);
    EXPECT_GT(orange[3], orange[2]);
    EXPECT_EQ(orange[4], orange[3]);  // full: the bar never runs past its outline
    const size_t outline = Count(bar, IsWhite);
    EXPECT_GT(outline, 40u);

    hud.weapon.reloadDuration = 0;  // the weapon finished the reload
    harness.DrawSplit(kNow + 1100);
    EXPECT_EQ(Count(bar, IsOrange), 0u);
    EXPECT_EQ(Count(bar, IsWhite), 0u);
}

TEST_F(HudTest, StatisticsAppearWithTabAndStayOnceTheGameIsOver) {
    std::vector<tplayerinfo> players(2);
    players[0].name.Assign("Ann");
    players[1].name.Assign("Bob");
    players[1].team = 1;
    hud.players = players;
    const Area title = Window(-0.2f, 0.44f, 0.3f, 0.52f);
    const Area blueRows = Window(-0.47f, 0.33f, -0.3f, 0.39f);
    const Area panel = Window(-0.45f, -0.45f, -0.35f, -0.35f);

    harness.DrawSplit(kNow);
    EXPECT_EQ(Count(title, IsWhite), 0u);
    const auto plain = Read(panel);

    hud.statisticsKey = true;
    harness.DrawSplit(kNow);
    EXPECT_GT(Count(title, IsWhite), 30u);
    EXPECT_GT(Count(blueRows, [](Rgb p) { return p.b > 200 && p.b > p.r + 60; }), 10u);
    // The see-through panel tints what lies under it, dark under the white headers.
    const auto shaded = Read(panel);
    ASSERT_EQ(shaded.size(), plain.size());
    for (size_t i = 0; i < plain.size(); i += 17) {
        const int change = std::abs(shaded[i].r - plain[i].r) + std::abs(shaded[i].g - plain[i].g) +
                           std::abs(shaded[i].b - plain[i].b);
        EXPECT_GT(change, 60) << i;
        EXPECT_LT(shaded[i].r + shaded[i].g + shaded[i].b, 3 * 90) << i;
    }

    hud.statisticsKey = false;
    hud.gameOver = true;
    harness.DrawChase(kNow);
    EXPECT_GT(Count(title, IsWhite), 30u);
}

TEST_F(HudTest, TeamIconsAndScoresOnlyInTeamGames) {
    const Area icons = Window(-0.1f, 0.87f, 0.1f, 0.97f);
    const Area blueScore = Window(-0.16f, 0.88f, -0.1f, 0.99f);
    const auto changed = [&](const std::vector<Rgb>& before) {
        const auto after = Read(icons);
        size_t differ = 0;
        for (size_t i = 0; i < after.size(); ++i) differ += after[i] == before[i] ? 0 : 1;
        return differ;
    };
    hud.blueScore = 3;
    hud.gameType = kDeathMatch;
    harness.DrawSplit(kNow);
    EXPECT_EQ(Count(blueScore, IsBlue), 0u);
    const auto bare = Read(icons);

    hud.gameType = kTeamDeathMatch;
    harness.DrawSplit(kNow);
    EXPECT_GT(Count(blueScore, IsBlue), 10u);
    EXPECT_GT(changed(bare), bare.size() / 4);
    const auto teamIcons = Read(icons);

    hud.gameType = kCaptureTheFlag;
    harness.DrawSplit(kNow);
    EXPECT_GT(Count(blueScore, IsBlue), 10u);
    EXPECT_GT(changed(teamIcons), 20u);  // flags instead of the team shields
}

TEST_F(HudTest, FlagWarningsBlinkOnlyForTheTeamThatLostItsFlagInCaptureTheFlag) {
    const Area blueWarning = Window(-0.5f, 0.69f, -0.1f, 0.77f);
    const Area redWarning = Window(-0.2f, 0.79f, 0.2f, 0.87f);
    hud.gameType = kCaptureTheFlag;
    hud.blueFlagTaken = true;
    hud.redFlagTaken = true;
    hud.team = 0;
    hud.blinkOn = true;
    harness.DrawSplit(kNow);
    EXPECT_GT(Count(blueWarning, IsWhite), 30u);
    EXPECT_EQ(Count(redWarning, IsDarkRed), 0u);

    hud.blinkOn = false;
    harness.DrawSplit(kNow);
    EXPECT_EQ(Count(blueWarning, IsWhite), 0u);

    hud.blinkOn = true;
    hud.team = 1;
    harness.DrawSplit(kNow);
    EXPECT_EQ(Count(blueWarning, IsWhite), 0u);
    EXPECT_GT(Count(redWarning, IsDarkRed), 30u);

    hud.team = 0;
    hud.gameType = kTeamDeathMatch;
    harness.DrawSplit(kNow);
    EXPECT_EQ(Count(blueWarning, IsWhite), 0u);
}

TEST_F(HudTest, WinnerAndLostConnectionAreAnnounced) {
    const Area winner = Window(-0.4f, 0.59f, 0.1f, 0.67f);
    hud.winnerLine = "Red team is the winner";
    harness.DrawSplit(kNow);
    EXPECT_EQ(Count(winner, IsWhite), 0u);  // only once the level is over
    hud.gameOver = true;
    harness.DrawSplit(kNow);
    EXPECT_GT(Count(winner, IsWhite), 30u);

    hud.gameOver = false;
    hud.connected = false;
    harness.DrawSplit(kNow);
    EXPECT_GT(Count(Window(-0.5f, 0.59f, 0.1f, 0.67f), IsWhite), 30u);
}

// The glBitmap text the HUD drew before it drew glyph quads: the edge copy one pixel down and
// right, then the text, from the font's display lists.
void DrawBitmapText(const BitmapFont& font, float x, float y, std::string_view text, float shade,
                    HudColour colour) {
    glColor3f(shade, shade, shade);
    glRasterPos2f(x, y);
    glBitmap(0, 0, 0, 0, 1, -1, nullptr);
    glListBase(font.ListBase());
    glCallLists(static_cast<GLsizei>(text.size()), GL_UNSIGNED_BYTE, text.data());
    glColor3f(colour.r, colour.g, colour.b);
    DrawText(font.ListBase(), x, y, text);
}

TEST_F(HudTest, TextSetsTheSamePixelsAsTheFontsBitmaps) {
    const auto frame = [&](const std::function<void()>& draw) {
        glClearColor(0.2f, 0.5f, 0.3f, 1);
        glClear(GL_COLOR_BUFFER_BIT);
        const HudLayer layer;
        draw();
        glFinish();
        return harness.Pixels(0, 0, kWidth, kHeight, GL_RGB);
    };
    // "Deaths 3", a Cyrillic name and the punctuation of a message line, in both fonts, at
    // positions that fall between pixels, in the left and the right half of the window.
    const std::string lines[] = {"Deaths 3", "\xC7\xE0\xF0\xED\xEE\xEA killed Bob!",
                                 "[x] {y}, 17%"};
    const BitmapFont* small = harness.renderer.smallFont;
    for (const BitmapFont* font : {small, harness.renderer.largeFont}) {
        for (const int viewportX : {0, kWidth / 2}) {
            glViewport(viewportX, 0, kWidth / 2, kHeight);
            for (const HudColour colour : {kHudWhite, kHudBlue}) {
                const float shade = colour.b == 1 && colour.r == 0 ? 0.9f : 0.0f;
                const auto quads = frame([&] {
                    float y = 0.9f;
                    for (const std::string& line : lines) {
                        DrawHudText(font, -0.97f, y, line, colour);
                        DrawHudText(font, 0.123f, y - 0.0371f, line, colour);
                        y -= 0.2f;
                    }
                });
                const auto bitmaps = frame([&] {
                    float y = 0.9f;
                    for (const std::string& line : lines) {
                        DrawBitmapText(*font, -0.97f, y, line, shade, colour);
                        DrawBitmapText(*font, 0.123f, y - 0.0371f, line, shade, colour);
                        y -= 0.2f;
                    }
                });
                EXPECT_TRUE(quads == bitmaps) << "font of " << (font == small ? 18 : 36)
                                              << " pixels, viewport at " << viewportX;
            }
        }
    }
}

}  // namespace
