#include "pictures.h"

#include "../language_page_layout.h"

#include <algorithm>
#include <cmath>
#include <iterator>

namespace {

constexpr float kPi = 3.14159265358979f;

// The palette every picture shares.
const Color kWhite = Rgb(255, 255, 255);
const Color kNavy = Rgb(18, 46, 104);
const Color kAzureLight = Rgb(86, 170, 245);
const Color kAzureDark = Rgb(14, 58, 136);
const Color kSilverLight = Rgb(250, 252, 255);
const Color kSilverDark = Rgb(128, 139, 156);
const Color kPaperTop = Rgb(255, 255, 255);
const Color kPaperBottom = Rgb(218, 226, 238);
const Color kInk = Rgb(150, 164, 186);
const Color kAccentLight = Rgb(255, 188, 64);
const Color kAccentDark = Rgb(222, 108, 18);
const Color kGlow = Rgb(255, 196, 70);
const Color kBeam = Rgb(64, 226, 255);
const Color kShadow = Rgb(0, 10, 30);
// What the dialog pages are usually painted with, for pictures whose
// transparency is a colour key and whose edges must be blended beforehand.
const Color kPageFace = Rgb(236, 236, 236);

Sdf Grown(Sdf shape, float by) {
    return [=](float x, float y) { return shape(x, y) - by; };
}

// A soft shadow of `shape` cast down and to the right.
void Shadow(Canvas& canvas, const Sdf& shape, float dx, float dy, float blur, float opacity) {
    Mask mask(canvas.Width(), canvas.Height(), shape);
    canvas.Fill(mask.Shifted(dx, dy).Blurred(blur), Solid(kShadow), opacity);
}

// The button's window is clipped to the ellipse inscribed in its frame: a
// glow must have faded out before that edge.
Mask InsideFrame(const Mask& glow) {
    const int w = glow.Width(), h = glow.Height();
    Mask fade(w, h, Ellipse(w / 2.0f, h / 2.0f, w / 2.0f - 2.2f, h / 2.0f - 2.2f));
    Mask result = glow;
    return result.Multiply(fade.Blurred(1.6f));
}

// Top-lit glossy highlight over the upper part of a disc.
void Gloss(Canvas& canvas, float cx, float cy, float r, float strength) {
    const Sdf shine = Intersect(Ellipse(cx, cy - r * 0.42f, r * 0.80f, r * 0.52f), Circle(cx, cy, r - 0.6f));
    canvas.Fill(shine, Linear({cx, cy - r}, {cx, cy + r * 0.05f}, Color{1, 1, 1, 0.62f * strength},
                              Color{1, 1, 1, 0.04f}));
}

// ---------------------------------------------------------------- presets

struct Badge {
    float cx, cy, r;  // r: the coloured face inside the rim
};

// A sheet of paper with its upper right corner folded, text lines and an
// optional heading.
void Sheet(Canvas& c, const Fonts& fonts, float left, float top, float right, float bottom,
           const char* heading, int lines) {
    const float fold = (right - left) * 0.24f;
    const Sdf sheet = Polygon({{left, top}, {right - fold, top}, {right, top + fold}, {right, bottom}, {left, bottom}});
    Shadow(c, sheet, 1.2f, 1.8f, 2.4f, 0.55f);
    c.Fill(Grown(sheet, 0.7f), Solid(Rgb(70, 84, 110)));
    c.Fill(sheet, Linear({left, top}, {left, bottom}, kPaperTop, kPaperBottom));
    const Sdf corner = Polygon({{right - fold, top}, {right - fold, top + fold}, {right, top + fold}});
    c.Fill(Grown(corner, 0.35f), Solid(Rgb(90, 104, 130)));
    c.Fill(corner, Linear({right - fold, top + fold}, {right, top}, Rgb(196, 206, 222), Rgb(244, 247, 251)));

    const float width = right - left, height = bottom - top;
    float y = top + height * 0.16f;
    if (heading) {
        const float size = width * 0.36f;
        const float cap = fonts.bold.CapHeight(size);
        const float baseline = top + height * 0.09f + cap;
        c.Fill(fonts.bold.Render(c.Width(), c.Height(), heading, size, left + width * 0.12f, baseline), Solid(kNavy));
        y = baseline + height * 0.13f;
    }
    const float step = height * 0.115f, thickness = std::max(1.2f, height * 0.035f);
    for (int i = 0; i < lines && y < bottom - height * 0.08f; ++i, y += step) {
        const float end = right - width * (i % 3 == 2 ? 0.38f : 0.14f);
        c.Fill(RoundedBox(left + width * 0.13f, y - thickness / 2, end, y + thickness / 2, thickness / 2), Solid(kInk));
    }
}

void RepeatPictogram(Canvas& c, const Fonts& fonts, const Badge& b) {
    const float radius = b.r * 0.66f, half = b.r * 0.085f;
    Canvas marks(c.Width(), c.Height());
    auto arrow = [&](float from, float to) {
        marks.Fill(Arc(b.cx, b.cy, radius, from, to, half), Solid(kWhite));
        const float e = to * kPi / 180;
        const Point p{b.cx + radius * std::cos(e), b.cy + radius * std::sin(e)};
        const Point t{-std::sin(e), std::cos(e)}, n{std::cos(e), std::sin(e)};
        const float wing = half * 2.7f, length = half * 3.4f;
        marks.Fill(Polygon({{p.x + t.x * length, p.y + t.y * length},
                            {p.x + n.x * wing - t.x * half * 0.4f, p.y + n.y * wing - t.y * half * 0.4f},
                            {p.x - n.x * wing - t.x * half * 0.4f, p.y - n.y * wing - t.y * half * 0.4f}}),
                   Solid(kWhite));
    };
    arrow(200, 318);
    arrow(20, 138);
    const float size = b.r * 0.98f;
    const float cap = fonts.bold.CapHeight(size);
    const float width = fonts.bold.Measure("R", size);
    marks.Fill(fonts.bold.Render(c.Width(), c.Height(), "R", size, b.cx - width / 2 + b.r * 0.02f, b.cy + cap / 2),
               Solid(kWhite));
    // Lift the white marks off the face with a thin dark shadow.
    Mask shape(c.Width(), c.Height());
    for (int y = 0; y < c.Height(); ++y)
        for (int x = 0; x < c.Width(); ++x) shape(x, y) = marks.Alpha(x, y);
    c.Fill(shape.Shifted(0.6f, 1.2f).Blurred(1.6f), Solid(kShadow), 0.55f);
    c.Draw(marks, 0, 0);
}

void Pen(Canvas& c, Point tip, Point end, float half) {
    const float dx = end.x - tip.x, dy = end.y - tip.y, length = std::hypot(dx, dy);
    const Point d{dx / length, dy / length}, n{-d.y, d.x};
    const Point start{tip.x + d.x * length * 0.24f, tip.y + d.y * length * 0.24f};
    const Sdf body = Segment(start, end, half);
    const Sdf cone = Polygon({tip, {start.x + n.x * half, start.y + n.y * half}, {start.x - n.x * half, start.y - n.y * half}});
    Shadow(c, Union(body, cone), 1.4f, 2.0f, 2.2f, 0.5f);
    c.Fill(Grown(Union(body, cone), 0.7f), Solid(Rgb(92, 50, 14)));
    c.Fill(cone, Solid(Rgb(246, 222, 180)));
    const Point nib{tip.x + d.x * length * 0.09f, tip.y + d.y * length * 0.09f};
    c.Fill(Polygon({tip, {nib.x + n.x * half * 0.38f, nib.y + n.y * half * 0.38f},
                    {nib.x - n.x * half * 0.38f, nib.y - n.y * half * 0.38f}}),
           Solid(Rgb(40, 44, 56)));
    c.Fill(body, Linear({start.x + n.x * half, start.y + n.y * half}, {start.x - n.x * half, start.y - n.y * half},
                        kAccentLight, kAccentDark));
    // Metal band and cap at the far end.
    const Point band{end.x - d.x * length * 0.2f, end.y - d.y * length * 0.2f};
    c.Fill(Intersect(body, Segment(band, {band.x + d.x * 0.1f, band.y + d.y * 0.1f}, half * 0.55f)),
           Linear({band.x + n.x * half, band.y + n.y * half}, {band.x - n.x * half, band.y - n.y * half}, kSilverLight,
                  kSilverDark));
}

void FaxPictogram(Canvas& c, const Fonts& fonts, const Badge& b) {
    const float r = b.r;
    Sheet(c, fonts, b.cx - r * 0.50f, b.cy - r * 0.66f, b.cx + r * 0.40f, b.cy + r * 0.64f, "FAX", 5);
    Pen(c, {b.cx + r * 0.02f, b.cy + r * 0.56f}, {b.cx + r * 0.66f, b.cy - r * 0.30f}, r * 0.095f);
}

void MailPictogram(Canvas& c, const Fonts& fonts, const Badge& b) {
    const float r = b.r;
    const float left = b.cx - r * 0.64f, right = b.cx + r * 0.64f;
    const float top = b.cy - r * 0.10f, bottom = b.cy + r * 0.50f;
    const Sdf body = RoundedBox(left, top, right, bottom, r * 0.05f);
    Shadow(c, Union(body, RoundedBox(b.cx - r * 0.44f, b.cy - r * 0.66f, b.cx + r * 0.44f, bottom, 1)), 1.2f, 1.8f,
           2.4f, 0.55f);
    // The inside of the envelope, then the letter standing out of it.
    c.Fill(Grown(body, 0.7f), Solid(Rgb(70, 84, 110)));
    c.Fill(body, Linear({left, top}, {left, bottom}, Rgb(150, 166, 192), Rgb(196, 208, 226)));
    const float lx0 = b.cx - r * 0.44f, lx1 = b.cx + r * 0.44f, ly0 = b.cy - r * 0.66f;
    const Sdf letter = RoundedBox(lx0, ly0, lx1, bottom - 2, 0.8f);
    c.Fill(Grown(letter, 0.6f), Solid(Rgb(90, 104, 130)));
    c.Fill(letter, Linear({lx0, ly0}, {lx0, bottom}, kPaperTop, kPaperBottom));
    const float size = r * 0.40f;
    const float cap = fonts.bold.CapHeight(size);
    const float at = fonts.bold.Measure("@", size);
    c.Fill(fonts.bold.Render(c.Width(), c.Height(), "@", size, b.cx - at / 2, ly0 + r * 0.08f + cap),
           Linear({b.cx, ly0}, {b.cx, ly0 + r * 0.45f}, kAzureLight, kAzureDark));
    for (int i = 0; i < 2; ++i) {
        const float y = ly0 + r * (0.55f + 0.14f * i);
        c.Fill(RoundedBox(lx0 + r * 0.12f, y - r * 0.025f, lx1 - r * (i ? 0.3f : 0.12f), y + r * 0.025f, r * 0.025f),
               Solid(kInk));
    }
    // The front of the envelope with its two side flaps.
    const float vy = b.cy + r * 0.20f;
    const Sdf front = Polygon({{left, top}, {b.cx, vy}, {right, top}, {right, bottom}, {left, bottom}});
    const Sdf frontShape = Intersect(front, body);
    Shadow(c, frontShape, 0, -0.8f, 1.6f, 0.35f);
    c.Fill(frontShape, Linear({left, top}, {left, bottom}, Rgb(250, 251, 253), Rgb(212, 221, 235)));
    c.Fill(Intersect(Segment({left, bottom}, {b.cx, b.cy + r * 0.16f}, 0.5f), body), Solid(Rgb(160, 172, 194)));
    c.Fill(Intersect(Segment({right, bottom}, {b.cx, b.cy + r * 0.16f}, 0.5f), body), Solid(Rgb(160, 172, 194)));
}

void OcrPictogram(Canvas& c, const Fonts& fonts, const Badge& b) {
    const float r = b.r;
    const float left = b.cx - r * 0.46f, right = b.cx + r * 0.46f;
    const float top = b.cy - r * 0.66f, bottom = b.cy + r * 0.64f;
    Sheet(c, fonts, left, top, right, bottom, "OCR", 6);
    // The reading beam across the sheet.
    const float y = b.cy + r * 0.26f;
    const Sdf beam = Segment({left - r * 0.16f, y}, {right + r * 0.16f, y}, r * 0.035f);
    Mask glow(c.Width(), c.Height(), Grown(beam, r * 0.05f));
    c.Fill(glow.Blurred(r * 0.12f), Solid(kBeam), 0.9f);
    c.Fill(beam, Linear({left, y}, {right, y}, Rgb(170, 245, 255), Rgb(120, 235, 255)));
}

void CustomPictogram(Canvas& c, const Fonts&, const Badge& b) {
    const float r = b.r;
    // The dial: a light face, ticks along an open arc and a needle.
    const float face = r * 0.70f;
    Shadow(c, Circle(b.cx, b.cy, face), 0.8f, 1.6f, 2.2f, 0.5f);
    c.Fill(Circle(b.cx, b.cy, face + 0.8f), Solid(Rgb(60, 74, 100)));
    c.Fill(Circle(b.cx, b.cy, face), Radial({b.cx, b.cy - face * 0.3f}, face * 1.3f, Rgb(255, 255, 255), Rgb(190, 202, 220)));
    for (int i = 0; i <= 10; ++i) {
        const float a = (135 + 27 * i) * kPi / 180;
        const float inner = face * (i % 5 == 0 ? 0.68f : 0.76f), outer = face * 0.88f;
        c.Fill(Segment({b.cx + inner * std::cos(a), b.cy + inner * std::sin(a)},
                       {b.cx + outer * std::cos(a), b.cy + outer * std::sin(a)}, std::max(0.55f, r * 0.022f)),
               Solid(kNavy));
    }
    const float needle = 200 * kPi / 180;
    c.Fill(Segment({b.cx, b.cy}, {b.cx + face * 0.62f * std::cos(needle), b.cy + face * 0.62f * std::sin(needle)},
                   r * 0.035f),
           Solid(kAccentDark));
    c.Fill(Circle(b.cx, b.cy, r * 0.08f), Solid(kNavy));

    // The wrench across it, drawn lying along x and turned up to the right.
    const float hx = b.cx + r * 0.40f;
    const Sdf handle = Segment({b.cx - r * 0.66f, b.cy}, {hx, b.cy}, r * 0.10f);
    const Sdf head = Subtract(Circle(hx, b.cy, r * 0.26f),
                              RoundedBox(hx - r * 0.02f, b.cy - r * 0.095f, hx + r * 0.5f, b.cy + r * 0.095f, r * 0.02f));
    const Sdf wrench = Rotated(Subtract(Union(handle, head), Circle(b.cx - r * 0.56f, b.cy, r * 0.045f)), b.cx, b.cy, -42);
    Shadow(c, wrench, 1.4f, 2.0f, 2.2f, 0.55f);
    c.Fill(Grown(wrench, 0.75f), Solid(Rgb(44, 52, 68)));
    c.Fill(wrench, Linear({b.cx - r * 0.3f, b.cy - r * 0.3f}, {b.cx + r * 0.1f, b.cy + r * 0.1f}, Rgb(250, 252, 255),
                          Rgb(150, 162, 180)));
}

struct FrameLook {
    float shade;   // colour factor of the whole badge
    float drop;    // pixels the badge moves down
    bool glow;
};

void DrawBadge(Canvas& canvas, Preset preset, const Fonts& fonts, const FrameLook& look) {
    const int w = canvas.Width(), h = canvas.Height();
    const float cx = w / 2.0f, cy = h / 2.0f + look.drop;
    const float outer = std::min(w, h) / 2.0f - 5.5f;
    if (look.glow) {
        Mask halo(w, h, Circle(cx, cy, outer + 2.0f));
        const Mask wide = InsideFrame(halo.Blurred(3.4f));
        canvas.Fill(wide, Solid(kGlow), 1.0f);
        canvas.Fill(wide, Solid(kGlow), 0.8f);
        canvas.Fill(halo.Blurred(1.6f), Solid(Rgb(255, 222, 120)), 0.9f);
    }
    Shadow(canvas, Circle(cx, cy, outer), 0, look.drop > 0 ? 0.8f : 1.8f, 2.6f, look.glow ? 0.25f : 0.5f);

    Canvas badge(w, h);
    badge.Fill(Circle(cx, cy, outer), Linear({cx, cy - outer}, {cx, cy + outer}, kSilverLight, kSilverDark));
    const float face = outer - 2.6f;
    badge.Fill(Circle(cx, cy, face + 0.9f), Solid(Rgb(12, 34, 82)));
    badge.Fill(Circle(cx, cy, face), Radial({cx, cy + face * 0.45f}, face * 1.45f, kAzureLight, kAzureDark));
    const Badge b{cx, cy, face};
    switch (preset) {
        case Preset::Repeat: RepeatPictogram(badge, fonts, b); break;
        case Preset::Fax: FaxPictogram(badge, fonts, b); break;
        case Preset::Mail: MailPictogram(badge, fonts, b); break;
        case Preset::Ocr: OcrPictogram(badge, fonts, b); break;
        case Preset::Custom: CustomPictogram(badge, fonts, b); break;
    }
    Gloss(badge, cx, cy, face, look.drop > 0 ? 0.6f : 1.0f);
    badge.ScaleColours(look.shade);
    canvas.Draw(badge, 0, 0);
}

RgbaImage Strip(const std::vector<Canvas>& frames) {
    RgbaImage strip;
    strip.width = frames[0].Width() * static_cast<int>(frames.size());
    strip.height = frames[0].Height();
    strip.rgba.resize(static_cast<size_t>(strip.width) * strip.height * 4);
    for (size_t f = 0; f < frames.size(); ++f) {
        const std::vector<uint8_t> rgba = frames[f].Rgba();
        const int fw = frames[f].Width();
        for (int y = 0; y < strip.height; ++y)
            std::copy_n(&rgba[static_cast<size_t>(y) * fw * 4], fw * 4,
                        &strip.rgba[(static_cast<size_t>(y) * strip.width + f * fw) * 4]);
    }
    return strip;
}

// ---------------------------------------------------------------- lamps

struct LampColours {
    Color light, mid, dark;
};

void Lamp(Canvas& c, float cx, float cy, float r, const LampColours& colours, bool bezel) {
    if (bezel) {
        c.Fill(Circle(cx, cy, r + 1.6f), Linear({cx, cy - r}, {cx, cy + r}, kSilverLight, kSilverDark));
    }
    c.Fill(Circle(cx, cy, r), Solid(Scaled(colours.dark, 0.7f)));
    c.Fill(Circle(cx, cy, r - 0.8f), Radial({cx, cy + r * 0.4f}, r * 1.35f, colours.light, colours.dark));
    c.Fill(Circle(cx, cy + r * 0.25f, r * 0.55f), Radial({cx, cy + r * 0.25f}, r * 0.55f, Color{colours.light.r, colours.light.g, colours.light.b, 0.55f},
                                                      Color{colours.mid.r, colours.mid.g, colours.mid.b, 0.0f}));
    const Sdf shine = Intersect(Ellipse(cx, cy - r * 0.45f, r * 0.66f, r * 0.42f), Circle(cx, cy, r - 1.0f));
    c.Fill(shine, Linear({cx, cy - r}, {cx, cy}, Color{1, 1, 1, 0.9f}, Color{1, 1, 1, 0.1f}));
}

// Colour-keyed pictures have no partial transparency: the edges are blended
// with the usual page colour and what stays mostly clear becomes magenta.
std::vector<uint8_t> Keyed(const Canvas& canvas) {
    std::vector<uint8_t> rgb = canvas.RgbOn(kPageFace);
    for (int y = 0; y < canvas.Height(); ++y) {
        for (int x = 0; x < canvas.Width(); ++x) {
            if (canvas.Alpha(x, y) >= 0.4f) continue;
            uint8_t* p = &rgb[(static_cast<size_t>(y) * canvas.Width() + x) * 3];
            p[0] = 255;
            p[1] = 0;
            p[2] = 255;
        }
    }
    return rgb;
}

}  // namespace

