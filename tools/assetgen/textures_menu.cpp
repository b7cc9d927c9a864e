// Menu entries with their captions, the highlight bar, buttons, edit boxes, screen panels, HUD
// icons, the statistics background, the menu background and the loading picture. The pictures
// with words come twice: in English under their plain names, in Russian with "_ru" added.
// Menu entries are drawn 0.4 x 0.1 of the window (about 6:1 on common screens) from 8:1 pictures,
// so their captions are drawn wider than they should look.
#include <cmath>

#include "noise.h"
#include "text.h"
#include "texture_set.h"
#include "title_scene.h"

namespace {

constexpr float kPi = 3.14159265f;

Image MenuEntry(TextPainter& text, const std::string& caption) {
    Image image(512, 64);
    TextStyle style;
    style.size = 44, style.widthScale = 1.3f, style.color = Rgb(255, 238, 204);
    style.outline = 2.5f, style.outlineColor = {0.08f, 0.05f, 0.1f, 0.9f};
    text.DrawCentred(image, caption, 256, 32, style);
    return image;
}

Image HighlightBar(Color glow, float strength) {
    Image image(512, 64);
    image.Paint([&](float x, float y) {
        float across = std::abs(x - 256) / 256, up = std::abs(y - 32) / 32;
        float fade = std::clamp((1 - across) * 4, 0.0f, 1.0f);
        Color c = Mix(glow, Scale(glow, 0.45f), up);
        c.a = strength * fade * (0.55f + 0.45f * (1 - up));
        if (up > 0.86f) c.a = fade;  // thin bright rails above and below
        return c;
    });
    return image;
}

Image Button(bool pressed) {
    Image image(128, 32);
    Color top = pressed ? Rgb(30, 38, 60) : Rgb(84, 110, 160);
    Color bottom = pressed ? Rgb(54, 70, 104) : Rgb(34, 44, 74);
    image.Paint([&](float x, float y) {
        Color c = RoundRectCoverage(x, y, 2, 2, 126, 30, 6) > 0.5f ? Mix(top, bottom, y / 32)
                                                                   : Rgb(12, 16, 28);
        c.a = RoundRectCoverage(x, y, 0, 0, 128, 32, 8);
        return c;
    });
    float rail = pressed ? 28.5f : 3.5f;  // the lit edge: top when up, bottom when pressed
    image.DrawLine(8, rail, 120, rail, 1, Rgb(170, 200, 240, 0.7f));
    return image;
}

Image EditBox(bool active) {
    Image image(256, 32);
    Color border = active ? Rgb(255, 190, 80) : Rgb(90, 104, 130);
    image.FillRoundRect(0, 0, 256, 32, 5, border);
    image.FillRoundRect(2, 2, 254, 30, 4, Rgb(10, 14, 24, 0.94f));
    image.FillRect(3, 3, 253, 6, Rgb(0, 0, 0, 0.5f));  // inset shadow
    return image;
}

Image Panel() {
    Image image(256, 256);
    image.Paint([&](float x, float y) {
        Color fill = Mix(Rgb(30, 40, 70), Rgb(14, 18, 32), y / 256);
        float border = RoundRectCoverage(x, y, 6, 6, 250, 250, 10) -
                       RoundRectCoverage(x, y, 8, 8, 248, 248, 8);
        Color c = Mix(fill, Rgb(110, 150, 220), border);
        c.a = 0.97f * RoundRectCoverage(x, y, 0, 0, 256, 256, 14);
        return c;
    });
    return image;
}

// Drawn over the running game under the statistics text: dark enough that the white captions
// and the light team rows read well over a bright sky, yet the game still shows through.
Image StatisticsBackground() {
    Image image(128, 128);
    image.Paint([&](float x, float y) {
        float rim =
            RoundRectCoverage(x, y, 0, 0, 128, 128, 8) - RoundRectCoverage(x, y, 3, 3, 125, 125, 6);
        Color c = Mix(Mix(Rgb(22, 28, 44), Rgb(10, 12, 22), y / 128), Rgb(110, 150, 220), rim);
        c.a = RoundRectCoverage(x, y, 0, 0, 128, 128, 8) * 0.8f;
        return c;
    });
    return image;
}

// The ammunition icons sit on any floor: a dark edge keeps them apart from it.
constexpr Color kIconEdge = {0.04f, 0.04f, 0.06f, 0.85f};

Image BulletIcon() {
    Image image(128, 64);
    for (int i = 0; i < 3; ++i) {
        float x = 18 + i * 36;
        image.FillRoundRect(x - 2.5f, 8, x + 24.5f, 59, 5, kIconEdge);
        image.FillRoundRect(x, 22, x + 22, 56, 3, Rgb(206, 164, 64));    // brass case
        image.FillRect(x + 2, 22, x + 6, 56, Rgb(240, 210, 120, 0.7f));  // shine
        image.FillEllipse(x + 11, 20, 10, 13, Rgb(186, 104, 60));        // copper tip
        image.FillRect(x, 50, x + 22, 53, Rgb(120, 90, 40));             // rim groove
    }
    return image;
}

Image MagazineIcon() {
    Image image(128, 64);
    image.FillPolygon({33, 1, 87, 1, 101, 63, 47, 63}, kIconEdge);
    image.FillPolygon({38, 5, 83, 5, 96, 59, 51, 59}, Rgb(150, 158, 172));
    image.FillPolygon({42, 10, 79, 10, 91, 55, 55, 55}, Rgb(88, 96, 110));
    image.FillRoundRect(40, 2, 81, 11, 2, Rgb(214, 172, 70));  // the top round
    for (int i = 0; i < 4; ++i)
        image.FillRect(52 + i * 2.4f, 19 + i * 9, 82 + i * 2.4f, 22 + i * 9, Rgb(44, 48, 56));
    return image;
}

Image FlagIcon(Color cloth) {
    Image image(64, 64);
    image.FillRoundRect(12, 4, 17, 60, 2, Rgb(210, 214, 222));
    image.FillPolygon({17, 8, 58, 12, 50, 24, 58, 36, 17, 34}, cloth);
    image.FillPolygon({17, 8, 58, 12, 55, 16, 17, 14}, Scale(cloth, 1.3f));
    return image;
}

Image TeamIcon(Color paint) {
    Image image(64, 64);
    std::vector<float> shield = {8, 6, 56, 6, 56, 30, 32, 60, 8, 30};
    image.FillPolygon(shield, Rgb(230, 232, 240));
    std::vector<float> inner = {12, 10, 52, 10, 52, 29, 32, 54, 12, 29};
    image.FillPolygon(inner, paint);
    image.FillEllipse(32, 27, 9, 9, Rgb(240, 240, 245));
    return image;
}

// The loading picture is drawn with a 5:4 shape, so captions are squeezed by 1.25.
Image LoadingPicture(TextPainter& text, const char* caption) {
    Image image(256, 256);
    image.Paint([&](float x, float y) {
        float r = std::hypot((x - 128) / 1.0f, y - 110) / 128;
        Color c = Mix(Rgb(60, 40, 80), Rgb(6, 6, 14), std::clamp(r, 0.0f, 1.0f));
        return c;
    });
    for (int i = 0; i < 12; ++i) {  // a ring of pillars seen from above
        float a = i * 2 * kPi / 12;
        image.FillEllipse(128 + 70 * std::cos(a) / 1.25f, 104 + 70 * std::sin(a), 9 / 1.25f, 9,
                          Mix(Rgb(236, 130, 64), Rgb(255, 214, 120), i / 12.0f));
    }
    image.FillEllipse(128, 104, 26 / 1.25f, 26, Rgb(255, 214, 120));
    TextStyle style;
    style.size = 30, style.widthScale = 0.8f, style.color = Rgb(255, 238, 204),
    style.outline = 1.5f;
    text.DrawCentred(image, caption, 128, 212, style);
    return image;
}

// The words of the worded pictures in one language, and the ending of their names.
struct Captions {
    std::string suffix;
    const char* newGame;
    const char* lanGame;
    const char* options;
    const char* exit;
    const char* resume;
    const char* subtitle;
    const char* loading;
};

const Captions kEnglish{
    "",          "New game", "LAN game", "Options", "Exit", "Continue", "arena shooter for the LAN",
    "Loading..."};
const Captions kRussian{"_ru",
                        "Новая игра",
                        "Сетевая игра",
                        "Настройки",
                        "Выход",
                        "Продолжить",
                        "арена-шутер для локальной сети",
                        "Загрузка..."};

void AddWordedPictures(std::vector<TextureFile>& out, TextPainter& text, const Captions& words) {
    const std::pair<const char*, const char*> entries[] = {{"mi_newgame", words.newGame},
                                                           {"mi_langame", words.lanGame},
                                                           {"mi_options", words.options},
                                                           {"mi_exit", words.exit},
                                                           {"mi_continue", words.resume}};
    for (const auto& [name, caption] : entries)
        out.push_back({name + words.suffix, MenuEntry(text, caption), true});
    out.push_back({"gamelogo" + words.suffix, TitleScene(1024, 512, text, words.subtitle, 1.12f)});
    out.push_back({"loadlogo" + words.suffix, LoadingPicture(text, words.loading)});
}

}  // namespace

