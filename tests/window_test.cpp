// The window shows the game's picture exactly, at every scale, from pixels that may lie in
// memory the display server shares (Pixel_Store).
// gtest comes before X11, whose macros (None, Bool) would break it.
#include <gtest/gtest.h>
// clang-format off
#include <SDL.h>
#include <SDL_syswm.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
// clang-format on
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "platform/sdl/sdl_media.h"
#include "platform/surface.h"

// The window opens in this process, and the system's D-Bus library that SDL starts keeps a
// buffer to the end: a leak of the system's, not ours, which the leak checker should not count.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libdbus-1.so\n";
}

extern char** environ;

namespace zarvo {
namespace {

// Lends one block and counts what comes back.
class Counting_Store : public Pixel_Store {
  public:
    explicit Counting_Store(size_t bytes) : block_(bytes / 4 + 1) {}
    void* Lend(size_t bytes) override {
        if (lent_ || bytes > block_.size() * 4) return nullptr;
        lent_ = true;
        return block_.data();
    }
    bool Take_Back(void* block) override {
        if (block != block_.data()) return false;
        lent_ = false;
        ++returned_;
        return true;
    }
    const uint32_t* Block() const { return block_.data(); }
    bool Lent() const { return lent_; }
    int Returned() const { return returned_; }

  private:
    std::vector<uint32_t> block_;
    bool lent_ = false;
    int returned_ = 0;
};

Surface Pattern(int w, int h) {
    Surface s(w, h);
    for (size_t i = 0; i < s.Pixels.size(); ++i) s.Pixels[i] = static_cast<uint32_t>(i * 2654435761u) & 0xFFFFFF;
    return s;
}

TEST(Pixel_Store, PixelsMoveInUnchangedAndCopiesStayOnTheHeap) {
    Counting_Store store(40 * 30 * 4);
    Surface s = Pattern(40, 30);
    const Surface before = s;
    s.Keep_In(&store);
    EXPECT_EQ(s.Pixels.data(), store.Block());
    EXPECT_EQ(s.Pixels, before.Pixels);
    {
        const Surface copy = s;
        EXPECT_NE(copy.Pixels.data(), store.Block());
        EXPECT_EQ(copy.Pixels, before.Pixels);
        Surface other(40, 30);
        other.Keep_In(&store);  // lent already: the other stays on the heap
        EXPECT_NE(other.Pixels.data(), store.Block());
    }
    EXPECT_TRUE(store.Lent());
    s.Keep_In(nullptr);
    EXPECT_FALSE(store.Lent());
    EXPECT_EQ(store.Returned(), 1);
    EXPECT_EQ(s.Pixels, before.Pixels);
}

TEST(Pixel_Store, ASurfaceGoneGivesItsBlockBack) {
    Counting_Store store(8 * 8 * 4);
    {
        Surface s(8, 8);
        s.Keep_In(&store);
        s.Pixels = Pattern(8, 8).Pixels;  // pixels given to it stay in the store
        EXPECT_EQ(s.Pixels.data(), store.Block());
    }
    EXPECT_EQ(store.Returned(), 1);
}

// An Xvfb of the test's own, gone with it.
class Virtual_Display {
  public:
    Virtual_Display() {
        int ready[2];
        if (::pipe(ready) != 0) return;
        const std::string fd = std::to_string(ready[1]);
        const char* args[] = {"Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "2000x1700x24",
                              "-nolisten", "tcp", nullptr};
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", 1, 0);
        if (posix_spawnp(&pid_, "Xvfb", &actions, nullptr, const_cast<char**>(args), environ) != 0)
            pid_ = -1;
        posix_spawn_file_actions_destroy(&actions);
        ::close(ready[1]);
        std::string number;
        char c = 0;
        pollfd p{ready[0], POLLIN, 0};
        while (pid_ > 0 && ::poll(&p, 1, 15000) == 1 && ::read(ready[0], &c, 1) == 1 && c != '\n')
            number += c;
        ::close(ready[0]);
        if (!number.empty()) name_ = ":" + number;
    }
    ~Virtual_Display() {
        if (pid_ <= 0) return;
        ::kill(pid_, SIGTERM);
        ::waitpid(pid_, nullptr, 0);
    }
    const std::string& Name() const { return name_; }

  private:
    pid_t pid_ = -1;
    std::string name_;
};

// What the window shows, read back from the server, as 0x00RRGGBB.
std::vector<uint32_t> Window_Pixels(const Sdl_Media& media, int w, int h) {
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    std::vector<uint32_t> out;
    if (!SDL_GetWindowWMInfo(SDL_GetWindowFromID(media.Window_Id()), &info)) return out;
    Display* d = info.info.x11.display;
    XImage* image = XGetImage(d, info.info.x11.window, 0, 0, w, h, AllPlanes, ZPixmap);
    if (!image) return out;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) out.push_back(XGetPixel(image, x, y) & 0xFFFFFF);
    XDestroyImage(image);
    return out;
}

// A backdrop and a sprite moving over it, frame after frame: only the parts the sprite
// leaves and reaches change, and the window shows the game's picture exactly, each picture
// pixel as scale x scale window pixels.
void Check_Window_At_Scale(int scale) {
    Virtual_Display display;
    if (display.Name().empty()) GTEST_SKIP() << "no Xvfb";
    ::setenv("DISPLAY", display.Name().c_str(), 1);
    ::setenv("SDL_AUDIODRIVER", "dummy", 1);
    const int w = 160, h = 120;
    Assets assets;
    const Surface backdrop = Pattern(w, h);
    Image sprite{20, 10, 0x00FF00, std::vector<uint32_t>(200, 0xFF8000)};
    sprite.Pixels[5] = 0x00FF00;  // one pixel of the key: the backdrop shows through
    assets.Lists.push_back(
        {Image{w, h, -1, std::vector<uint32_t>(backdrop.Pixels.begin(), backdrop.Pixels.end())},
         sprite});
    Sdl_Media media(&assets, w, h, {scale, false, false});
    std::string error;
    ASSERT_TRUE(media.Open(error)) << error;
    for (int frame = 0; frame < 6; ++frame) {
        media.Clear_Back_Buffer(0);
        media.Draw_Image({static_cast<Image_List>(0), 0}, 0, 0);
        media.Draw_Image({static_cast<Image_List>(0), 1}, 30 + 7 * frame, 20 + 5 * frame);
        media.Show_Back_Buffer();
    }
    const Surface& picture = media.Picture();
    EXPECT_NE(picture.Pixels.get_allocator().Store, nullptr)
        << "on a local X server the picture lies in the memory the server reads";
    ASSERT_EQ(picture.At(30 + 7 * 5 + 1, 20 + 5 * 5 + 1), 0xFF8000u);
    const std::vector<uint32_t> shown = Window_Pixels(media, w * scale, h * scale);
    ASSERT_EQ(shown.size(), static_cast<size_t>(w * scale * h * scale));
    for (int y = 0; y < h * scale; ++y)
        for (int x = 0; x < w * scale; ++x)
            ASSERT_EQ(shown[static_cast<size_t>(y) * w * scale + x], picture.At(x / scale, y / scale))
                << "window pixel " << x << ", " << y << " at scale " << scale;
}

TEST(Window, ShowsThePictureExactlyAtScaleOne) {
    Check_Window_At_Scale(1);
}

TEST(Window, ShowsThePictureExactlyAtScaleThree) {
    Check_Window_At_Scale(3);
}

}  // namespace
}  // namespace zarvo