RgbaImage PresetStrip(Preset preset, int width, int height, const Fonts& fonts) {
    const int fw = width / 3;
    std::vector<Canvas> frames;
    const FrameLook looks[] = {{1.0f, 0.0f, false}, {0.74f, 1.0f, false}, {1.07f, 0.0f, true}};
    for (const FrameLook& look : looks) {
        frames.emplace_back(fw, height);
        DrawBadge(frames.back(), preset, fonts, look);
    }
    return Strip(frames);
}

RgbaImage LanguageLampStrip(int width, int height) {
    const int fw = width / 4;
    const LampColours purple{Rgb(226, 176, 255), Rgb(150, 72, 214), Rgb(74, 18, 128)};
    const LampColours green{Rgb(150, 226, 140), Rgb(46, 150, 56), Rgb(12, 78, 22)};
    const LampColours glowing{Rgb(220, 255, 200), Rgb(96, 228, 96), Rgb(26, 140, 40)};
    const LampColours gray{Rgb(236, 236, 236), Rgb(170, 170, 172), Rgb(104, 106, 110)};
    std::vector<Canvas> frames;
    const LampColours* colours[] = {&purple, &green, &glowing, &gray};
    for (int f = 0; f < 4; ++f) {
        frames.emplace_back(fw, height);
        Canvas& c = frames.back();
        const float cx = fw / 2.0f, cy = height / 2.0f + (f == 1 ? 0.6f : 0.0f);
        const float r = std::min(fw, height) / 2.0f - 5.0f;
        if (f == 2) {
            Mask halo(fw, height, Circle(cx, cy, r + 1.8f));
            const Mask wide = InsideFrame(halo.Blurred(3.0f));
            for (float opacity : {1.0f, 1.0f, 0.8f}) c.Fill(wide, Solid(Rgb(110, 255, 100)), opacity);
        }
        Shadow(c, Circle(cx, cy, r + 1.6f), 0, f == 1 ? 0.5f : 1.2f, 1.6f, f == 2 ? 0.2f : 0.45f);
        Lamp(c, cx, cy, r, *colours[f], true);
        if (f == 1) c.ScaleColours(0.92f);
    }
    return Strip(frames);
}

