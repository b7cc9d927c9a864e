#include "title_scene.h"

#include <algorithm>
#include <cmath>

#include "noise.h"
#include "text.h"

Image TitleScene(int width, int height, TextPainter& text, const std::string& subtitle,
                 float glyphStretch) {
    const float horizon = height * 0.66f;
    Image image(width, height);
    image.Paint([&](float x, float y) {
        if (y < horizon) {
            float t = y / horizon;
            Color c = t < 0.6f ? Mix(Rgb(14, 12, 38), Rgb(92, 46, 96), t / 0.6f)
                               : Mix(Rgb(92, 46, 96), Rgb(236, 130, 64), (t - 0.6f) / 0.4f);
            if (HashUnit(int(x), int(y), 5) > 0.9975f && t < 0.5f)
                c = Mix(c, Rgb(255, 255, 240), 0.7f);
            float cloud = Fractal(x / (width / 6.0f), y / (height / 10.0f), 9, 4);
            return Mix(c, Rgb(60, 30, 60), std::clamp((cloud - 0.55f) * 3, 0.0f, 0.6f) * t);
        }
        // Floor: a grid in perspective toward a vanishing point on the horizon, sampled 4 x 4
        // times per pixel so the far lines do not break up into dots.
        float lit = 0;
        for (int sy = 0; sy < 4; ++sy) {
            for (int sx = 0; sx < 4; ++sx) {
                float px = x + (sx - 1.5f) / 4, py = y + (sy - 1.5f) / 4;
                float depth = std::max((py - horizon) / (height - horizon), 0.001f);
                float wx = (px - width / 2.0f) / (depth * width + 1) * 8, wz = 1 / (depth + 0.02f);
                lit += std::fmod(std::abs(wx) + 0.02f, 1.0f) < 0.04f + 0.02f * depth ||
                       std::fmod(wz, 1.0f) < 0.06f * depth + 0.02f;
            }
        }
        float depth = (y - horizon) / (height - horizon);
        Color c = Mix(Rgb(40, 26, 40), Rgb(22, 20, 30), depth);
        return Mix(c, Mix(c, Rgb(236, 130, 64), 0.5f * (1 - depth) + 0.15f), lit / 16);
    });
    // Pillars: upright cylinders, lit from the left, tallest toward the sides.
    const int count = 9;
    for (int i = 0; i < count; ++i) {
        float f = (i + 0.5f) / count;
        float cx = width * f, half = width * (0.018f + 0.02f * HashUnit(i, 0, 13));
        float top = horizon - height * (0.12f + 0.3f * std::pow(std::abs(f - 0.5f) * 2, 1.5f) +
                                        0.08f * HashUnit(i, 1, 13));
        float base = horizon + height * 0.02f * (1 + i % 3);
        image.PaintOver([&](float x, float y) {
            float across = (x - cx) / half;
            if (std::abs(across) > 1 || y < top - half * 0.3f || y > base) return Color{0, 0, 0, 0};
            float capY = (y - top) / (half * 0.3f);
            if (y < top + half * 0.3f && across * across + capY * capY > 1)
                return Color{0, 0, 0, 0};
            float light = 0.35f + 0.65f * std::clamp(0.6f - across * 0.7f, 0.0f, 1.0f);
            Color side = Scale(Rgb(88, 78, 92), light);
            if (y < top + half * 0.3f) side = Rgb(150, 110, 110);  // cap catching the sky
            return side;
        });
    }
    TextStyle title;
    title.size = height * 0.16f, title.widthScale = glyphStretch;
    title.color = Rgb(255, 214, 120), title.outline = height / 160.0f + 1,
    title.shadow = height / 120.0f;
    text.DrawCentred(image, "ZARNOK", width / 2.0f, height * 0.15f, title);
    TextStyle sub;
    sub.size = height * 0.045f, sub.widthScale = title.widthScale, sub.color = Rgb(240, 232, 255);
    sub.outline = 1.5f;
    text.DrawCentred(image, subtitle, width / 2.0f, height * 0.27f, sub);
    return image;
}
