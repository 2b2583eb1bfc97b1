#include "raster.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr float kPi = 3.14159265358979f;

float Clamp01(float v) { return std::min(1.0f, std::max(0.0f, v)); }

// Pixel centres sit at half coordinates; a distance of half a pixel inside
// the edge is full coverage.
float Coverage(float distance) { return Clamp01(0.5f - distance); }

}  // namespace

Color Rgb(int r, int g, int b, float a) {
    return Color{r / 255.0f, g / 255.0f, b / 255.0f, a};
}

Color Mix(const Color& from, const Color& to, float t) {
    t = Clamp01(t);
    return Color{from.r + (to.r - from.r) * t, from.g + (to.g - from.g) * t,
                 from.b + (to.b - from.b) * t, from.a + (to.a - from.a) * t};
}

Color Scaled(const Color& c, float factor) {
    return Color{Clamp01(c.r * factor), Clamp01(c.g * factor), Clamp01(c.b * factor), c.a};
}

Sdf Circle(float cx, float cy, float radius) {
    return [=](float x, float y) { return std::hypot(x - cx, y - cy) - radius; };
}

Sdf Ellipse(float cx, float cy, float rx, float ry) {
    // Scaled circle distance, corrected by the gradient length: exact enough
    // for the mild ellipses drawn here.
    return [=](float x, float y) {
        const float px = (x - cx) / rx, py = (y - cy) / ry;
        const float k = std::hypot(px, py);
        const float gx = px / rx, gy = py / ry;
        const float gradient = std::hypot(gx, gy);
        if (gradient < 1e-6f) return -std::min(rx, ry);
        return (k - 1.0f) * k / gradient;
    };
}

Sdf RoundedBox(float left, float top, float right, float bottom, float radius) {
    const float cx = (left + right) / 2, cy = (top + bottom) / 2;
    const float hx = (right - left) / 2 - radius, hy = (bottom - top) / 2 - radius;
    return [=](float x, float y) {
        const float qx = std::fabs(x - cx) - hx, qy = std::fabs(y - cy) - hy;
        const float outside = std::hypot(std::max(qx, 0.0f), std::max(qy, 0.0f));
        return outside + std::min(std::max(qx, qy), 0.0f) - radius;
    };
}

Sdf Segment(Point a, Point b, float halfWidth) {
    return [=](float x, float y) {
        const float px = x - a.x, py = y - a.y, bx = b.x - a.x, by = b.y - a.y;
        const float length2 = bx * bx + by * by;
        const float h = length2 > 0 ? Clamp01((px * bx + py * by) / length2) : 0.0f;
        return std::hypot(px - bx * h, py - by * h) - halfWidth;
    };
}

Sdf Polygon(std::vector<Point> v) {
    return [v](float x, float y) {
        float d = 1e9f;
        bool inside = false;
        for (size_t i = 0, j = v.size() - 1; i < v.size(); j = i++) {
            const float ex = v[j].x - v[i].x, ey = v[j].y - v[i].y;
            const float wx = x - v[i].x, wy = y - v[i].y;
            const float h = Clamp01((wx * ex + wy * ey) / (ex * ex + ey * ey));
            d = std::min(d, std::hypot(wx - ex * h, wy - ey * h));
            if ((v[i].y > y) != (v[j].y > y) &&
                x < (v[j].x - v[i].x) * (y - v[i].y) / (v[j].y - v[i].y) + v[i].x)
                inside = !inside;
        }
        return inside ? -d : d;
    };
}

