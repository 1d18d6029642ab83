// The game's sender against a real board on loopback (the server in this process, on SQLite):
// a kept run goes once and is marked with the board's number; one the board has already counts
// as sent; one whose entry left the table is not sent; with no board listening the run waits
// on disk, and goes once a board appears on that address.
#include <gtest/gtest.h>
#include <httplib.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

#include "driver/board/board_server.h"
#include "driver/desktop/board_sender.h"
#include "driver/headless/runner.h"
#include "game/run_keeper.h"
#include "game/run_outbox.h"
#include "support/read_file.h"
#include "support/score_folder.h"
#include "support/test_game.h"

namespace zarvo::test {
namespace {

// A run of the random player, kept in the runs folder as `file`.
std::string Keep_Monkey_Run(const std::string& dir, uint32_t seed, const std::string& file) {
    Headless_Options o;
    o.Monkey = seed;
    o.Frames = 400;
    o.Record = dir + "/monkey.zrun";
    o.Game_Version = "send-test";
    std::ostringstream err;
    if (Run_Headless(o, Test_Assets(), err) != 0) ADD_FAILURE() << err.str();
    const std::string text = Read_File(o.Record);
    std::string error;
    EXPECT_TRUE(Store_Run_File(file, text, error)) << error;
    EXPECT_TRUE(Put_In_Outbox(file, error)) << error;
    return text;
}

// Waits at most 20 s for the outbox to say something else than "waiting" of a run.
Outbox_Entry Wait_Sent(const std::string& file) {
    for (int i = 0; i < 2000; ++i) {
        const Outbox_Entry entry = Outbox_Entry_Of(file);
        if (entry.Mark != Board_Mark::Waiting) return entry;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return Outbox_Entry_Of(file);
}

struct Running_Board {
    std::unique_ptr<Board_Server> server;
    std::thread serving;

    Running_Board(const std::string& db, int port) {
        Board_Server_Options o;
        o.Db = db;
        o.Port = port;
        o.Threads = 2;
        server = std::make_unique<Board_Server>(o);
        std::string error;
        EXPECT_TRUE(server->Start(error)) << error;
        serving = std::thread([this] { server->Serve(); });
        while (!server->Serving()) std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    ~Running_Board() {
        server->Stop();
        serving.join();
    }
    std::string Url() const { return "http://127.0.0.1:" + std::to_string(server->Port()); }
};

constexpr char First[] = "d1-000001000-ANNA-20261208T120000.zrun";
constexpr char Second[] = "d1-000000900-BERT-20261208T120100.zrun";

TEST(Board_Send, AKeptRunGoesOnceAndADuplicateCountsAsSent) {
    Score_Folder scores;
    const std::string text = Keep_Monkey_Run(scores.dir, 1, First);
    Running_Board board(scores.dir + "/board.db", 0);
    {
        Board_Sender sender(board.Url(), 20, 100);
        const Outbox_Entry entry = Wait_Sent(First);
        EXPECT_EQ(entry.Mark, Board_Mark::Sent);
        EXPECT_GT(entry.Id, 0);
        httplib::Client client(board.Url());
        const auto back = client.Get("/runs/" + std::to_string(entry.Id) + "/file");
        ASSERT_TRUE(back);
        EXPECT_EQ(back->body, text);
        // The same run kept under another name: the board has it already.
        std::string error;
        ASSERT_TRUE(Store_Run_File(Second, text, error)) << error;
        ASSERT_TRUE(Put_In_Outbox(Second, error)) << error;
        sender.Wake();
        EXPECT_EQ(Wait_Sent(Second).Mark, Board_Mark::Sent);
        EXPECT_EQ(sender.Posted(), 2);
    }
    // A game started later sends nothing that went before.
    Board_Sender again(board.Url(), 20, 100);
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    EXPECT_EQ(again.Posted(), 0);
}

TEST(Board_Send, ARunWhoseEntryLeftTheTableIsNotSent) {
    Score_Folder scores;
    Keep_Monkey_Run(scores.dir, 1, First);
    std::filesystem::remove(Runs_Folder() + "/" + First);
    Running_Board board(scores.dir + "/board.db", 0);
    Board_Sender sender(board.Url(), 20, 100);
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    EXPECT_EQ(sender.Posted(), 0);
    EXPECT_EQ(Outbox_Entry_Of(First).Mark, Board_Mark::None);
    EXPECT_FALSE(std::filesystem::exists(Outbox_Folder() + "/" + First));
}

TEST(Board_Send, WithNoBoardTheRunWaitsAndGoesWhenOneAppears) {
    Score_Folder scores;
    Keep_Monkey_Run(scores.dir, 1, First);
    int port = 0;
    {  // a port that was free a moment ago, and nobody listens on now
        Running_Board probe(scores.dir + "/probe.db", 0);
        port = probe.server->Port();
    }
    Board_Sender sender("http://127.0.0.1:" + std::to_string(port), 20, 100);
    for (int i = 0; i < 500 && sender.Failed() < 3; ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    EXPECT_GE(sender.Failed(), 3);
    EXPECT_EQ(Outbox_Entry_Of(First).Mark, Board_Mark::Waiting);
    Running_Board board(scores.dir + "/board.db", port);
    const Outbox_Entry entry = Wait_Sent(First);
    EXPECT_EQ(entry.Mark, Board_Mark::Sent);
    EXPECT_GT(entry.Id, 0);
}

TEST(Board_Send, TheBoardsAnswersAsMarks) {
    EXPECT_EQ(Board_Answer(202, R"({"id":17,"state":"pending"})").Mark, Board_Mark::Sent);
    EXPECT_EQ(Board_Answer(202, R"({"id":17,"state":"pending"})").Id, 17);
    EXPECT_EQ(Board_Answer(409, "{}").Mark, Board_Mark::Sent);
    EXPECT_EQ(Board_Answer(422, "{}").Mark, Board_Mark::Refused);
    EXPECT_EQ(Board_Answer(422, "{}").Id, 422);
    EXPECT_EQ(Board_Answer(429, "{}").Mark, Board_Mark::None);
    EXPECT_EQ(Board_Answer(503, "").Mark, Board_Mark::None);
    const Outbox_Entry sent{Board_Mark::Sent, 42};
    EXPECT_EQ(Parse_Outbox_Entry(Format_Outbox_Entry(sent)).Mark, Board_Mark::Sent);
    EXPECT_EQ(Parse_Outbox_Entry(Format_Outbox_Entry(sent)).Id, 42);
    EXPECT_EQ(Parse_Outbox_Entry("waiting\n").Mark, Board_Mark::Waiting);
    EXPECT_EQ(Parse_Outbox_Entry("sent").Mark, Board_Mark::None);
    EXPECT_EQ(Parse_Outbox_Entry("whatever 3").Mark, Board_Mark::None);
}

}  // namespace
}  // namespace zarvo::test
