// Skins of the player figure and the muzzle flash and explosion frames.
// "PLTEX1" frame k is the colour of player k (helmet and sleeves; the helmet's visor faces -z, the
// top rows of the picture under the sphere's disc mapping); "PLTEX2" frames are the armour:
// neutral, blue team, red team.
#include <cmath>

#include "noise.h"
#include "texture_set.h"

namespace {

constexpr float kPi = 3.14159265f;

Image Helmet(Color paint, uint32_t seed) {
    const int size = 128;
    Image image(size, size);
    image.Paint([&](float x, float y) {
        float u = x / size, v = y / size;
        Color c = Scale(paint, 0.9f + 0.2f * Fractal(x / 16, y / 16, seed, 3, 8));
        if (std::abs(u - 0.5f) < 0.04f) return Scale(paint, 0.55f);  // crest stripe
        if (v < 0.11f && std::abs(u - 0.5f) < 0.3f) {                // visor
            float glint = std::clamp(1 - std::abs(u - 0.4f) * 8, 0.0f, 1.0f);
            return Mix(Rgb(20, 26, 40), Rgb(120, 190, 230), glint * 0.6f);
        }
        if (v < 0.13f && std::abs(u - 0.5f) < 0.32f) return Rgb(30, 30, 34);  // visor rim
        return c;
    });
    return image;
}

Image Armour(Color paint) {
    const int size = 128;
    Image image(size, size);
    image.Paint([&](float x, float y) {
        float v = y / size;
        Color c = Scale(paint, 0.9f + 0.2f * Fractal(x / 16, y / 16, 81, 3, 8));
        if (v > 0.86f) return Rgb(48, 44, 40);    // belt
        if (v > 0.82f) return Rgb(150, 130, 70);  // buckle line
        float gx = std::fmod(x, 64.0f);
        if (std::abs(gx - 32) < 1.5f && v < 0.8f) return Scale(paint, 0.6f);  // plate seam
        if (std::abs(v - 0.38f) < 0.012f) return Scale(paint, 0.6f);
        if (v < 0.08f) return Scale(paint, 1.2f);  // collar
        return c;
    });
    return image;
}

Image Trousers() {
    Image image(64, 64);
    image.Paint([&](float x, float y) {
        Color c = Scale(Rgb(54, 58, 68), 0.85f + 0.3f * Fractal(x / 4, y / 16, 91, 3, 16));
        if (y > 54) return Rgb(34, 30, 28);  // boot cuff
        if (std::fmod(x, 32.0f) < 1.5f) return Rgb(40, 43, 50);
        return c;
    });
    return image;
}

Image Gunmetal() {
    Image image(64, 64);
    image.Paint([&](float x, float y) {
        float shine = 0.8f + 0.4f * std::pow(std::sin(x / 64 * 2 * kPi) * 0.5f + 0.5f, 4);
        Color c = Scale(Rgb(62, 66, 74), shine);
        if (std::fmod(y, 16.0f) < 1.5f) return Rgb(40, 42, 48);
        return c;
    });
    return image;
}

// The flash quad runs from the muzzle (right edge) forward (left edge).
Image MuzzleFlash(uint32_t seed, float length) {
    Image image(64, 64);
    image.Paint([&](float x, float y) {
        float along = (64 - x) / 64 / length, across = (y - 32) / 32;
        if (along >= 1) return Color{0, 0, 0, 0};
        float width = 0.55f * (1 - along) + 0.08f;
        float jag = 0.75f + 0.5f * ValueNoise(x / 6, y / 6, seed);
        float d = std::abs(across) / width;
        float heat = std::clamp((1 - d) * jag * (1 - along * 0.7f), 0.0f, 1.0f);
        Color c = Mix(Rgb(255, 120, 20), Rgb(255, 250, 210), heat);
        c.a = std::clamp(heat * 1.6f, 0.0f, 1.0f);
        return c;
    });
    return image;
}

Image Explosion(float radius, float heat, uint32_t seed) {
    Image image(64, 64);
    image.Paint([&](float x, float y) {
        float dx = x - 32, dy = y - 32, r = std::hypot(dx, dy) / 32;
        float a = std::atan2(dy, dx);
        float spikes = 0.85f + 0.25f * ValueNoise(a * 3 + 10, r * 2, seed, 0);
        float t = r / (radius * spikes);
        if (t >= 1) return Color{0, 0, 0, 0};
        Color core = Mix(Rgb(255, 250, 200), Rgb(255, 140, 30), std::clamp(t / heat, 0.0f, 1.0f));
        Color c = Mix(core, Rgb(90, 70, 60), std::clamp((t - heat) / (1 - heat), 0.0f, 1.0f));
        c.a = std::clamp((1 - t) * 3, 0.0f, 1.0f) * (0.6f + 0.4f * heat);
        return c;
    });
    return image;
}

}  // namespace

std::vector<TextureFile> PlayerTextures() {
    const std::vector<Color> players = {Rgb(232, 120, 30), Rgb(60, 172, 72),  Rgb(146, 72, 196),
                                        Rgb(40, 172, 196), Rgb(224, 204, 52), Rgb(206, 206, 212),
                                        Rgb(222, 84, 150), Rgb(30, 30, 36),   Rgb(120, 78, 40)};
    std::vector<Image> helmets;
    for (size_t i = 0; i < players.size(); ++i)
        helmets.push_back(Helmet(players[i], 100 + static_cast<uint32_t>(i)));
    std::vector<TextureFile> out;
    AddFrames(out, "PLTEX1", false, static_cast<int>(helmets.size()), helmets);
    AddFrames(out, "PLTEX2", false, 3,
              {Armour(Rgb(120, 126, 108)), Armour(Rgb(44, 84, 204)), Armour(Rgb(204, 52, 42))});
    out.push_back({"pllegs", Trousers()});
    out.push_back({"plgun", Gunmetal()});
    return out;
}

std::vector<TextureFile> EffectTextures() {
    std::vector<TextureFile> out;
    AddFrames(out, "mi_fire", true, 2, {MuzzleFlash(1, 1.0f), MuzzleFlash(2, 0.7f)});
    AddFrames(out, "mi_expl", true, 3,
              {Explosion(0.45f, 0.8f, 3), Explosion(0.8f, 0.55f, 4), Explosion(0.98f, 0.2f, 5)});
    return out;
}
