// Floors, skies, cylinder caps and sides, the charger, the flags and the bullet tracer.
// Floors and cylinder sides tile in both directions; skies wrap horizontally.
#include <cmath>

#include "noise.h"
#include "text.h"
#include "texture_set.h"

namespace {

constexpr float kPi = 3.14159265f;

// Shades a base colour by tileable fractal noise: amount 0.2 gives +-10 %.
Color Grain(Color base, float x, float y, float cell, uint32_t seed, int size, float amount) {
    int period = static_cast<int>(size / cell);
    float n = Fractal(x / cell, y / cell, seed, 4, period);
    return Scale(base, 1 + (n - 0.5f) * amount * 2);
}

Image StoneTiles() {
    const int size = 256, tile = 64;
    Image image(size, size);
    image.Paint([&](float x, float y) {
        int tx = static_cast<int>(x) / tile, ty = static_cast<int>(y) / tile;
        float shade = 0.9f + 0.2f * HashUnit(tx, ty, 11);
        Color base = Scale(Rgb(96, 102, 112), shade);
        Color c = Grain(base, x, y, 16, 3, size, 0.25f);
        float gx = std::fmod(x, float(tile)), gy = std::fmod(y, float(tile));
        float edge = std::min(std::min(gx, tile - gx), std::min(gy, tile - gy));
        if (edge < 2.5f) return Rgb(52, 55, 60);              // grout
        if (edge < 5) return Scale(c, 0.85f + 0.03f * edge);  // bevel
        if (gx < 12 && gy < 12) return Scale(c, 1.08f);       // worn corner
        return c;
    });
    return image;
}

Image Sand() {
    const int size = 256;
    Image image(size, size);
    image.Paint([&](float x, float y) {
        Color c = Grain(Rgb(176, 152, 108), x, y, 32, 5, size, 0.3f);
        float ripple = std::sin((y + 8 * Fractal(x / 32, y / 32, 6, 2, 8)) * 2 * kPi / 32);
        return Scale(c, 1 + 0.04f * ripple);
    });
    for (int i = 0; i < 60; ++i) {  // pebbles, drawn again across the edges so the tile wraps
        float px = HashUnit(i, 0, 7) * size, py = HashUnit(i, 1, 7) * size;
        float r = 1.5f + 3 * HashUnit(i, 2, 7);
        Color c = Scale(Rgb(120, 105, 85), 0.8f + 0.5f * HashUnit(i, 3, 7));
        for (int wx = -1; wx <= 1; ++wx)
            for (int wy = -1; wy <= 1; ++wy)
                image.FillEllipse(px + wx * size, py + wy * size, r * 1.3f, r, c);
    }
    return image;
}

Image MetalPlates() {
    const int size = 256, plate = 128;
    Image image(size, size);
    image.Paint([&](float x, float y) {
        Color c = Grain(Rgb(118, 124, 130), x, y, 8, 9, size, 0.12f);
        // Diamond tread: raised lozenges in a lattice.
        float u = std::fmod(x + y, 16.0f) - 8, v = std::fmod(x - y + 256, 16.0f) - 8;
        if (std::abs(u) < 2 && std::abs(v) < 6) c = Scale(c, 1.18f);
        float gx = std::fmod(x, float(plate)), gy = std::fmod(y, float(plate));
        float edge = std::min(std::min(gx, plate - gx), std::min(gy, plate - gy));
        if (edge < 1.5f) return Rgb(40, 42, 46);
        if (edge < 4) return Scale(c, 1.15f);
        return c;
    });
    for (int px = 0; px < size; px += plate)
        for (int py = 0; py < size; py += plate)
            for (float ox : {8.0f, plate - 8.0f})
                for (float oy : {8.0f, plate - 8.0f}) {
                    image.FillEllipse(px + ox, py + oy, 3.5f, 3.5f, Rgb(70, 72, 78));
                    image.FillEllipse(px + ox - 0.8f, py + oy - 0.8f, 1.8f, 1.8f,
                                      Rgb(170, 175, 180));
                }
    return image;
}

struct SkyColors {
    Color top, middle, horizon, cloud;
    float cloudiness;
    bool stars;
};

Image Sky(const SkyColors& sky, uint32_t seed) {
    const int width = 512, height = 256;
    Image image(width, height);
    image.Paint([&](float x, float y) {
        float t = y / height;
        Color c =
            t < 0.5f ? Mix(sky.top, sky.middle, t * 2) : Mix(sky.middle, sky.horizon, t * 2 - 1);
        if (sky.stars && t < 0.45f && HashUnit(int(x), int(y), seed + 1) > 0.996f)
            c = Mix(c, Rgb(255, 250, 230), 0.8f - t);
        // Clouds: fractal noise that wraps every 512 pixels, thicker in the middle band.
        float n = Fractal(x / 64, y / 40, seed, 5, 8);
        float band = std::exp(-std::pow((t - 0.55f) / 0.3f, 2));
        float cover = std::clamp((n - 0.5f + sky.cloudiness) * 3 * band, 0.0f, 1.0f);
        Color cloud =
            Mix(sky.cloud, Scale(sky.cloud, 0.75f), std::clamp((n - 0.45f) * 4, 0.0f, 1.0f));
        return Mix(c, cloud, cover * 0.85f);
    });
    return image;
}

// The cap is seen through a disc mapping: the picture's inscribed circle covers the top.
Image Cap(Color base, Color rim, uint32_t seed) {
    const int size = 256;
    Image image(size, size);
    image.Paint([&](float x, float y) {
        float dx = x - 128, dy = y - 128, r = std::sqrt(dx * dx + dy * dy) / 128;
        float a = std::atan2(dy, dx);
        Color c = Grain(base, x, y, 16, seed, size, 0.25f);
        if (r > 0.9f) return Scale(rim, 0.8f + 0.1f * std::sin(a * 40));
        if (r > 0.86f) return Scale(rim, 0.55f);
        if (std::abs(r - 0.55f) < 0.015f) return Scale(c, 0.7f);
        if (r < 0.12f) return Mix(c, rim, 0.5f);
        if (std::fmod(a + kPi, kPi / 4) < 0.02f && r > 0.55f) return Scale(c, 0.8f);
        return c;
    });
    for (int i = 0; i < 12; ++i) {
        float a = i * 2 * kPi / 12;
        image.FillEllipse(128 + 100 * std::cos(a), 128 + 100 * std::sin(a), 4, 4, Scale(rim, 0.5f));
    }
    return image;
}

// Concrete panels in courses; the picture tiles both ways, since sides repeat around and up.
Image PanelSide(Color base, Color accent, uint32_t seed) {
    const int size = 256;
    Image image(size, size);
    image.Paint([&](float x, float y) {
        Color c = Grain(base, x, y, 16, seed, size, 0.22f);
        int course = static_cast<int>(y) / 64;
        float gx = std::fmod(x + (course % 2) * 64, 128.0f), gy = std::fmod(y, 64.0f);
        c = Scale(c, 0.94f + 0.12f * HashUnit(int(std::fmod(x + (course % 2) * 64, 256.0f)) / 128,
                                              course, seed));
        if (gy < 2 || gx < 2) return Scale(base, 0.45f);
        if (gy > 26 && gy < 34) return Grain(accent, x, y, 8, seed + 1, size, 0.15f);
        if (gy < 5 || gx < 5) return Scale(c, 1.12f);
        return c;
    });
    return image;
}

Image StoneSide() {
    const int size = 256, course = 32;
    Image image(size, size);
    image.Paint([&](float x, float y) {
        int row = static_cast<int>(y) / course;
        // Block widths of 32 or 64 from a hash; rows shifted against each other.
        float shift = HashUnit(row, 0, 21) * 64;
        float sx = std::fmod(x + shift, float(size));
        int block = static_cast<int>(sx) / 32;
        float start = block * 32.0f;
        if (block % 2 == 1 && HashUnit(block - 1, row, 22) > 0.5f) start -= 32;
        float gx = sx - start, gy = std::fmod(y, float(course));
        Color base = Scale(Rgb(128, 118, 104), 0.85f + 0.3f * HashUnit(int(start), row, 23));
        Color c = Grain(base, x, y, 8, 24, size, 0.35f);
        if (gx < 2.5f || gy < 2.5f) return Rgb(62, 58, 52);
        if (gy > course - 5) return Scale(c, 0.8f);
        return c;
    });
    return image;
}

Image MetalSide() {
    const int size = 256;
    Image image(size, size);
    image.Paint([&](float x, float y) {
        // Brushed steel: noise stretched along x.
        float n = Fractal(x / 64, y / 2, 31, 3, 4);
        Color c = Scale(Rgb(140, 146, 154), 0.85f + 0.3f * n);
        float gy = std::fmod(y, 128.0f);
        if (gy < 20) {  // hazard band
            bool stripe = std::fmod(x + y + 512, 32.0f) < 16;
            return stripe ? Rgb(230, 180, 30) : Rgb(35, 35, 35);
        }
        if (gy < 23 || gy > 125) return Rgb(70, 72, 76);
        return c;
    });
    for (int x = 16; x < size; x += 64)
        for (int y : {32, 116}) image.FillEllipse(x, y, 3, 3, Rgb(80, 82, 88));
    return image;
}

Image ChargerSide(TextPainter& text) {
    // Four faces: each shows half the picture, so the label appears in both halves. Around a
    // cylinder the picture runs right to left as seen from outside, so it is drawn mirrored.
    Image image(128, 128);
    image.Paint([&](float x, float y) {
        Color c = Grain(Rgb(92, 112, 58), x, y, 8, 41, 128, 0.2f);
        float gx = std::fmod(x, 64.0f);
        if (gx < 3 || gx > 61 || y < 6 || y > 122) return Rgb(60, 70, 40);
        if (y > 88 && y < 100) return Rgb(225, 190, 40);
        return c;
    });
    TextStyle style;
    style.size = 20, style.widthScale = 0.85f, style.color = Rgb(240, 225, 150);
    for (float cx : {32.0f, 96.0f}) text.DrawCentred(image, "AMMO", cx, 56, style);
    return image.MirroredX();
}

Image ChargerCap() {
    Image image(128, 128, Rgb(92, 112, 58));
    image.FillEllipse(64, 64, 60, 60, Rgb(225, 190, 40));
    image.FillEllipse(64, 64, 50, 50, Rgb(70, 84, 44));
    // A cartridge seen from above: brass ring and a copper tip.
    image.FillEllipse(64, 64, 24, 24, Rgb(200, 160, 70));
    image.FillEllipse(64, 64, 14, 14, Rgb(184, 100, 60));
    return image;
}

Image FlagStick() {
    // The stick's quads show texture row 0 at the bottom of the stick.
    Image image(32, 128);
    image.Paint([&](float x, float y) {
        float across = std::sin(x / 32 * kPi);
        Color metal = Scale(Rgb(170, 176, 186), 0.55f + 0.55f * across);
        if (y > 112) return Scale(Rgb(230, 190, 70), 0.6f + 0.5f * across);  // gilded top
        if (std::fmod(y, 32.0f) < 3) return Scale(metal, 0.7f);
        return metal;
    });
    return image;
}

Image FlagCloth(Color cloth) {
    Image image(128, 64);
    image.Paint([&](float x, float y) {
        float wave = 0.85f + 0.15f * std::sin(x / 128 * 3 * 2 * kPi + y / 64);
        Color c = Scale(Grain(cloth, x, y, 8, 51, 128, 0.08f), wave);
        if (x > 120) return Scale(c, 0.7f);  // hem
        return c;
    });
    // A five-pointed star; the emblem is symmetric so either cloth side reads the same.
    std::vector<float> star;
    for (int i = 0; i < 10; ++i) {
        float a = -kPi / 2 + i * kPi / 5, r = i % 2 ? 9.5f : 22.0f;
        star.push_back(58 + r * std::cos(a)), star.push_back(32 + r * std::sin(a));
    }
    image.FillPolygon(star, Rgb(245, 245, 240));
    return image;
}

Image Tracer() {
    Image image(32, 32);
    image.Paint([&](float x, float y) {
        float r = std::hypot(x - 16, y - 16) / 16;
        return Mix(Rgb(255, 252, 220), Rgb(255, 150, 30), std::clamp(r, 0.0f, 1.0f));
    });
    return image;
}

}  // namespace