std::vector<uint8_t> SensorLamps(int* width, int* height) {
    *width = 48;
    *height = 16;
    Canvas c(48, 16);
    const LampColours bright{Rgb(210, 255, 190), Rgb(70, 230, 70), Rgb(20, 130, 26)};
    const LampColours dark{Rgb(70, 124, 70), Rgb(34, 86, 36), Rgb(12, 48, 14)};
    const LampColours gray{Rgb(228, 228, 228), Rgb(160, 160, 162), Rgb(96, 98, 102)};
    const LampColours* cells[] = {&bright, &dark, &gray};
    for (int i = 0; i < 3; ++i) {
        const float cx = 16 * i + 8.0f, cy = 8.0f;
        c.Fill(Circle(cx, cy, 7.4f), Linear({cx, cy - 7}, {cx, cy + 7}, Rgb(120, 126, 138), Rgb(232, 236, 242)));
        Lamp(c, cx, cy, 6.0f, *cells[i], false);
    }
    return Keyed(c);
}

std::vector<uint8_t> Logo(int width, int height, const Fonts& fonts) {
    Canvas c(width, height);
    // The mark: a small glossy badge with a sheet under the reading beam.
    const float r = height / 2.0f - 1.5f, cx = r + 1.5f, cy = height / 2.0f;
    c.Fill(Circle(cx, cy, r), Linear({cx, cy - r}, {cx, cy + r}, kSilverLight, kSilverDark));
    const float face = r - 1.8f;
    c.Fill(Circle(cx, cy, face + 0.6f), Solid(Rgb(12, 34, 82)));
    c.Fill(Circle(cx, cy, face), Radial({cx, cy + face * 0.45f}, face * 1.45f, kAzureLight, kAzureDark));
    const Sdf sheet = RoundedBox(cx - face * 0.42f, cy - face * 0.62f, cx + face * 0.42f, cy + face * 0.62f, 0.8f);
    c.Fill(sheet, Linear({cx, cy - face}, {cx, cy + face}, kPaperTop, kPaperBottom));
    for (int i = 0; i < 4; ++i) {
        const float y = cy - face * 0.38f + i * face * 0.2f;
        c.Fill(Segment({cx - face * 0.26f, y}, {cx + face * (i == 3 ? 0.05f : 0.26f), y}, 0.55f), Solid(kInk));
    }
    const Sdf beam = Segment({cx - face * 0.62f, cy + face * 0.30f}, {cx + face * 0.62f, cy + face * 0.30f}, 0.8f);
    Mask glow(width, height, Grown(beam, 0.8f));
    c.Fill(glow.Blurred(1.8f), Solid(kBeam), 0.9f);
    c.Fill(beam, Solid(Rgb(170, 245, 255)));
    Gloss(c, cx, cy, face, 0.9f);

    // The name: "Tavix" in bold navy, "Scanner" lighter beside it, as large
    // as the width allows.
    const float x0 = 2 * r + 8.0f;
    float size = 25.0f;
    auto nameWidth = [&](float s) {
        return fonts.bold.Measure("Tavix", s) + s * 0.22f + fonts.regular.Measure("Scanner", s * 0.84f);
    };
    while (size > 10 && x0 + nameWidth(size) > width - 2) size -= 0.25f;
    const float cap = fonts.bold.CapHeight(size);
    const float baseline = std::round(cy + cap / 2.0f);
    c.Fill(fonts.bold.Render(width, height, "Tavix", size, x0, baseline),
           Linear({0, baseline - cap}, {0, baseline}, Rgb(34, 76, 150), kNavy));
    const float x1 = x0 + fonts.bold.Measure("Tavix", size) + size * 0.22f;
    c.Fill(fonts.regular.Render(width, height, "Scanner", size * 0.84f, x1, baseline),
           Solid(Rgb(38, 118, 206)));
    return Keyed(c);
}

