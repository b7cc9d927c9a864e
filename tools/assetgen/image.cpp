#include "image.h"

#include <algorithm>
#include <cmath>

Color Rgb(int r, int g, int b, float a) {
    return {r / 255.0f, g / 255.0f, b / 255.0f, a};
}

Color Mix(Color a, Color b, float t) {
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t,
            a.a + (b.a - a.a) * t};
}

Color Scale(Color c, float k) {
    return {c.r * k, c.g * k, c.b * k, c.a};
}

float EdgeCoverage(float signedDistance) {
    return std::clamp(0.5f - signedDistance, 0.0f, 1.0f);
}

Image::Image(int width, int height, Color fill)
    : width_(width), height_(height), pixels_(static_cast<size_t>(width) * height, fill) {}

void Image::Blend(int x, int y, Color c, float coverage) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
    float alpha = std::clamp(c.a * coverage, 0.0f, 1.0f);
    if (alpha <= 0) return;
    Color& d = pixels_[Index(x, y)];
    float outA = alpha + d.a * (1 - alpha);
    if (outA <= 0) return;
    d.r = (c.r * alpha + d.r * d.a * (1 - alpha)) / outA;
    d.g = (c.g * alpha + d.g * d.a * (1 - alpha)) / outA;
    d.b = (c.b * alpha + d.b * d.a * (1 - alpha)) / outA;
    d.a = outA;
}

void Image::Paint(const std::function<Color(float, float)>& paint) {
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x) pixels_[Index(x, y)] = paint(x + 0.5f, y + 0.5f);
}

void Image::PaintOver(const std::function<Color(float, float)>& paint) {
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x) Blend(x, y, paint(x + 0.5f, y + 0.5f));
}

void Image::FillRect(float x0, float y0, float x1, float y1, Color c) {
    FillRoundRect(x0, y0, x1, y1, 0.0f, c);
}

float RoundRectCoverage(float x, float y, float x0, float y0, float x1, float y1, float radius) {
    float qx = std::abs(x - (x0 + x1) / 2) - ((x1 - x0) / 2 - radius);
    float qy = std::abs(y - (y0 + y1) / 2) - ((y1 - y0) / 2 - radius);
    float outside = std::hypot(std::max(qx, 0.0f), std::max(qy, 0.0f));
    return EdgeCoverage(outside + std::min(std::max(qx, qy), 0.0f) - radius);
}

void Image::FillRoundRect(float x0, float y0, float x1, float y1, float radius, Color c) {
    int ix0 = std::max(0, static_cast<int>(std::floor(x0)));
    int iy0 = std::max(0, static_cast<int>(std::floor(y0)));
    int ix1 = std::min(width_, static_cast<int>(std::ceil(x1)));
    int iy1 = std::min(height_, static_cast<int>(std::ceil(y1)));
    for (int y = iy0; y < iy1; ++y)
        for (int x = ix0; x < ix1; ++x)
            Blend(x, y, c, RoundRectCoverage(x + 0.5f, y + 0.5f, x0, y0, x1, y1, radius));
}

void Image::FillEllipse(float cx, float cy, float rx, float ry, Color c) {
    int ix0 = std::max(0, static_cast<int>(cx - rx - 1)), ix1 = std::min(width_, int(cx + rx + 2));
    int iy0 = std::max(0, static_cast<int>(cy - ry - 1)), iy1 = std::min(height_, int(cy + ry + 2));
    float scale = std::min(rx, ry);
    for (int y = iy0; y < iy1; ++y) {
        for (int x = ix0; x < ix1; ++x) {
            float dx = (x + 0.5f - cx) / rx, dy = (y + 0.5f - cy) / ry;
            Blend(x, y, c, EdgeCoverage((std::sqrt(dx * dx + dy * dy) - 1) * scale));
        }
    }
}

