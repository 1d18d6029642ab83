#pragma once
// The runs that wait to be sent to the score board, and what the board said of each sent one:
// a folder "outbox" beside the runs folder (game/run_keeper.h) holding, for each kept run that
// is to go, a small file of the run's own name with one word: "waiting", "sent N" (the board
// took it as run N, or had it already) or "refused S" (the board answered S and will never take
// it). Each is written whole through a temporary file, as the runs are; an entry whose run left
// the table goes with it. Nothing here touches the network: a shell's sender reads and marks.
#include <atomic>
#include <cstdint>
#include <string>
#include <vector>

namespace zarvo {

enum class Board_Mark { None, Waiting, Sent, Refused };

struct Outbox_Entry {
    Board_Mark Mark = Board_Mark::None;
    int64_t Id = 0;  // the board's run number when sent, the answer's status when refused
};

// The folder beside the runs folder that keeps the outbox.
std::string Outbox_Folder();

// A kept run (its file name in the runs folder) is to be sent; false with `error` when the
// outbox cannot hold it.
bool Put_In_Outbox(const std::string& run_file, std::string& error);
// What the outbox says of a run; None for a run that is not in it.
Outbox_Entry Outbox_Entry_Of(const std::string& run_file);
// Marks a run sent or refused (a run no longer kept needs no mark); false when the mark cannot
// be written (the run is then sent again later).
bool Mark_In_Outbox(const std::string& run_file, const Outbox_Entry& entry);
// The runs still waiting, in the order of their names. Entries whose run is no longer kept (its
// entry left the table) are removed on the way.
std::vector<std::string> Waiting_Runs();

// Counts the marks written by this program: a score screen looks again when it moves. A sender
// marks from a thread of its own.
int Outbox_Changes();

// What an answer of the board to a sent run (POST /runs) means for it: `Id` the board's run
// number when taken. Mark None: the run waits and is sent again later.
Outbox_Entry Board_Answer(int status, const std::string& body);

// Reads an entry's text; None for a text that is no entry.
Outbox_Entry Parse_Outbox_Entry(const std::string& text);
std::string Format_Outbox_Entry(const Outbox_Entry& entry);

}  // namespace zarvo
