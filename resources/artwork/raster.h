// A small antialiased rasteriser for the module's artwork: shapes are signed
// distance functions turned into coverage masks, masks are painted onto a
// premultiplied RGBA canvas with solid colours or gradients.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

struct Color {
    float r = 0, g = 0, b = 0, a = 1;  // 0..1, not premultiplied
};

Color Rgb(int r, int g, int b, float a = 1.0f);
Color Mix(const Color& from, const Color& to, float t);
Color Scaled(const Color& c, float factor);  // brighter (> 1) or darker (< 1)

struct Point {
    float x = 0, y = 0;
};

// Signed distance in pixels: negative inside, positive outside.
using Sdf = std::function<float(float x, float y)>;

Sdf Circle(float cx, float cy, float radius);
Sdf Ellipse(float cx, float cy, float rx, float ry);
Sdf RoundedBox(float left, float top, float right, float bottom, float radius);
Sdf Segment(Point a, Point b, float halfWidth);  // with round caps
Sdf Polygon(std::vector<Point> points);
// The arc of `radius` around (cx, cy) from angle `from` to `to` (degrees,
// clockwise on screen from the positive x axis), `halfWidth` thick.
Sdf Arc(float cx, float cy, float radius, float from, float to, float halfWidth);
Sdf Union(Sdf a, Sdf b);
Sdf Intersect(Sdf a, Sdf b);
Sdf Subtract(Sdf a, Sdf b);
Sdf Rotated(Sdf shape, float cx, float cy, float degrees);

// Coverage of every pixel, 0..1.
class Mask {
public:
    Mask(int width, int height, float value = 0.0f);
    Mask(int width, int height, const Sdf& shape);

    int Width() const { return width_; }
    int Height() const { return height_; }
    float At(int x, int y) const;
    float& operator()(int x, int y) { return data_[static_cast<size_t>(y) * width_ + x]; }

    Mask& Multiply(const Mask& other);  // intersection
    Mask& Cut(const Mask& other);       // this AND NOT other
    Mask& Add(const Mask& other);       // union
    Mask& Scale(float factor);
    Mask Blurred(float radius) const;   // three box passes, about a gaussian
    Mask Shifted(float dx, float dy) const;

private:
    int width_, height_;
    std::vector<float> data_;
};

using Paint = std::function<Color(float x, float y)>;

Paint Solid(const Color& c);
Paint Linear(Point from, Point to, const Color& c0, const Color& c1);
Paint Radial(Point centre, float radius, const Color& inner, const Color& outer);

class Canvas {
public:
    Canvas(int width, int height);

    int Width() const { return width_; }
    int Height() const { return height_; }

    void Fill(const Mask& mask, const Paint& paint, float opacity = 1.0f);
    void Fill(const Sdf& shape, const Paint& paint, float opacity = 1.0f);
    // Everything drawn so far, with its colours multiplied by `factor`.
    void ScaleColours(float factor);
    // `other` placed at (x, y) over this canvas.
    void Draw(const Canvas& other, int x, int y);
    // Straight (not premultiplied) RGBA bytes, rows top to bottom.
    std::vector<uint8_t> Rgba() const;
    // The canvas flattened onto an opaque background colour.
    std::vector<uint8_t> RgbOn(const Color& background) const;
    float Alpha(int x, int y) const { return pixels_[(static_cast<size_t>(y) * width_ + x) * 4 + 3]; }

private:
    int width_, height_;
    std::vector<float> pixels_;  // premultiplied r, g, b, a
};