void Image::FillPolygon(const std::vector<float>& xy, Color c) {
    // Even-odd rule sampled at 4 x 4 points per pixel for smooth edges.
    size_t n = xy.size() / 2;
    float minY = 1e9f, maxY = -1e9f, minX = 1e9f, maxX = -1e9f;
    for (size_t i = 0; i < n; ++i) {
        minX = std::min(minX, xy[2 * i]), maxX = std::max(maxX, xy[2 * i]);
        minY = std::min(minY, xy[2 * i + 1]), maxY = std::max(maxY, xy[2 * i + 1]);
    }
    auto inside = [&](float px, float py) {
        bool in = false;
        for (size_t i = 0, j = n - 1; i < n; j = i++) {
            float xi = xy[2 * i], yi = xy[2 * i + 1], xj = xy[2 * j], yj = xy[2 * j + 1];
            if ((yi > py) != (yj > py) && px < (xj - xi) * (py - yi) / (yj - yi) + xi) in = !in;
        }
        return in;
    };
    for (int y = std::max(0, int(minY)); y < std::min(height_, int(maxY) + 1); ++y) {
        for (int x = std::max(0, int(minX)); x < std::min(width_, int(maxX) + 1); ++x) {
            int hits = 0;
            for (int sy = 0; sy < 4; ++sy)
                for (int sx = 0; sx < 4; ++sx)
                    hits += inside(x + (sx + 0.5f) / 4, y + (sy + 0.5f) / 4);
            if (hits) Blend(x, y, c, hits / 16.0f);
        }
    }
}

void Image::DrawLine(float x0, float y0, float x1, float y1, float thickness, Color c) {
    float dx = x1 - x0, dy = y1 - y0, length2 = dx * dx + dy * dy;
    float pad = thickness + 1;
    int ix0 = std::max(0, int(std::min(x0, x1) - pad)),
        ix1 = std::min(width_, int(std::max(x0, x1) + pad));
    int iy0 = std::max(0, int(std::min(y0, y1) - pad)),
        iy1 = std::min(height_, int(std::max(y0, y1) + pad));
    for (int y = iy0; y < iy1; ++y) {
        for (int x = ix0; x < ix1; ++x) {
            float px = x + 0.5f - x0, py = y + 0.5f - y0;
            float t = length2 > 0 ? std::clamp((px * dx + py * dy) / length2, 0.0f, 1.0f) : 0.0f;
            float d = std::hypot(px - t * dx, py - t * dy) - thickness / 2;
            Blend(x, y, c, EdgeCoverage(d));
        }
    }
}

void Image::Draw(const Image& src, int x, int y) {
    for (int sy = 0; sy < src.height(); ++sy)
        for (int sx = 0; sx < src.width(); ++sx) Blend(x + sx, y + sy, src.at(sx, sy));
}

Image Image::Resized(int width, int height) const {
    Image out(width, height);
    float fx = static_cast<float>(width_) / width, fy = static_cast<float>(height_) / height;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            // Average the source area under the target pixel (at least one sample).
            int x0 = int(x * fx), x1 = std::max(x0 + 1, int((x + 1) * fx));
            int y0 = int(y * fy), y1 = std::max(y0 + 1, int((y + 1) * fy));
            Color sum{0, 0, 0, 0};
            int count = 0;
            for (int sy = y0; sy < std::min(y1, height_); ++sy) {
                for (int sx = x0; sx < std::min(x1, width_); ++sx) {
                    const Color& c = at(sx, sy);
                    sum.r += c.r * c.a, sum.g += c.g * c.a, sum.b += c.b * c.a, sum.a += c.a;
                    ++count;
                }
            }
            if (count && sum.a > 0)
                out.at(x, y) = {sum.r / sum.a, sum.g / sum.a, sum.b / sum.a, sum.a / count};
        }
    }
    return out;
}

Image Image::MirroredX() const {
    Image out(width_, height_);
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x) out.at(x, y) = at(width_ - 1 - x, y);
    return out;
}
