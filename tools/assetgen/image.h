// An RGBA picture in floating point with the few drawing operations the generated textures need.
// Colours are straight (not premultiplied) 0..1; drawing blends "over" what is already there.
// Used by every painter of assetgen; the file writers quantise it to 8 bits.
#pragma once
#include <cstdint>
#include <functional>
#include <vector>

struct Color {
    float r = 0, g = 0, b = 0, a = 1;
};

Color Rgb(int r, int g, int b, float a = 1.0f);
Color Mix(Color a, Color b, float t);
Color Scale(Color c, float k);  // scales r, g, b; keeps alpha

class Image {
  public:
    Image() = default;
    Image(int width, int height, Color fill = {0, 0, 0, 0});

    int width() const { return width_; }
    int height() const { return height_; }
    const Color& at(int x, int y) const { return pixels_[Index(x, y)]; }
    Color& at(int x, int y) { return pixels_[Index(x, y)]; }
    // Lays c over the pixel with the given coverage; coordinates outside are ignored.
    void Blend(int x, int y, Color c, float coverage = 1.0f);
    // Calls paint(x, y) for every pixel centre (in pixel units) and stores the result.
    void Paint(const std::function<Color(float x, float y)>& paint);
    // Like Paint, but lays the result over the existing pixel.
    void PaintOver(const std::function<Color(float x, float y)>& paint);
    void FillRect(float x0, float y0, float x1, float y1, Color c);
    // A rectangle with rounded corners and an anti-aliased edge.
    void FillRoundRect(float x0, float y0, float x1, float y1, float radius, Color c);
    void FillEllipse(float cx, float cy, float rx, float ry, Color c);
    void FillPolygon(const std::vector<float>& xy, Color c);  // x0, y0, x1, y1, ...
    void DrawLine(float x0, float y0, float x1, float y1, float thickness, Color c);
    // Copies src with its top-left corner at (x, y), blending over.
    void Draw(const Image& src, int x, int y);
    // A copy resized by box filtering (shrinking) or nearest sampling (growing).
    Image Resized(int width, int height) const;
    // A copy mirrored left to right.
    Image MirroredX() const;

  private:
    size_t Index(int x, int y) const { return static_cast<size_t>(y) * width_ + x; }
    int width_ = 0, height_ = 0;
    std::vector<Color> pixels_;
};

// Coverage of a shape edge one pixel wide: 1 inside (distance <= -0.5), 0 outside.
float EdgeCoverage(float signedDistance);
// Coverage of the pixel centred at (x, y) by a rectangle with rounded corners.
float RoundRectCoverage(float x, float y, float x0, float y0, float x1, float y1, float radius);
