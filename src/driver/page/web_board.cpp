#include "driver/page/web_board.h"

#include <emscripten/emscripten.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "driver/page/web_runs.h"
#include "game/run_keeper.h"
#include "game/run_outbox.h"
#include "platform/web/web_storage.h"

// JavaScript, which the C++ formatter would take apart.
// clang-format off
// Finds the board once: 1 when the page sends runs.
EM_JS(int, Page_Find_Board, (), {
    let url = "";
    try {
        const meta = document.querySelector('meta[name="zarvo-board"]');
        if (meta) url = meta.content.trim();
        else if (location.protocol === "http:" || location.protocol === "https:") url = location.origin;
    } catch (error) {
    }
    while (url.endsWith("/")) url = url.slice(0, -1);
    const web = url.startsWith("http://") || url.startsWith("https://");
    Module.zarvoBoard = web && url.split("/")[2] && url.indexOf(" ") < 0 ? url : "";
    Module.zarvoBoardWait = 0;
    return Module.zarvoBoard ? 1 : 0;
});

// Posts a run; the answer (0: the board could not be reached) goes to zarvo_board_answer.
EM_JS(void, Page_Post_Run, (const char* file, const char* text), {
    if (!Module.zarvoBoard) return;
    const name = UTF8ToString(file), body = UTF8ToString(text);
    const answer = (status, reply) =>
        Module.ccall("zarvo_board_answer", null, ["string", "number", "string"], [name, status, reply]);
    fetch(Module.zarvoBoard + "/runs", {method: "POST", headers: {"Content-Type": "text/plain"}, body: body})
        .then(response => response.text().then(reply => answer(response.status, reply)))
        .catch(() => answer(0, ""));
});

// Sends what waits again later, each time after twice the wait before (2 s up to 5 minutes).
EM_JS(void, Page_Send_Later, (), {
    if (!Module.zarvoBoard || Module.zarvoBoardLater) return;
    Module.zarvoBoardWait = Math.min(Math.max(2000, Module.zarvoBoardWait * 2), 300000);
    Module.zarvoBoardLater = setTimeout(() => {
        Module.zarvoBoardLater = 0;
        Module.ccall("zarvo_board_send_waiting", null, [], []);
    }, Module.zarvoBoardWait);
});

EM_JS(void, Page_No_Board, (), {
    Module.zarvoBoard = "";
});
// clang-format on

namespace zarvo {

namespace {

namespace fs = std::filesystem;

bool board_known = false;

std::string Read_Text(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void Post(const std::string& run_file) {
    const std::string text = Read_Text(Runs_Folder() + "/" + run_file);
    if (!text.empty()) Page_Post_Run(run_file.c_str(), text.c_str());
}

void Send_Waiting() {
    for (const std::string& run_file : Waiting_Runs()) Post(run_file);
}

void Keep_Entry(const std::string& run_file, const Outbox_Entry& entry) {
    Store_Text((Outbox_Store_Prefix + run_file).c_str(), Format_Outbox_Entry(entry));
}

}  // namespace

void Start_Board_Sending() {
    board_known = Page_Find_Board() != 0;
    std::error_code ec;
    for (const std::string& run_file : Stored_Names(Outbox_Store_Prefix)) {
        std::string text;
        const Outbox_Entry entry = Stored_Text((Outbox_Store_Prefix + run_file).c_str(), text)
                                       ? Parse_Outbox_Entry(text)
                                       : Outbox_Entry{};
        if (entry.Mark == Board_Mark::None || !fs::exists(Runs_Folder() + "/" + run_file, ec))
            Forget_Stored(Outbox_Store_Prefix + run_file);  // its entry left the table
        else
            Mark_In_Outbox(run_file, entry);
    }
    if (board_known) Send_Waiting();
}

std::string Send_Run_From_Page(const std::string& run_file) {
    if (!board_known) return {};
    std::string error;
    if (!Put_In_Outbox(run_file, error)) return error;
    Keep_Entry(run_file, {Board_Mark::Waiting, 0});
    Post(run_file);
    return {};
}

}  // namespace zarvo

using namespace zarvo;

// The board's answer to a run the page posted (0: it could not be reached).
extern "C" EMSCRIPTEN_KEEPALIVE void zarvo_board_answer(const char* file, int status,
                                                        const char* body) {
    const Outbox_Entry entry = Board_Answer(status, body);
    if (entry.Mark != Board_Mark::None && Mark_In_Outbox(file, entry)) {
        Keep_Entry(file, entry);
        return;
    }
    if (status == 404 || status == 405) {  // nothing there takes runs
        Page_No_Board();
        return;
    }
    Page_Send_Later();
}

extern "C" EMSCRIPTEN_KEEPALIVE void zarvo_board_send_waiting() {
    Send_Waiting();
}