Sdf Arc(float cx, float cy, float radius, float from, float to, float halfWidth) {
    const float a0 = from * kPi / 180, a1 = to * kPi / 180;
    const Point p0{cx + radius * std::cos(a0), cy + radius * std::sin(a0)};
    const Point p1{cx + radius * std::cos(a1), cy + radius * std::sin(a1)};
    return [=](float x, float y) {
        float angle = std::atan2(y - cy, x - cx);
        while (angle < a0) angle += 2 * kPi;
        while (angle >= a0 + 2 * kPi) angle -= 2 * kPi;
        float d;
        if (angle <= a1)
            d = std::fabs(std::hypot(x - cx, y - cy) - radius);
        else
            d = std::min(std::hypot(x - p0.x, y - p0.y), std::hypot(x - p1.x, y - p1.y));
        return d - halfWidth;
    };
}

Sdf Union(Sdf a, Sdf b) {
    return [=](float x, float y) { return std::min(a(x, y), b(x, y)); };
}

Sdf Intersect(Sdf a, Sdf b) {
    return [=](float x, float y) { return std::max(a(x, y), b(x, y)); };
}

Sdf Subtract(Sdf a, Sdf b) {
    return [=](float x, float y) { return std::max(a(x, y), -b(x, y)); };
}

Sdf Rotated(Sdf shape, float cx, float cy, float degrees) {
    const float c = std::cos(-degrees * kPi / 180), s = std::sin(-degrees * kPi / 180);
    return [=](float x, float y) {
        const float dx = x - cx, dy = y - cy;
        return shape(cx + dx * c - dy * s, cy + dx * s + dy * c);
    };
}

Mask::Mask(int width, int height, float value)
    : width_(width), height_(height), data_(static_cast<size_t>(width) * height, value) {}

Mask::Mask(int width, int height, const Sdf& shape) : Mask(width, height) {
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) (*this)(x, y) = Coverage(shape(x + 0.5f, y + 0.5f));
}

float Mask::At(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return 0.0f;
    return data_[static_cast<size_t>(y) * width_ + x];
}

Mask& Mask::Multiply(const Mask& other) {
    for (size_t i = 0; i < data_.size(); ++i) data_[i] *= other.data_[i];
    return *this;
}

Mask& Mask::Cut(const Mask& other) {
    for (size_t i = 0; i < data_.size(); ++i) data_[i] *= 1.0f - other.data_[i];
    return *this;
}

Mask& Mask::Add(const Mask& other) {
    for (size_t i = 0; i < data_.size(); ++i) data_[i] = data_[i] + other.data_[i] - data_[i] * other.data_[i];
    return *this;
}

Mask& Mask::Scale(float factor) {
    for (float& v : data_) v = Clamp01(v * factor);
    return *this;
}

Mask Mask::Blurred(float radius) const {
    Mask result = *this;
    const int r = std::max(1, static_cast<int>(std::lround(radius / 1.7f)));
    std::vector<float> line;
    for (int pass = 0; pass < 3; ++pass) {
        for (int horizontal = 0; horizontal < 2; ++horizontal) {
            const int length = horizontal ? width_ : height_;
            const int lines = horizontal ? height_ : width_;
            line.resize(static_cast<size_t>(length));
            for (int l = 0; l < lines; ++l) {
                for (int i = 0; i < length; ++i) line[i] = horizontal ? result.At(i, l) : result.At(l, i);
                for (int i = 0; i < length; ++i) {
                    float sum = 0;
                    for (int k = -r; k <= r; ++k) {
                        const int j = i + k;
                        if (j >= 0 && j < length) sum += line[j];
                    }
                    (horizontal ? result(i, l) : result(l, i)) = sum / (2 * r + 1);
                }
            }
        }
    }
    return result;
}

Mask Mask::Shifted(float dx, float dy) const {
    Mask result(width_, height_);
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            // Bilinear sampling so that fractional shifts stay smooth.
            const float sx = x - dx, sy = y - dy;
            const int x0 = static_cast<int>(std::floor(sx)), y0 = static_cast<int>(std::floor(sy));
            const float fx = sx - x0, fy = sy - y0;
            result(x, y) = (At(x0, y0) * (1 - fx) + At(x0 + 1, y0) * fx) * (1 - fy) +
                           (At(x0, y0 + 1) * (1 - fx) + At(x0 + 1, y0 + 1) * fx) * fy;
        }
    }
    return result;
}

