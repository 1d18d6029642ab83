// Files that are not what they should be: a folder where a file belongs, an output on a full
// device, a bitmap of an impossible size. Each ends in a message naming the file, never in
// an abort, a silent success or undefined behaviour.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "assets/asset_loader.h"
#include "driver/headless/runner.h"
#include "driver/start/settings.h"
#include "game/recorder.h"
#include "platform/binary_file.h"
#include "platform/image_file.h"
#include "support/test_game.h"

namespace zarvo {
namespace {

namespace fs = std::filesystem;

struct Scratch {
    fs::path dir;
    explicit Scratch(const char* name) : dir(fs::temp_directory_path() / name) {
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    ~Scratch() { fs::remove_all(dir); }
    std::string at(const char* name) const { return (dir / name).string(); }
};

TEST(Bad_Files, AFolderWhereAFileBelongsIsNamed) {
    Scratch s("zarvo_folder_files");
    fs::copy(ZARVO_ASSET_DIR, s.dir / "assets", fs::copy_options::recursive);
    const fs::path item = s.dir / "assets" / "DXImageList1" / "050_Ego_No.bmp";
    fs::remove(item);
    fs::create_directory(item);
    Assets assets;
    std::string message;
    EXPECT_FALSE(Load_Assets((s.dir / "assets").string(), assets, message));
    EXPECT_NE(message.find("050_Ego_No.bmp: is a folder"), std::string::npos) << message;

    const fs::path wave = s.dir / "assets" / "DXWaveList1" / "008_Click.wav";
    fs::remove_all(item);
    fs::copy_file(ZARVO_ASSET_DIR "/DXImageList1/050_Ego_No.bmp", item);
    fs::remove(wave);
    fs::create_directory(wave);
    EXPECT_FALSE(Load_Assets((s.dir / "assets").string(), assets, message));
    EXPECT_NE(message.find("008_Click.wav: is a folder"), std::string::npos) << message;

    Headless_Options o;
    o.Frames = 3;
    o.Input = s.dir.string();  // an input script that is a folder is no empty script
    std::ostringstream err;
    EXPECT_EQ(Run_Headless(o, nullptr, err), 1);
    EXPECT_NE(err.str().find(o.Input + " is a folder"), std::string::npos) << err.str();
    Script replay;
    std::string error;
    EXPECT_EQ(Read_Script(o.Input, replay, error), 1);  // the windowed game's --replay
    EXPECT_NE(error.find(" is a folder"), std::string::npos) << error;
    Settings settings;
    EXPECT_FALSE(Load_Settings(o.Input, settings, error));
    EXPECT_NE(error.find(o.Input + " is a folder"), std::string::npos) << error;
}

// Every output is checked to its last byte: the buffered tail fails only at the final flush.
// A pipe where the settings or an image belongs is refused at once, named; nothing waits for
// a writer that never comes.
TEST(Bad_Files, APipeWhereAFileBelongsIsRefusedWithoutWaiting) {
    Scratch s("zarvo_pipe_files");
    fs::copy(ZARVO_ASSET_DIR, s.dir / "assets", fs::copy_options::recursive);
    const fs::path item = s.dir / "assets" / "DXImageList1" / "050_Ego_No.bmp";
    fs::remove(item);
    ASSERT_EQ(::mkfifo(item.c_str(), 0600), 0);
    Assets assets;
    std::string message;
    EXPECT_FALSE(Load_Assets((s.dir / "assets").string(), assets, message));
    EXPECT_NE(message.find("050_Ego_No.bmp: is not a regular file"), std::string::npos) << message;

    const std::string conf = s.at("zarvo.conf");
    ASSERT_EQ(::mkfifo(conf.c_str(), 0600), 0);
    Settings settings;
    EXPECT_FALSE(Load_Settings(conf, settings, message));
    EXPECT_NE(message.find(conf + " is not a regular file"), std::string::npos) << message;
    EXPECT_FALSE(Save_Settings(conf, settings, message));
    EXPECT_NE(message.find(conf + ": it is not a regular file"), std::string::npos) << message;
}

TEST(Bad_Files, AnOutputOnAFullDeviceFailsNamingTheFile) {
    ASSERT_TRUE(fs::exists("/dev/full"));
    Scratch s("zarvo_full_outputs");
    const std::string script = s.at("start.txt");
    std::ofstream(script) << "2 key 13\n";
    for (int output = 0; output < 3; ++output) {
        Headless_Options o;
        o.Frames = 60;  // the game starts: its sounds fill the log
        o.Input = script;
        std::string& target = output == 0 ? o.Dump : output == 1 ? o.Sound_Log : o.Shot;
        target = "/dev/full";
        std::ostringstream err;
        EXPECT_EQ(Run_Headless(o, test::Test_Assets(), err), 1) << output;
        EXPECT_NE(err.str().find("/dev/full"), std::string::npos) << err.str();
    }
    Recorder rec;
    EXPECT_FALSE(rec.Open("/dev/full", 1, {}));
    EXPECT_FALSE(rec.Close());
}

TEST(Bad_Files, ABitmapOfImpossibleHeightIsRefused) {
    Scratch s("zarvo_bitmap_heights");
    Image img;
    img.Width = 2;
    img.Height = 2;
    img.Pixels.assign(4, 0x123456);
    const std::string path = s.at("tall.bmp");
    ASSERT_TRUE(Write_Bmp(path, img));
    std::vector<uint8_t> bytes;
    ASSERT_TRUE(Read_Whole_File(path, bytes));
    for (uint32_t height : {0x80000000u, 0u, 0x7FFFFFFFu}) {
        for (int b = 0; b < 4; ++b) bytes[22 + b] = static_cast<uint8_t>(height >> (8 * b));
        ASSERT_TRUE(Write_Whole_File(path, bytes));
        Image back;
        std::string error;
        EXPECT_FALSE(Read_Bmp(path, back, error)) << height;
        EXPECT_NE(error.find("impossible size"), std::string::npos) << error;
    }
    for (int b = 0; b < 4; ++b) bytes[22 + b] = b == 0 ? 0xFE : 0xFF;  // -2: top-down, fine
    ASSERT_TRUE(Write_Whole_File(path, bytes));
    Image back;
    std::string error;
    EXPECT_TRUE(Read_Bmp(path, back, error)) << error;
}

}  // namespace
}  // namespace zarvo
