#include "raster.h"

#include <algorithm>
#include <cmath>

namespace assetgen {

namespace {

int Clamp_Channel(float v) {
    return static_cast<int>(std::clamp(v + 0.5f, 0.0f, 255.0f));
}

// A colour that looks the same as the key but is not the key.
Colour Beside_Key(Colour c) {
    return c ^ 0x000100u;
}

}  // namespace

Colour Rgb(int r, int g, int b) {
    return (static_cast<Colour>(std::clamp(r, 0, 255)) << 16) |
           (static_cast<Colour>(std::clamp(g, 0, 255)) << 8) |
           static_cast<Colour>(std::clamp(b, 0, 255));
}

Colour Mix(Colour a, Colour b, float t) {
    t = std::clamp(t, 0.0f, 1.0f);
    return Rgb(Clamp_Channel(Red(a) + (Red(b) - Red(a)) * t),
               Clamp_Channel(Green(a) + (Green(b) - Green(a)) * t),
               Clamp_Channel(Blue(a) + (Blue(b) - Blue(a)) * t));
}

Colour Scale(Colour c, float f) {
    return Rgb(Clamp_Channel(Red(c) * f), Clamp_Channel(Green(c) * f), Clamp_Channel(Blue(c) * f));
}

Colour Add(Colour base, Colour light, float amount) {
    return Rgb(Clamp_Channel(Red(base) + Red(light) * amount),
               Clamp_Channel(Green(base) + Green(light) * amount),
               Clamp_Channel(Blue(base) + Blue(light) * amount));
}

Image Blank(const zarvo::Image_Spec& entry) {
    return Blank(entry.Width, entry.Height, entry.Key);
}

Image Blank(int width, int height, int32_t key) {
    Image img;
    img.Width = width;
    img.Height = height;
    img.Key = key;
    img.Pixels.assign(static_cast<size_t>(width) * height, key < 0 ? 0u : static_cast<Colour>(key));
    return img;
}

bool Is_Clear(const Image& img, int x, int y) {
    if (x < 0 || y < 0 || x >= img.Width || y >= img.Height) return true;
    return img.Key >= 0 && img.At(x, y) == static_cast<Colour>(img.Key);
}

void Put(Image& img, int x, int y, Colour c) {
    if (x < 0 || y < 0 || x >= img.Width || y >= img.Height) return;
    if (img.Key >= 0 && c == static_cast<Colour>(img.Key)) c = Beside_Key(c);
    img.Pixels[static_cast<size_t>(y) * img.Width + x] = c & 0xFFFFFFu;
}

void Blend(Image& img, int x, int y, Colour c, float alpha) {
    if (alpha <= 0.0f || x < 0 || y < 0 || x >= img.Width || y >= img.Height) return;
    if (Is_Clear(img, x, y)) {
        if (alpha >= 0.5f) Put(img, x, y, c);
        return;
    }
    Put(img, x, y, alpha >= 1.0f ? c : Mix(img.At(x, y), c, alpha));
}

void Light(Image& img, int x, int y, Colour c, float amount, float min_amount) {
    if (amount <= 0.0f || x < 0 || y < 0 || x >= img.Width || y >= img.Height) return;
    if (Is_Clear(img, x, y)) {
        if (amount >= min_amount) Put(img, x, y, Scale(c, std::min(1.0f, amount)));
        return;
    }
    Put(img, x, y, Add(img.At(x, y), c, amount));
}

float Sd_Circle(float px, float py, float cx, float cy, float r) {
    return std::hypot(px - cx, py - cy) - r;
}

float Sd_Ellipse(float px, float py, float cx, float cy, float rx, float ry) {
    const float nx = (px - cx) / rx, ny = (py - cy) / ry;
    return (std::sqrt(nx * nx + ny * ny) - 1.0f) * std::min(rx, ry);
}

float Sd_Box(float px, float py, float cx, float cy, float half_w, float half_h, float radius) {
    const float qx = std::fabs(px - cx) - half_w + radius;
    const float qy = std::fabs(py - cy) - half_h + radius;
    // Beside a side rather than off a corner the distance is along one axis alone, exactly
    // what the square root would give for it.
    const float outside = qx <= 0.0f ? std::max(qy, 0.0f) : qy <= 0.0f ? qx : std::hypot(qx, qy);
    return outside + std::min(std::max(qx, qy), 0.0f) - radius;
}

float Sd_Segment(float px, float py, float ax, float ay, float bx, float by, float r) {
    const float dx = bx - ax, dy = by - ay;
    const float len2 = dx * dx + dy * dy;
    float t = len2 > 0.0f ? ((px - ax) * dx + (py - ay) * dy) / len2 : 0.0f;
    t = std::clamp(t, 0.0f, 1.0f);
    return std::hypot(px - ax - dx * t, py - ay - dy * t) - r;
}

float Sd_Polygon(float px, float py, const std::vector<Point>& pts) {
    float d = 1e9f;
    bool inside = false;
    for (size_t i = 0, j = pts.size() - 1; i < pts.size(); j = i++) {
        d = std::min(d, Sd_Segment(px, py, pts[j].x, pts[j].y, pts[i].x, pts[i].y, 0.0f));
        const bool crosses = (pts[i].y > py) != (pts[j].y > py);
        if (crosses &&
            px < (pts[j].x - pts[i].x) * (py - pts[i].y) / (pts[j].y - pts[i].y) + pts[i].x)
            inside = !inside;
    }
    return inside ? -d : d;
}

void Fill(Image& img, float x0, float y0, float x1, float y1, const Distance& d, const Shader& s) {
    const int ix0 = std::max(0, static_cast<int>(std::floor(x0)) - 1);
    const int iy0 = std::max(0, static_cast<int>(std::floor(y0)) - 1);
    const int ix1 = std::min(img.Width - 1, static_cast<int>(std::ceil(x1)) + 1);
    const int iy1 = std::min(img.Height - 1, static_cast<int>(std::ceil(y1)) + 1);
    for (int y = iy0; y <= iy1; ++y)
        for (int x = ix0; x <= ix1; ++x) {
            const float px = x + 0.5f, py = y + 0.5f;
            const float coverage = std::clamp(0.5f - d(px, py), 0.0f, 1.0f);
            if (coverage > 0.0f) Blend(img, x, y, s(px, py), coverage);
        }
}

void Fill(Image& img, float x0, float y0, float x1, float y1, const Distance& d, Colour c) {
    Fill(img, x0, y0, x1, y1, d, [c](float, float) { return c; });
}

void Rect(Image& img, int x, int y, int w, int h, Colour c) {
    for (int yy = y; yy < y + h; ++yy)
        for (int xx = x; xx < x + w; ++xx) Put(img, xx, yy, c);
}

void Frame(Image& img, int x, int y, int w, int h, Colour c) {
    Rect(img, x, y, w, 1, c);
    Rect(img, x, y + h - 1, w, 1, c);
    Rect(img, x, y, 1, h, c);
    Rect(img, x + w - 1, y, 1, h, c);
}

void Disc(Image& img, float cx, float cy, float r, Colour c) {
    Fill(
        img, cx - r, cy - r, cx + r, cy + r,
        [=](float x, float y) { return Sd_Circle(x, y, cx, cy, r); }, c);
}

void Ellipse(Image& img, float cx, float cy, float rx, float ry, Colour c) {
    Fill(
        img, cx - rx, cy - ry, cx + rx, cy + ry,
        [=](float x, float y) { return Sd_Ellipse(x, y, cx, cy, rx, ry); }, c);
}

void Capsule(Image& img, float ax, float ay, float bx, float by, float r, Colour c) {
    Fill(
        img, std::min(ax, bx) - r, std::min(ay, by) - r, std::max(ax, bx) + r, std::max(ay, by) + r,
        [=](float x, float y) { return Sd_Segment(x, y, ax, ay, bx, by, r); }, c);
}

void Polygon(Image& img, const std::vector<Point>& pts, Colour c) {
    float x0 = 1e9f, y0 = 1e9f, x1 = -1e9f, y1 = -1e9f;
    for (const Point& p : pts) {
        x0 = std::min(x0, p.x), y0 = std::min(y0, p.y);
        x1 = std::max(x1, p.x), y1 = std::max(y1, p.y);
    }
    Fill(
        img, x0, y0, x1, y1, [&pts](float x, float y) { return Sd_Polygon(x, y, pts); }, c);
}

void Rounded_Box(Image& img, float x, float y, float w, float h, float radius, Colour c) {
    const float cx = x + w / 2, cy = y + h / 2;
    Fill(
        img, x, y, x + w, y + h,
        [=](float px, float py) { return Sd_Box(px, py, cx, cy, w / 2, h / 2, radius); }, c);
}

namespace {

// Diffuse and specular light of a surface normal, lit from the upper left and the viewer.
Colour Lit(Colour base, float nx, float ny, float nz) {
    const float lx = -0.5f, ly = -0.6f, lz = 0.62f;
    const float diffuse = std::max(0.0f, nx * lx + ny * ly + nz * lz);
    const float hz = nz * 0.92f + (nx * lx + ny * ly) * 0.4f;
    const float specular = std::pow(std::max(0.0f, hz), 24.0f);
    return Add(Scale(base, 0.35f + 0.85f * diffuse), 0xFFFFFF, 0.55f * specular);
}

}  // namespace

void Ball(Image& img, float cx, float cy, float r, Colour base) {
    Dome(img, cx, cy, r, r, base);
}

void Dome(Image& img, float cx, float cy, float rx, float ry, Colour base) {
    Fill(
        img, cx - rx, cy - ry, cx + rx, cy + ry,
        [=](float x, float y) { return Sd_Ellipse(x, y, cx, cy, rx, ry); },
        [=](float x, float y) {
            const float nx = (x - cx) / rx, ny = (y - cy) / ry;
            const float nz = std::sqrt(std::max(0.0f, 1.0f - nx * nx - ny * ny));
            return Lit(base, nx, ny, nz);
        });
}

void Glow(Image& img, float cx, float cy, float radius, Colour c, float strength) {
    const int x0 = static_cast<int>(cx - radius) - 1, x1 = static_cast<int>(cx + radius) + 1;
    const int y0 = static_cast<int>(cy - radius) - 1, y1 = static_cast<int>(cy + radius) + 1;
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x) {
            const float d = std::hypot(x + 0.5f - cx, y + 0.5f - cy) / radius;
            if (d >= 1.0f) continue;
            const float fall = (1.0f - d) * (1.0f - d);
            Light(img, x, y, c, strength * fall);
        }
}

