#pragma once
// zarvo-board's command line.
#include <string>

#include "driver/board/board_server.h"
#include "driver/board/board_worker.h"

namespace zarvo {

struct Board_Options {
    bool Help = false, Version = false;
    bool Worker = false;          // --worker: verify waiting runs instead of serving
    Board_Server_Options Server;  // also the database and limits a worker uses
    Worker_Options Work;
    std::string Assets_Dir;
};

// False with a one-line error for an unknown option or a missing or bad value.
bool Parse_Board_Options(int argc, const char* const* argv, Board_Options& out, std::string& error);

const char* Board_Usage_Text();

}  // namespace zarvo