std::vector<uint8_t> LanguagePicture(int width, int height, const Fonts& fonts) {
    Canvas c(width, height);
    const Sdf all = RoundedBox(-1, -1, width + 1.0f, height + 1.0f, 0);
    c.Fill(all, Linear({0, 0}, {0, static_cast<float>(height)}, Rgb(252, 253, 255), Rgb(212, 228, 246)));

    // Soft waves along the bottom edge.
    for (int i = 0; i < 2; ++i) {
        const float base = height - 46.0f + i * 18, amplitude = 9.0f - i * 3;
        const Sdf wave = [=](float x, float y) {
            return base + amplitude * std::sin(x / width * 2 * kPi * (1.2f + i * 0.5f) + i * 1.7f) - y;
        };
        c.Fill(wave, Linear({0, base - 10}, {0, static_cast<float>(height)},
                            i ? Rgb(34, 100, 196) : Rgb(120, 176, 236), i ? Rgb(14, 52, 130) : Rgb(70, 130, 210)),
               i ? 1.0f : 0.6f);
    }

    // A globe over the buttons.
    const float gx = width / 2.0f, gy = 96.0f, gr = 70.0f;
    Shadow(c, Circle(gx, gy, gr), 2.0f, 4.0f, 7.0f, 0.45f);
    c.Fill(Circle(gx, gy, gr + 2.5f), Linear({gx, gy - gr}, {gx, gy + gr}, kSilverLight, kSilverDark));
    c.Fill(Circle(gx, gy, gr), Radial({gx - gr * 0.25f, gy + gr * 0.35f}, gr * 1.5f, kAzureLight, kAzureDark));
    const Sdf inside = Circle(gx, gy, gr - 0.5f);
    // Stylised land: the Americas at the left edge, Europe and Africa in the
    // middle, Asia to the right; rounded off by growing the outlines.
    const std::vector<std::vector<Point>> lands = {
        {{-0.95f, -0.30f}, {-0.75f, -0.58f}, {-0.50f, -0.62f}, {-0.42f, -0.46f}, {-0.58f, -0.30f}, {-0.74f, -0.14f}, {-0.92f, -0.10f}},
        {{-0.86f, 0.06f}, {-0.60f, 0.10f}, {-0.48f, 0.26f}, {-0.58f, 0.50f}, {-0.70f, 0.68f}, {-0.80f, 0.46f}, {-0.92f, 0.26f}},
        {{-0.16f, -0.56f}, {0.04f, -0.72f}, {0.30f, -0.64f}, {0.42f, -0.46f}, {0.30f, -0.32f}, {0.12f, -0.30f}, {0.02f, -0.20f}, {-0.12f, -0.26f}, {-0.22f, -0.40f}},
        {{-0.22f, -0.12f}, {0.05f, -0.16f}, {0.30f, -0.10f}, {0.42f, 0.05f}, {0.34f, 0.22f}, {0.24f, 0.46f}, {0.12f, 0.68f}, {0.00f, 0.60f}, {-0.06f, 0.36f}, {-0.16f, 0.16f}, {-0.32f, 0.04f}},
        {{0.52f, -0.58f}, {0.80f, -0.46f}, {0.96f, -0.20f}, {0.86f, 0.02f}, {0.66f, 0.06f}, {0.52f, -0.14f}, {0.46f, -0.36f}},
    };
    for (const auto& land : lands) {
        std::vector<Point> outline;
        for (const Point& p : land) outline.push_back({gx + p.x * gr, gy + p.y * gr});
        c.Fill(Intersect(Grown(Polygon(outline), 3.0f), inside),
               Radial({gx - gr * 0.3f, gy - gr * 0.2f}, gr * 1.6f, Rgb(150, 214, 110), Rgb(40, 118, 56)));
    }
    // Darker towards the rim, as a sphere.
    c.Fill(inside, Radial({gx - gr * 0.2f, gy - gr * 0.2f}, gr * 1.25f, Color{0, 0.05f, 0.2f, 0.0f}, Color{0, 0.05f, 0.2f, 0.45f}));
    const Color line{1, 1, 1, 0.32f};
    // Parallels: the near halves of flat ellipses, as seen from a little above.
    for (int i = -2; i <= 2; ++i) {
        const float y = gy + i * gr * 0.36f;
        const float half = std::sqrt(std::max(0.0f, gr * gr - (y - gy) * (y - gy)));
        const float depth = half * 0.14f + 0.01f;
        const Sdf near = [=](float, float yy) { return y - yy; };
        c.Fill(Intersect(Intersect([=](float x, float yy) { return std::fabs(Ellipse(gx, y, half, depth)(x, yy)) - 0.7f; },
                                   near),
                         inside),
               Solid(line));
    }
    for (int i = 0; i < 4; ++i) {
        const float rx = gr * (0.18f + 0.27f * i);
        c.Fill(Intersect([=](float x, float y) { return std::fabs(Ellipse(gx, gy, rx, gr)(x, y)) - 0.7f; }, inside),
               Solid(line));
    }
    c.Fill(Intersect(Segment({gx, gy - gr}, {gx, gy + gr}, 0.7f), inside), Solid(line));
    Gloss(c, gx, gy, gr, 0.9f);

    // Greetings around the globe, in the same five languages.
    struct Bubble {
        const char* text;
        float x, y;
        bool tailRight;
    };
    const Bubble bubbles[] = {{"Hello", 70, 44, true},   {"Hola", 92, 128, true}, {"Bonjour", 400, 40, false},
                              {"Hallo", 398, 118, false}, {"Ciao", 350, 168, false}};
    for (const Bubble& bubble : bubbles) {
        const float size = 15.0f;
        const float tw = fonts.bold.Measure(bubble.text, size);
        const float bw = tw + 20, bh = 26;
        const float left = bubble.x - bw / 2, top = bubble.y - bh / 2;
        const float tail = bubble.tailRight ? left + bw - 14 : left + 14;
        const float toward = bubble.tailRight ? 12.0f : -12.0f;
        const Sdf shape = Union(RoundedBox(left, top, left + bw, top + bh, 11),
                                Polygon({{tail - 6, top + bh - 2}, {tail + 6, top + bh - 2}, {tail + toward, top + bh + 9}}));
        Shadow(c, shape, 1.0f, 2.0f, 3.0f, 0.35f);
        c.Fill(Grown(shape, 0.8f), Solid(Rgb(120, 150, 196)));
        c.Fill(shape, Linear({0, top}, {0, top + bh}, Rgb(255, 255, 255), Rgb(230, 238, 250)));
        c.Fill(fonts.bold.Render(width, height, bubble.text, size, left + 10, top + bh / 2 + fonts.bold.CapHeight(size) / 2),
               Solid(kAzureDark));
    }

    // The panel the language buttons lie on, and each language's name beside
    // the spot of its button.
    const Sdf panel = RoundedBox(16, 198, width - 16.0f, 300, 12);
    Shadow(c, panel, 0, 2.0f, 5.0f, 0.3f);
    c.Fill(Grown(panel, 1.0f), Solid(Rgb(150, 176, 214)));
    c.Fill(panel, Linear({0, 198}, {0, 300}, Rgb(255, 255, 255), Rgb(238, 244, 252)));
    // By selection index, as the spots.
    const char* const names[] = {"English", "Français", "Español", "Italiano", "Deutsch"};
    static_assert(std::size(names) == std::size(kLanguageLampSpots), "one name per lamp");
    const float size = 16.0f;
    const float cap = fonts.bold.CapHeight(size);
    for (size_t i = 0; i < std::size(names); ++i) {
        const LanguageLampSpot& spot = kLanguageLampSpots[i];
        const float x = static_cast<float>(spot.left + kLanguageLampWidth + kLanguageNameGap);
        const float baseline = std::round(spot.top + kLanguageLampHeight / 2.0f + cap / 2);
        c.Fill(fonts.bold.Render(width, height, names[i], size, x, baseline), Solid(kNavy));
    }
    return c.RgbOn(kWhite);
}

