#pragma once
// The board's HTTP server: takes runs, answers what became of them, gives them back for
// watching, and serves the tables as JSON and as a page (and, when asked, the game's site).
// It keeps nothing of its own between requests but the per-address counts of the rate limits:
// everything else is in the database, so any number of boards can share one.
#include <memory>
#include <string>

#include "driver/board/board_limits.h"
#include "driver/board/board_page.h"

namespace zarvo {

struct Board_Server_Options {
    std::string Db;
    std::string Host = "127.0.0.1";
    int Port = 8080;   // 0: any free port
    std::string Site;  // a folder served below the board's own paths ("" none)
    int Threads = 16;
    Board_Limits Limits;
    Page_Links Links;
};

class Board_Server {
  public:
    explicit Board_Server(Board_Server_Options options);
    ~Board_Server();
    // Opens the database and the port; false with `error` when either fails.
    bool Start(std::string& error);
    int Port() const;
    // Answers requests until Stop is called (from another thread or a signal's watcher).
    void Serve();
    void Stop();
    // True once Serve answers requests (a Stop before that would be missed).
    bool Serving() const;

  private:
    struct Inside;
    std::unique_ptr<Inside> inside_;
};

}  // namespace zarvo