void Star(Image& img, float cx, float cy, float r_outer, float r_inner, int points, float turn,
          Colour c) {
    std::vector<Point> pts;
    for (int i = 0; i < points * 2; ++i) {
        const float a = turn + static_cast<float>(i) * 3.14159265f / points;
        const float r = (i % 2 == 0) ? r_outer : r_inner;
        pts.push_back({cx + r * std::sin(a), cy - r * std::cos(a)});
    }
    Polygon(img, pts, c);
}

void Outline(Image& img, Colour c, bool corners) {
    const Image before = img;
    for (int y = 0; y < img.Height; ++y)
        for (int x = 0; x < img.Width; ++x) {
            if (!Is_Clear(before, x, y)) continue;
            bool touches = !Is_Clear(before, x - 1, y) || !Is_Clear(before, x + 1, y) ||
                           !Is_Clear(before, x, y - 1) || !Is_Clear(before, x, y + 1);
            if (corners)
                touches = touches || !Is_Clear(before, x - 1, y - 1) ||
                          !Is_Clear(before, x + 1, y - 1) || !Is_Clear(before, x - 1, y + 1) ||
                          !Is_Clear(before, x + 1, y + 1);
            if (touches) Put(img, x, y, c);
        }
}

void Rim_Light(Image& img, float amount) {
    const Image before = img;
    for (int y = 0; y < img.Height; ++y)
        for (int x = 0; x < img.Width; ++x) {
            if (Is_Clear(before, x, y)) continue;
            if (Is_Clear(before, x - 1, y) || Is_Clear(before, x, y - 1))
                Put(img, x, y, Add(before.At(x, y), 0xFFFFFF, amount * 0.5f));
            else if (Is_Clear(before, x + 1, y) || Is_Clear(before, x, y + 1))
                Put(img, x, y, Scale(before.At(x, y), 1.0f - amount));
        }
}