RgbaImage PromptIcon(int size) {
    Canvas c(size, size);
    const float k = size / 32.0f;
    // A calibration sheet, half black, going into the scanner's slot.
    const Sdf sheet = RoundedBox(8 * k, 1.5f * k, 24 * k, 19 * k, 0.6f * k);
    c.Fill(Grown(sheet, 0.6f), Solid(Rgb(70, 80, 96)));
    c.Fill(sheet, Solid(kWhite));
    c.Fill(RoundedBox(9.2f * k, 2.7f * k, 16 * k, 19 * k, 0.3f * k), Solid(Rgb(20, 22, 28)));
    if (size >= 32) {
        for (int i = 0; i < 3; ++i)
            c.Fill(RoundedBox(17.5f * k, (4 + 3.2f * i) * k, 22.5f * k, (5.3f + 3.2f * i) * k, 0.3f),
                   Solid(Rgb(150, 158, 172)));
    }
    const Sdf body = RoundedBox(1.5f * k, 14 * k, 30.5f * k, 29 * k, 3.2f * k);
    Shadow(c, body, 0, 0.8f * k, 1.2f * k, 0.4f);
    c.Fill(Grown(body, 0.7f), Solid(Rgb(50, 58, 74)));
    c.Fill(body, Linear({0, 14 * k}, {0, 29 * k}, kSilverLight, kSilverDark));
    c.Fill(RoundedBox(5 * k, 15.6f * k, 27 * k, 18.2f * k, 1.2f * k), Solid(Rgb(34, 40, 52)));
    c.Fill(RoundedBox(5 * k, 22.5f * k, 19 * k, 24.8f * k, 1.1f * k), Linear({5 * k, 0}, {19 * k, 0}, kAzureLight, kAzureDark));
    c.Fill(Circle(25 * k, 23.6f * k, 1.9f * k), Radial({25 * k, 23 * k}, 2.2f * k, Rgb(200, 255, 180), Rgb(30, 160, 40)));
    // The sheet disappears into the slot, under the scanner's light.
    c.Fill(RoundedBox(8 * k, 15.6f * k, 24 * k, 17.2f * k, 0), Solid(Rgb(34, 40, 52)), 0.55f);
    const Sdf beam = RoundedBox(6 * k, 16.4f * k, 26 * k, 17.4f * k, 0.5f * k);
    Mask glow(size, size, Grown(beam, 0.5f * k));
    c.Fill(glow.Blurred(1.2f * k), Solid(kBeam), 0.8f);
    c.Fill(beam, Solid(Rgb(190, 250, 255)));
    RgbaImage image{size, size, c.Rgba()};
    return image;
}

