// The windowed game and the headless runner's command line.
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <string>

#include "assets/asset_loader.h"
#include "build_info.h"
#include "driver/desktop/sdl_game.h"
#include "driver/headless/runner.h"
#include "driver/start/asset_folder.h"
#include "driver/start/options.h"
#include "driver/start/score_path.h"
#include "game/run_verify.h"
#include "platform/program_folder.h"
#include "screens/score_records.h"

int main(int argc, char** argv) {
    using namespace zarvo;
    Program_Options options;
    std::string error;
    if (!Parse_Options(argc, argv, options, error)) {
        std::fprintf(stderr, "zarvo: %s\nTry 'zarvo --help'.\n", error.c_str());
        return 2;
    }
    if (options.Help) {
        std::fputs(Usage_Text(), stdout);
        return 0;
    }
    if (options.Version) {
        std::printf("zarvo %s\n", Version);
        return 0;
    }
    if (!options.Headless && options.Verify.empty() && !Window_Possible(error)) {
        std::fprintf(stderr, "zarvo: cannot open the game window: %s\n", error.c_str());
        return 1;
    }
    std::string folder = options.Assets_Dir;
    if (folder.empty() && !Find_Asset_Folder(Program_Folder(argv[0]), folder, error)) {
        std::fprintf(stderr, "zarvo: %s\n", error.c_str());
        return 1;
    }
    Assets assets;
    if (!Load_Assets(folder, assets, error)) {
        std::fprintf(stderr, "zarvo: %s\n", error.c_str());
        return 1;
    }
    if (!options.Verify.empty())
        return Verify_Run_Files(options.Verify, &assets, Version, std::cout, std::cerr);
    options.Run.Game_Version = Version;
    options.Run.Keep_Runs = options.Headless && !options.Scores.empty();
    // The headless runner keeps a table of its own unless given one: a random player's DEL
    // must never reach a player's table.
    std::string scratch;
    const std::string scores =
        options.Headless
            ? (options.Scores.empty() ? Scratch_Score_Path(scratch) : options.Scores)
            : Choose_Score_Path(options.Scores, std::getenv("XDG_DATA_HOME"), std::getenv("HOME"));
    Set_Score_File_Path(scores.c_str());
    if (scores != Score_File_Path()) {
        std::fprintf(stderr, "zarvo: the score file's path is too long: %s\n", scores.c_str());
        Remove_Scratch_Folder(scratch);
        return 2;
    }
    if (options.Headless) {
        Remove_Scratch_Folder_On_Signals(scratch);
        const int code = Run_Headless(options.Run, &assets, std::cerr, &std::cout);
        Remove_Scratch_Folder(scratch);
        return code;
    }
    return Run_Windowed(options, assets, folder);
}