Image Silhouette(const Image& body, Colour c) {
    Image out = Blank(body.Width, body.Height, body.Key);
    for (int y = 0; y < body.Height; ++y)
        for (int x = 0; x < body.Width; ++x)
            if (!Is_Clear(body, x, y)) Put(out, x, y, c);
    return out;
}

Image Flip_X(const Image& img) {
    Image out = img;
    for (int y = 0; y < img.Height; ++y)
        for (int x = 0; x < img.Width; ++x)
            out.Pixels[static_cast<size_t>(y) * img.Width + x] = img.At(img.Width - 1 - x, y);
    return out;
}

Image Flip_Y(const Image& img) {
    Image out = img;
    for (int y = 0; y < img.Height; ++y)
        for (int x = 0; x < img.Width; ++x)
            out.Pixels[static_cast<size_t>(y) * img.Width + x] = img.At(x, img.Height - 1 - y);
    return out;
}

Image Rotate_CW(const Image& img) {
    Image out = Blank(img.Height, img.Width, img.Key);
    for (int y = 0; y < out.Height; ++y)
        for (int x = 0; x < out.Width; ++x)
            out.Pixels[static_cast<size_t>(y) * out.Width + x] = img.At(y, img.Height - 1 - x);
    return out;
}

void Stamp(Image& dst, const Image& src, int x, int y) {
    for (int sy = 0; sy < src.Height; ++sy)
        for (int sx = 0; sx < src.Width; ++sx)
            if (!Is_Clear(src, sx, sy)) Put(dst, x + sx, y + sy, src.At(sx, sy));
}

void Stamp_Scaled(Image& dst, const Image& src, int x, int y, int w, int h) {
    for (int dy = 0; dy < h; ++dy)
        for (int dx = 0; dx < w; ++dx) {
            const int sx = dx * src.Width / w, sy = dy * src.Height / h;
            if (!Is_Clear(src, sx, sy)) Put(dst, x + dx, y + dy, src.At(sx, sy));
        }
}

}  // namespace assetgen