RgbaImage ZoomCursor(int* hotX, int* hotY) {
    Canvas c(32, 32);
    const float lx = 12.5f, ly = 12.5f, lr = 8.5f;
    const Sdf handle = Segment({lx + lr * 0.72f, ly + lr * 0.72f}, {27.5f, 27.5f}, 2.4f);
    const Sdf ring = Subtract(Circle(lx, ly, lr + 1.3f), Circle(lx, ly, lr - 1.3f));
    // A white outline so the cursor shows on dark pictures too.
    c.Fill(Grown(Union(Union(handle, ring), Circle(lx, ly, lr)), 1.3f), Solid(kWhite));
    c.Fill(Circle(lx, ly, lr), Radial({lx - 3, ly - 3}, lr * 1.6f, Color{0.85f, 0.94f, 1.0f, 0.85f}, Color{0.55f, 0.75f, 0.95f, 0.85f}));
    c.Fill(Segment({lx - 4.2f, ly}, {lx + 4.2f, ly}, 1.0f), Solid(Rgb(16, 24, 40)));
    c.Fill(Segment({lx, ly - 4.2f}, {lx, ly + 4.2f}, 1.0f), Solid(Rgb(16, 24, 40)));
    c.Fill(ring, Linear({lx - lr, ly - lr}, {lx + lr, ly + lr}, Rgb(110, 118, 132), Rgb(30, 36, 48)));
    c.Fill(handle, Linear({24, 20}, {20, 24}, Rgb(70, 76, 90), Rgb(16, 20, 30)));
    c.Fill(Segment({lx + lr * 0.9f, ly + lr * 0.9f}, {26.2f, 26.2f}, 0.7f), Solid(Rgb(150, 158, 172)), 0.8f);
    *hotX = 12;
    *hotY = 12;
    RgbaImage image{32, 32, c.Rgba()};
    return image;
}