Paint Solid(const Color& c) {
    return [c](float, float) { return c; };
}

Paint Linear(Point from, Point to, const Color& c0, const Color& c1) {
    const float dx = to.x - from.x, dy = to.y - from.y, length2 = dx * dx + dy * dy;
    return [=](float x, float y) {
        return Mix(c0, c1, ((x - from.x) * dx + (y - from.y) * dy) / length2);
    };
}

Paint Radial(Point centre, float radius, const Color& inner, const Color& outer) {
    return [=](float x, float y) { return Mix(inner, outer, std::hypot(x - centre.x, y - centre.y) / radius); };
}

Canvas::Canvas(int width, int height)
    : width_(width), height_(height), pixels_(static_cast<size_t>(width) * height * 4, 0.0f) {}

void Canvas::Fill(const Mask& mask, const Paint& paint, float opacity) {
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            const float coverage = mask.At(x, y);
            if (coverage <= 0) continue;
            const Color c = paint(x + 0.5f, y + 0.5f);
            const float a = Clamp01(coverage * c.a * opacity);
            float* p = &pixels_[(static_cast<size_t>(y) * width_ + x) * 4];
            p[0] = c.r * a + p[0] * (1 - a);
            p[1] = c.g * a + p[1] * (1 - a);
            p[2] = c.b * a + p[2] * (1 - a);
            p[3] = a + p[3] * (1 - a);
        }
    }
}

void Canvas::Fill(const Sdf& shape, const Paint& paint, float opacity) {
    Fill(Mask(width_, height_, shape), paint, opacity);
}

void Canvas::ScaleColours(float factor) {
    for (size_t i = 0; i < pixels_.size(); i += 4)
        for (int k = 0; k < 3; ++k) pixels_[i + k] = std::min(pixels_[i + 3], pixels_[i + k] * factor);
}

void Canvas::Draw(const Canvas& other, int left, int top) {
    for (int y = 0; y < other.height_; ++y) {
        for (int x = 0; x < other.width_; ++x) {
            const int tx = left + x, ty = top + y;
            if (tx < 0 || ty < 0 || tx >= width_ || ty >= height_) continue;
            const float* s = &other.pixels_[(static_cast<size_t>(y) * other.width_ + x) * 4];
            float* d = &pixels_[(static_cast<size_t>(ty) * width_ + tx) * 4];
            for (int k = 0; k < 4; ++k) d[k] = s[k] + d[k] * (1 - s[3]);
        }
    }
}

std::vector<uint8_t> Canvas::Rgba() const {
    std::vector<uint8_t> out(pixels_.size());
    for (size_t i = 0; i < pixels_.size(); i += 4) {
        const float a = pixels_[i + 3];
        for (int k = 0; k < 3; ++k)
            out[i + k] = static_cast<uint8_t>(std::lround(a > 0 ? Clamp01(pixels_[i + k] / a) * 255 : 0));
        out[i + 3] = static_cast<uint8_t>(std::lround(Clamp01(a) * 255));
    }
    return out;
}

std::vector<uint8_t> Canvas::RgbOn(const Color& background) const {
    std::vector<uint8_t> out(static_cast<size_t>(width_) * height_ * 3);
    for (size_t i = 0, o = 0; i < pixels_.size(); i += 4, o += 3) {
        const float a = pixels_[i + 3];
        out[o] = static_cast<uint8_t>(std::lround(Clamp01(pixels_[i] + background.r * (1 - a)) * 255));
        out[o + 1] = static_cast<uint8_t>(std::lround(Clamp01(pixels_[i + 1] + background.g * (1 - a)) * 255));
        out[o + 2] = static_cast<uint8_t>(std::lround(Clamp01(pixels_[i + 2] + background.b * (1 - a)) * 255));
    }
    return out;
}
