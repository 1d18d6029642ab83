#pragma once
// The generator's small drawing library: colours, keyed canvases, shapes given by signed
// distance, shading, outlines and silhouettes. Every write goes through Put, which never
// leaves the colour key in a drawn pixel, so a keyed picture is transparent exactly where
// nothing was drawn.
#include <cstdint>
#include <functional>
#include <vector>

#include "assets/catalogue.h"
#include "platform/surface.h"

namespace assetgen {

using zarvo::Image;
using Colour = uint32_t;

Colour Rgb(int r, int g, int b);
inline int Red(Colour c) {
    return (c >> 16) & 0xFF;
}
inline int Green(Colour c) {
    return (c >> 8) & 0xFF;
}
inline int Blue(Colour c) {
    return c & 0xFF;
}
// t = 0 gives a, t = 1 gives b.
Colour Mix(Colour a, Colour b, float t);
// Multiplies every channel by f (clamped).
Colour Scale(Colour c, float f);
// Adds amount of light of colour c (clamped).
Colour Add(Colour base, Colour light, float amount);

// A canvas of the catalogue's size filled with its key, or with black when opaque.
Image Blank(const zarvo::Image_Spec& entry);
Image Blank(int width, int height, int32_t key);

// True outside the canvas and where the canvas still shows its key.
bool Is_Clear(const Image& img, int x, int y);
void Put(Image& img, int x, int y, Colour c);
// Blends c over the pixel with the given coverage; over a clear pixel it writes c when the
// coverage reaches one half, so silhouettes stay crisp against the key.
void Blend(Image& img, int x, int y, Colour c, float alpha);
// Adds light to a drawn pixel; over a clear pixel it draws the light itself (dimmed by the
// amount) once the amount reaches min_amount.
void Light(Image& img, int x, int y, Colour c, float amount, float min_amount = 0.25f);

struct Point {
    float x, y;
};

// Signed distances (negative inside).
float Sd_Circle(float px, float py, float cx, float cy, float r);
float Sd_Ellipse(float px, float py, float cx, float cy, float rx, float ry);
float Sd_Box(float px, float py, float cx, float cy, float half_w, float half_h, float radius);
float Sd_Segment(float px, float py, float ax, float ay, float bx, float by, float r);
float Sd_Polygon(float px, float py, const std::vector<Point>& pts);

using Distance = std::function<float(float x, float y)>;
using Shader = std::function<Colour(float x, float y)>;

// Fills every pixel whose centre lies inside the distance field (anti-aliased one pixel wide)
// within the box x0..x1, y0..y1, coloured by the shader.
void Fill(Image& img, float x0, float y0, float x1, float y1, const Distance& d, const Shader& s);
void Fill(Image& img, float x0, float y0, float x1, float y1, const Distance& d, Colour c);

void Rect(Image& img, int x, int y, int w, int h, Colour c);
void Frame(Image& img, int x, int y, int w, int h, Colour c);
void Disc(Image& img, float cx, float cy, float r, Colour c);
void Ellipse(Image& img, float cx, float cy, float rx, float ry, Colour c);
void Capsule(Image& img, float ax, float ay, float bx, float by, float r, Colour c);
void Polygon(Image& img, const std::vector<Point>& pts, Colour c);
void Rounded_Box(Image& img, float x, float y, float w, float h, float radius, Colour c);
// A sphere lit from the upper left, with a highlight.
void Ball(Image& img, float cx, float cy, float r, Colour base);
// An ellipsoid body lit from the upper left.
void Dome(Image& img, float cx, float cy, float rx, float ry, Colour base);
// A soft additive glow around a point.
void Glow(Image& img, float cx, float cy, float radius, Colour c, float strength = 1.0f);
// A four-pointed (or more) star of light.
void Star(Image& img, float cx, float cy, float r_outer, float r_inner, int points, float turn,
          Colour c);

// Draws colour c on every clear pixel that touches a drawn one (four neighbours; with corners
// also the diagonal ones, for a closed contour that holds against busy backgrounds).
void Outline(Image& img, Colour c, bool corners = false);
// Darkens the drawn pixels at the lower right of the silhouette and lightens the upper left.
void Rim_Light(Image& img, float amount);
// The shape of body filled with one dark colour, on the same key.
Image Silhouette(const Image& body, Colour c);
// The colour of every shadow: the floor's steel darkened, solid, so that a shadow turned to
// any angle stays an even tint (a checkerboard turned breaks into moire) and reads as shade
// on the floor, never as a hole in it.
inline constexpr Colour Shadow_Tint = 0x1A1F28;
Image Flip_X(const Image& img);
Image Flip_Y(const Image& img);
// Turns a quarter clockwise (width and height exchange).
Image Rotate_CW(const Image& img);
// Copies the drawn pixels of src onto dst with src's top-left at (x, y).
void Stamp(Image& dst, const Image& src, int x, int y);
// Copies src scaled by nearest neighbour into the rectangle (x, y, w, h) of dst.
void Stamp_Scaled(Image& dst, const Image& src, int x, int y, int w, int h);

}  // namespace assetgen
