// zarvo-board: the shared score board that lists a score only after replaying its run.
#include <signal.h>

#include <atomic>
#include <cstdio>
#include <thread>

#include "assets/asset_loader.h"
#include "build_info.h"
#include "driver/board/board_options.h"
#include "driver/start/asset_folder.h"
#include "platform/program_folder.h"

using namespace zarvo;

namespace {

std::atomic<bool> Stop_Asked{false};

void Ask_Stop(int) {
    Stop_Asked = true;
}

int Work(const Board_Options& o, const char* argv0) {
    std::string folder = o.Assets_Dir, error;
    Assets assets;
    if ((folder.empty() && !Find_Asset_Folder(Program_Folder(argv0), folder, error)) ||
        !Load_Assets(folder, assets, error)) {
        std::fprintf(stderr, "zarvo-board: %s\n", error.c_str());
        return 1;
    }
    std::unique_ptr<Board_Store> store = Open_Board_Store(o.Server.Db, error);
    if (!store) {
        std::fprintf(stderr, "zarvo-board: %s\n", error.c_str());
        return 1;
    }
    signal(SIGINT, Ask_Stop);
    signal(SIGTERM, Ask_Stop);
    Run_Worker(*store, &assets, o.Server.Limits, o.Work, Stop_Asked);
    return 0;
}

// Serves until SIGINT or SIGTERM, which a thread of its own waits for, so that the stop
// is no work for a signal handler.
int Serve(const Board_Options& o) {
    sigset_t stops;
    sigemptyset(&stops);
    sigaddset(&stops, SIGINT);
    sigaddset(&stops, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &stops, nullptr);
    Board_Server server(o.Server);
    std::string error;
    if (!server.Start(error)) {
        std::fprintf(stderr, "zarvo-board: %s\n", error.c_str());
        return 1;
    }
    std::printf("zarvo-board: listening on %s:%d\n", o.Server.Host.c_str(), server.Port());
    std::fflush(stdout);
    std::thread watcher([&] {
        int signal_number = 0;
        sigwait(&stops, &signal_number);
        server.Stop();
    });
    server.Serve();
    pthread_kill(watcher.native_handle(), SIGTERM);
    watcher.join();
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    Board_Options o;
    std::string error;
    if (!Parse_Board_Options(argc, argv, o, error)) {
        std::fprintf(stderr, "zarvo-board: %s\n", error.c_str());
        return 2;
    }
    if (o.Help) {
        std::fputs(Board_Usage_Text(), stdout);
        return 0;
    }
    if (o.Version) {
        std::printf("zarvo-board %s\n", Version);
        return 0;
    }
    signal(SIGPIPE, SIG_IGN);
    return o.Worker ? Work(o, argv[0]) : Serve(o);
}
