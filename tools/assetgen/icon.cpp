#include "icon.h"

#include <cmath>

#include "text.h"

Image GameIcon(int size, TextPainter& text) {
    const float s = static_cast<float>(size);
    const float horizon = s * 0.68f, corner = s * 0.18f, inset = s * 0.03f;
    Image tile(size, size);
    tile.Paint([&](float x, float y) {
        const float coverage = RoundRectCoverage(x, y, inset, inset, s - inset, s - inset, corner);
        Color c = y < horizon
                      ? Mix(Rgb(22, 16, 52), Rgb(238, 128, 60), y / horizon)
                      : Mix(Rgb(58, 34, 50), Rgb(26, 22, 34), (y - horizon) / (s - horizon));
        c.a = coverage;
        return c;
    });
    // Three upright pillars, lit from the left, the middle one farthest away.
    const float pillars[3][3] = {
        {0.22f, 0.085f, 0.30f}, {0.5f, 0.05f, 0.5f}, {0.78f, 0.085f, 0.30f}};
    for (const auto& pillar : pillars) {
        const float cx = s * pillar[0], half = s * pillar[1], top = s * pillar[2];
        const float base = horizon + half * 0.6f, cap = half * 0.35f;
        tile.PaintOver([&](float x, float y) {
            const float across = (x - cx) / half;
            if (std::abs(across) > 1 || y < top - cap || y > base) return Color{0, 0, 0, 0};
            const float capY = (y - top) / cap;
            if (y < top + cap && across * across + capY * capY > 1) return Color{0, 0, 0, 0};
            if (y < top + cap) return Rgb(236, 176, 150);
            return Scale(Rgb(120, 104, 124), 0.35f + 0.65f * std::fmax(0.0f, 0.6f - across * 0.7f));
        });
    }
    // A bullet crossing the arena, its trail fading behind it.
    tile.DrawLine(s * 0.14f, s * 0.80f, s * 0.70f, s * 0.58f, s * 0.025f, Rgb(255, 230, 150, 0.6f));
    tile.FillEllipse(s * 0.72f, s * 0.575f, s * 0.04f, s * 0.04f, Rgb(255, 250, 220));
    TextStyle letter;
    letter.size = s * 0.5f;
    letter.color = Rgb(255, 214, 120);
    letter.outline = s / 40.0f;
    letter.shadow = s / 50.0f;
    text.DrawCentred(tile, "Z", s / 2, s * 0.36f, letter);
    return tile;
}