std::vector<TextureFile> WorldTextures(TextPainter& text) {
    const Color concrete = Rgb(150, 146, 136), teal = Rgb(40, 130, 140);
    const Color blue = Rgb(60, 100, 200), red = Rgb(200, 60, 50);
    std::vector<TextureFile> out;
    out.push_back({"floortex", StoneTiles()});
    out.push_back({"floorsand", Sand()});
    out.push_back({"floormetal", MetalPlates()});
    out.push_back({"skytex", Sky({Rgb(38, 86, 170), Rgb(96, 148, 214), Rgb(190, 212, 232),
                                  Rgb(250, 250, 252), 0.08f, false},
                                 61)});
    out.push_back({"skydusk", Sky({Rgb(22, 18, 52), Rgb(112, 58, 110), Rgb(246, 150, 72),
                                   Rgb(236, 170, 150), 0.02f, true},
                                  62)});
    out.push_back({"cylcap", Cap(concrete, Rgb(200, 170, 60), 71)});
    out.push_back({"cylside", PanelSide(concrete, teal, 72)});
    out.push_back({"capstone", Cap(Rgb(130, 120, 106), Rgb(100, 92, 80), 73)});
    out.push_back({"sidestone", StoneSide()});
    out.push_back({"capmetal", Cap(Rgb(140, 146, 154), Rgb(230, 180, 30), 74)});
    out.push_back({"sidemetal", MetalSide()});
    out.push_back({"capblue", Cap(Rgb(120, 130, 160), blue, 75)});
    out.push_back({"sideblue", PanelSide(Rgb(120, 130, 160), blue, 76)});
    out.push_back({"capred", Cap(Rgb(160, 124, 118), red, 77)});
    out.push_back({"sidered", PanelSide(Rgb(160, 124, 118), red, 78)});
    out.push_back({"charger", ChargerSide(text)});
    out.push_back({"chargercap", ChargerCap()});
    out.push_back({"flstick", FlagStick()});
    out.push_back({"flside", FlagCloth(Rgb(30, 70, 200))});
    out.push_back({"flsidered", FlagCloth(Rgb(205, 40, 30))});
    out.push_back({"tracer", Tracer()});
    return out;
}
