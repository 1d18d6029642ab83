// The drawing rules of the back buffer: clipping, the colour key and the rotated draw.
#include "platform/surface.h"

#include <gtest/gtest.h>

#include <random>
#include <utility>

#include "platform/headless/headless_media.h"

namespace zarvo {
namespace {

Image Make_Image(int w, int h, int32_t key = -1) {
    Image img;
    img.Width = w, img.Height = h, img.Key = key;
    img.Pixels.resize(static_cast<size_t>(w) * h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            img.Pixels[static_cast<size_t>(y) * w + x] = 0x010000u * (x + 1) + 0x000100u * (y + 1);
    return img;
}

TEST(Draw_Image, ClipsOnTheLeftAndShowsOnlyTheRightPart) {
    Surface s(622, 513);
    Image img = Make_Image(32, 8);
    Draw_Image(s, img, -16, 0);
    EXPECT_EQ(s.At(0, 0), img.At(16, 0));
    EXPECT_EQ(s.At(15, 7), img.At(31, 7));
    EXPECT_EQ(s.At(16, 0), 0u);
}

TEST(Draw_Image, DrawsNothingAtOrBeyondTheRightAndBottomEdges) {
    Surface s(622, 513);
    Image img = Make_Image(8, 8);
    Draw_Image(s, img, 622, 10);
    Draw_Image(s, img, 10, 513);
    Draw_Image(s, img, 700, 700);
    for (uint32_t p : s.Pixels) ASSERT_EQ(p, 0u);
    Draw_Image(s, img, 618, 509);  // clipped at the right and the bottom
    EXPECT_EQ(s.At(621, 512), img.At(3, 3));
}

TEST(Draw_Image, NothingForAnUnloadedImageOrAFrameOutOfRange) {
    Surface s(20, 20);
    Image empty;
    Draw_Image(s, empty, 0, 0);
    Image img = Make_Image(4, 4);
    Draw_Image(s, img, 0, 0, 1);
    Draw_Image(s, img, 0, 0, -1);
    for (uint32_t p : s.Pixels) ASSERT_EQ(p, 0u);
}

TEST(Draw_Image, ColourKeySkipsExactlyTheKeyColour) {
    Surface s(4, 1);
    s.Fill(0x123456);
    Image img = Make_Image(4, 1, 0x0000FF);
    img.Pixels = {0x0000FF, 0x0000FE, 0x0001FF, 0x000000};
    Draw_Image(s, img, 0, 0);
    EXPECT_EQ(s.At(0, 0), 0x123456u);
    EXPECT_EQ(s.At(1, 0), 0x0000FEu);
    EXPECT_EQ(s.At(2, 0), 0x0001FFu);
    EXPECT_EQ(s.At(3, 0), 0x000000u);
}

TEST(Draw_Image, OpaqueImageCopiesKeyColouredPixelsToo) {
    Surface s(2, 1);
    Image img = Make_Image(2, 1, -1);
    img.Pixels = {0x0000FF, 0x00FF00};
    Draw_Image(s, img, 0, 0);
    EXPECT_EQ(s.At(0, 0), 0x0000FFu);
}

TEST(Draw_Image_Rotated, Angle256DrawsTheSameAsAngle0) {
    Image img = Make_Image(12, 20);
    Surface a(64, 64), b(64, 64);
    Draw_Image_Rotated(a, img, 30, 30, 12, 20, 0, 0.5, 0.5, 0);
    Draw_Image_Rotated(b, img, 30, 30, 12, 20, 0, 0.5, 0.5, 256);
    EXPECT_EQ(a.Pixels, b.Pixels);
}

TEST(Draw_Image_Rotated, AngleZeroAtNativeSizeIsAPlainCopyAroundTheCentre) {
    Image img = Make_Image(10, 6);
    Surface s(40, 40);
    Draw_Image_Rotated(s, img, 20, 20, 10, 6, 0, 0.5, 0.5, 0);
    EXPECT_EQ(s.At(15, 17), img.At(0, 0));
    EXPECT_EQ(s.At(24, 22), img.At(9, 5));
    EXPECT_EQ(s.At(14, 17), 0u);
    EXPECT_EQ(s.At(25, 22), 0u);
}

TEST(Draw_Image_Rotated, Angle64IsAQuarterTurnClockwise) {
    // A 10 x 10 image whose top row is red: after a clockwise quarter turn it stands on the right.
    Image img = Make_Image(10, 10);
    for (auto& p : img.Pixels) p = 0x000040;
    for (int x = 0; x < 10; ++x) img.Pixels[static_cast<size_t>(x)] = 0xFF0000;
    Surface s(40, 40);
    Draw_Image_Rotated(s, img, 20, 20, 10, 10, 0, 0.5, 0.5, 64);
    // Destination offset dx samples source row 5 - dx, so the rows land at dx -4..5.
    EXPECT_EQ(s.At(25, 20), 0xFF0000u);  // right-hand column: the old top row
    EXPECT_EQ(s.At(24, 20), 0x000040u);
    EXPECT_EQ(s.At(16, 20), 0x000040u);  // left-hand column
    EXPECT_EQ(s.At(15, 20), 0u);
    EXPECT_EQ(s.At(20, 15), 0x000040u);  // top row
}

TEST(Draw_Image_Rotated, ShrinksByNearestNeighbourAndHonoursTheKey) {
    Image img = Make_Image(4, 4, 0x0000FF);
    img.Pixels = {0x111111, 0, 0x0000FF, 0, 0, 0, 0, 0, 0x333333, 0, 0x444444, 0, 0, 0, 0, 0};
    Surface s(20, 20);
    s.Fill(0x777777);
    Draw_Image_Rotated(s, img, 10, 10, 2, 2, 0, 0.5, 0.5, 0);
    EXPECT_EQ(s.At(9, 9), 0x111111u);
    EXPECT_EQ(s.At(10, 9), 0x777777u);  // the keyed pixel is skipped
    EXPECT_EQ(s.At(9, 10), 0x333333u);
    EXPECT_EQ(s.At(10, 10), 0x444444u);
    EXPECT_EQ(s.At(11, 11), 0x777777u);
}

// Enlarged, an image is filtered: the middle of a big source pixel keeps its colour, the
// keyed quarter shows what lies beneath, and the outline of a turned square is a ramp from
// the floor to the image, not a stair of whole pixels. At its own size a turn stays crisp.
TEST(Draw_Image_Rotated, EnlargedDrawsAreFilteredToSmoothOutlines) {
    Image quarters = Make_Image(2, 2, 0x0000FF);
    quarters.Pixels = {0x101010, 0x0000FF, 0x303030, 0x404040};
    Surface s(20, 20);
    s.Fill(0x777777);
    Draw_Image_Rotated(s, quarters, 10, 10, 8, 8, 0, 0.5, 0.5, 0);
    EXPECT_EQ(s.At(7, 7), 0x101010u);
    EXPECT_EQ(s.At(12, 7), 0x777777u);
    EXPECT_EQ(s.At(12, 12), 0x404040u);
    Image white = Make_Image(4, 4);
    std::fill(white.Pixels.begin(), white.Pixels.end(), 0xFFFFFFu);
    for (const int size : {24, 4}) {
        Surface turned(40, 40);
        Draw_Image_Rotated(turned, white, 20, 20, size, size, 0, 0.5, 0.5, 32);
        int between = 0;
        for (uint32_t p : turned.Pixels) between += p != 0 && p != 0xFFFFFFu;
        EXPECT_EQ(turned.At(20, 20), 0xFFFFFFu) << "size " << size;
        if (size == 4) {
            EXPECT_EQ(between, 0) << "size " << size;
            continue;
        }
        EXPECT_GT(between, 20) << "size " << size;
        uint32_t last = 0;  // left of the middle, the row only brightens
        for (int x = 0; x <= 20; ++x) {
            EXPECT_GE(turned.At(x, 20) & 0xFF, last & 0xFF) << "x " << x;
            last = turned.At(x, 20);
        }
    }
}

// The plain reading of the rotated mapping, pixel by pixel over a generous window, against
// which the row-clipped draw is checked (for draws that do not enlarge: those are filtered).
void Reference_Rotated(Surface& s, const Image& img, int x, int y, int w, int h, int angle) {
    const int64_t c = Cos_Table(angle), sn = Sin_Table(angle);
    const int64_t ux = c * img.Width / w, uy = sn * img.Width / w;
    const int64_t vx = -sn * img.Height / h, vy = c * img.Height / h;
    const int64_t u0 = static_cast<int64_t>(img.Width) << 15, v0 = static_cast<int64_t>(img.Height)
                                                                   << 15;
    const int reach = 2 * (w + h);
    for (int dy = -reach; dy <= reach; ++dy)
        for (int dx = -reach; dx <= reach; ++dx) {
            const int px = x + dx, py = y + dy;
            if (px < 0 || py < 0 || px >= s.Width || py >= s.Height) continue;
            const int64_t u = u0 + dx * ux + dy * uy, v = v0 + dx * vx + dy * vy;
            if (u < 0 || v < 0 || u >= (int64_t{img.Width} << 16) ||
                v >= (int64_t{img.Height} << 16))
                continue;
            const uint32_t p = img.At(static_cast<int>(u >> 16), static_cast<int>(v >> 16));
            if (img.Key >= 0 && p == static_cast<uint32_t>(img.Key)) continue;
            s.Pixels[static_cast<size_t>(py) * s.Width + px] = p;
        }
}

TEST(Draw_Image_Rotated, MatchesThePlainMappingAtEveryAngleSizeAndPlace) {
    Image img = Make_Image(13, 7, 0x030500);  // the key is the pixel at (2, 4)
    for (int angle = 0; angle < 256; angle += 5)
        for (auto [w, h] : {std::pair{13, 7}, {13, 3}, {5, 7}, {8, 7}})
            for (auto [x, y] : {std::pair{30, 30}, {2, 3}, {58, 61}}) {
                Surface fast(64, 64), plain(64, 64);
                Draw_Image_Rotated(fast, img, x, y, w, h, 0, 0.5, 0.5, angle);
                Reference_Rotated(plain, img, x, y, w, h, angle);
                ASSERT_EQ(fast.Pixels, plain.Pixels)
                    << "angle " << angle << " size " << w << "x" << h << " at " << x << "," << y;
            }
}

TEST(Draw_Image_Rotated, NothingWhenWidthOrHeightIsZero) {
    Image img = Make_Image(4, 4);
    Surface s(10, 10);
    Draw_Image_Rotated(s, img, 5, 5, 0, 4, 0, 0.5, 0.5, 0);
    Draw_Image_Rotated(s, img, 5, 5, 4, 0, 0, 0.5, 0.5, 0);
    for (uint32_t p : s.Pixels) ASSERT_EQ(p, 0u);
}

// A 20 x 20 surface drawn as the middle of a larger one: the same draw, moved by the guard band
// and kept to the pixels the small surface lets it touch, leaves the band around it untouched
// and puts the same pixels in the middle. (AddressSanitizer watches the small surface's edges.)
TEST(Draw_Image_Rotated, ClipsAtEveryEdge) {
    constexpr int Size = 20, Band = 20;
    constexpr uint32_t Guard = 0xABCDEF;
    const Image img = Make_Image(30, 30);
    for (int angle : {0, 17, 64, 100, 200}) {
        for (int x : {-10, 0, 10, 20, 30}) {
            Surface small(Size, Size);
            Draw_Image_Rotated(small, img, x, x, 30, 30, 0, 0.5, 0.5, angle);
            const Turn t{30, 30, 0.5, 0.5, angle};
            const Pixel_Rect r = Turned_Bounds(small, img, x, x, t);
            Surface big(Size + 2 * Band, Size + 2 * Band);
            big.Fill(Guard);
            Draw_Image_Rotated(big, img, x + Band, x + Band, t,
                               {r.Left + Band, r.Top + Band, r.Right + Band, r.Bottom + Band});
            int band_touched = 0, middle_differs = 0;
            for (int py = 0; py < big.Height; ++py) {
                for (int px = 0; px < big.Width; ++px) {
                    const int sx = px - Band, sy = py - Band;
                    if (sx < 0 || sy < 0 || sx >= Size || sy >= Size) {
                        band_touched += big.At(px, py) != Guard;
                    } else {
                        const uint32_t drawn = small.At(sx, sy);
                        middle_differs += big.At(px, py) != (drawn == 0 ? Guard : drawn);
                    }
                }
            }
            EXPECT_EQ(band_touched, 0) << "angle " << angle << ", at " << x;
            EXPECT_EQ(middle_differs, 0) << "angle " << angle << ", at " << x;
        }
    }
}

// Frames drawn by difference come out exactly as drawn whole, whatever changes between them:
// draws moved, added, dropped, swapped or turned, another clear colour, more draws than a list
// holds, draws after the frame was shown, and pixels written into the back buffer by hand.
TEST(Drawing_By_Difference, EveryFrameEqualsTheFrameDrawnWhole) {
    Assets assets;
    assets.Lists.push_back({Make_Image(203, 150), Make_Image(16, 16), Make_Image(13, 7, 0x030500),
                            Make_Image(40, 3), Make_Image(1, 1)});
    const auto list = static_cast<Image_List>(0);
    struct Draw {
        int index, x, y, angle = -1;  // angle >= 0: turned
    };
    std::mt19937 rng(7);
    auto below = [&](int n) { return static_cast<int>(rng() % static_cast<uint32_t>(n)); };
    auto random_draw = [&] {
        const int angle = below(4) == 0 ? below(256) : -1;
        return Draw{1 + below(4), below(240) - 30, below(190) - 30, angle};
    };
    std::vector<Draw> draws{{0, 0, 0}};
    for (int i = 0; i < 80; ++i) draws.push_back(random_draw());

    Headless_Media media(&assets, 203, 150);
    Surface whole(203, 150);
    auto draw = [&](const Draw& d) {
        const Image& img = assets.Lists[0][static_cast<size_t>(d.index)];
        if (d.angle < 0) {
            media.Draw_Image(Image_Id{list, d.index}, d.x, d.y);
            Draw_Image(whole, img, d.x, d.y);
        } else {
            media.Draw_Image_Rotated(Image_Id{list, d.index}, d.x, d.y, 2 * img.Width, img.Height,
                                     0, 0.5, 0.3, d.angle);
            Draw_Image_Rotated(whole, img, d.x, d.y, 2 * img.Width, img.Height, 0, 0.5, 0.3,
                               d.angle);
        }
    };
    uint32_t colour = 0;
    for (int frame = 0; frame < 400; ++frame) {
        const int change = below(12);
        const size_t at = 1 + static_cast<size_t>(below(static_cast<int>(draws.size()) - 1));
        if (change == 0) colour = rng() & 0xFFFFFF;
        if (change == 1) draws[at] = random_draw();
        if (change == 2) draws.insert(draws.begin() + static_cast<long>(at), random_draw());
        if (change == 3 && draws.size() > 2) draws.erase(draws.begin() + static_cast<long>(at));
        if (change == 4 && at + 1 < draws.size()) std::swap(draws[at], draws[at + 1]);
        if (change == 5) draws[at].x += below(5) - 2, draws[at].y += below(5) - 2;
        if (change == 6) draws.front().index = below(2) == 0 ? 0 : 4;  // no longer covering
        media.Clear_Back_Buffer(colour);
        whole.Fill(colour);
        for (const Draw& d : draws) draw(d);
        if (change == 7)  // more draws than a list holds
            for (int i = 0; i < 9000; ++i) draw({4, i % 203, i % 150});
        media.Show_Back_Buffer();
        if (change == 8) draw(random_draw());  // after the frame was shown, as the pause line is
        if (change == 9) media.Back_Buffer().Fill_Rect({10, 10, 50, 20}, 0x123456);
        if (change == 9) whole.Fill_Rect({10, 10, 50, 20}, 0x123456);
        ASSERT_EQ(media.Picture().Pixels, whole.Pixels)
            << "frame " << frame << " change " << change;
        ASSERT_TRUE(media.Agrees_With_Whole_Redraw()) << "frame " << frame;
    }
}

}  // namespace
}  // namespace zarvo