std::vector<TextureFile> MenuTextures(TextPainter& text) {
    std::vector<TextureFile> out;
    AddWordedPictures(out, text, kEnglish);
    out.push_back({"mi_curs", HighlightBar(Rgb(236, 120, 40), 0.55f), true});
    out.push_back({"mi_curs1", HighlightBar(Rgb(255, 200, 70), 0.85f), true});
    out.push_back({"mi_btnup", Button(false), true});
    out.push_back({"mi_btndown", Button(true), true});
    out.push_back({"mi_edit", EditBox(false), true});
    out.push_back({"mi_edita", EditBox(true), true});
    out.push_back({"mi_bk1", Panel(), true});
    out.push_back({"tra_bk", StatisticsBackground(), true});
    out.push_back({"mi_hud_bullet", BulletIcon(), true});
    out.push_back({"mi_hud_charger", MagazineIcon(), true});
    out.push_back({"mi_hud_blueflag", FlagIcon(Rgb(40, 90, 230)), true});
    out.push_back({"mi_hud_redflag", FlagIcon(Rgb(225, 45, 35)), true});
    out.push_back({"mi_hud_blueteam", TeamIcon(Rgb(40, 90, 230)), true});
    out.push_back({"mi_hud_redteam", TeamIcon(Rgb(225, 45, 35)), true});
    AddWordedPictures(out, text, kRussian);
    return out;
}
