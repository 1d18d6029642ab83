#include "driver/board/board_server.h"

#include <httplib.h>

#include <ctime>

#include "driver/board/board_json.h"
#include "driver/board/rate_limit.h"
#include "driver/board/store_pool.h"
#include "game/daily.h"

namespace zarvo {

namespace {

constexpr int32_t Table_Length = 10;
const char* const Json_Type = "application/json";

int64_t Now() {
    return static_cast<int64_t>(std::time(nullptr));
}

void Answer(httplib::Response& res, int status, const std::string& json) {
    res.status = status;
    res.set_content(json, Json_Type);
}

// A number of the path; false for anything else (a path never reaches the file system).
bool Path_Number(const std::string& text, int64_t& number) {
    if (text.empty() || text.size() > 18) return false;
    for (const char c : text)
        if (c < '0' || c > '9') return false;
    number = std::stoll(text);
    return true;
}

}  // namespace

struct Board_Server::Inside {
    Board_Server_Options options;
    httplib::Server http;
    Store_Pool pool;
    Rate_Limit posts, requests;
    std::string store_kind;

    explicit Inside(Board_Server_Options o)
        : options(std::move(o)),
          pool(options.Db),
          posts(options.Limits.Posts_Per_Minute),
          requests(options.Limits.Requests_Per_Minute) {
        store_kind = options.Db.rfind("postgres", 0) == 0 ? "PostgreSQL" : "SQLite";
    }

    // Runs `work` with a connection, or answers 503 when the database cannot be reached.
    template <typename Work>
    void With_Store(httplib::Response& res, Work work) {
        std::string error;
        Store_Pool::Lease store = pool.Take(error);
        if (!store)
            return Answer(res, 503, Message_Json("the board's database is unreachable: " + error));
        work(store);
    }

    void Post_Run(const httplib::Request& req, httplib::Response& res) {
        if (!posts.Allow(req.remote_addr, Now()))
            return Answer(
                res, 429,
                Message_Json("more than " + std::to_string(options.Limits.Posts_Per_Minute) +
                             " runs a minute from one address"));
        Board_Entry entry;
        const Door_Answer door = Admit_Run(req.body, options.Limits, Now(), entry);
        if (door.Status != 202) return Answer(res, door.Status, Message_Json(door.Message));
        With_Store(res, [&](Store_Pool::Lease& store) {
            int64_t id = 0;
            std::string error;
            switch (store->Add_Run(entry, id, error)) {
                case Board_Store::Added::New:
                    res.set_header("Location", "/runs/" + std::to_string(id));
                    return Answer(res, 202, Taken_Json(id));
                case Board_Store::Added::Duplicate:
                    return Answer(res, 409, Message_Json("this run is already on the board"));
                case Board_Store::Added::Failed:
                    return Answer(res, 503, Message_Json("the run could not be stored: " + error));
            }
        });
    }

    void Get_Run(const httplib::Request& req, httplib::Response& res, bool file) {
        int64_t id = 0;
        if (!Path_Number(req.matches[1], id)) return Answer(res, 404, Message_Json("no such run"));
        With_Store(res, [&](Store_Pool::Lease& store) {
            Board_Run run;
            std::string text;
            const bool found = file ? store->Find_File(id, text) : store->Find_Run(id, run);
            if (!found && !store->Last_Error().empty())
                return Answer(res, 503, Message_Json(store->Last_Error()));
            if (!found) return Answer(res, 404, Message_Json("no such run"));
            if (!file) return Answer(res, 200, Run_Json(run));
            res.set_header("Access-Control-Allow-Origin", "*");
            res.set_content(text, "text/plain; charset=us-ascii");
        });
    }

    Page_Tables Tables_Of(Board_Store& store, int32_t difficulty) {
        return {store.Table(difficulty, 0, Table_Length),
                store.Table(difficulty, Month_Start(Now()), Table_Length)};
    }

    void Get_Table(const httplib::Request& req, httplib::Response& res) {
        int64_t d = 0;
        if (!Path_Number(req.matches[1], d) || d < 1 || d > 3)
            return Answer(res, 404, Message_Json("the difficulties are 1, 2 and 3"));
        With_Store(res, [&](Store_Pool::Lease& store) {
            const Page_Tables t = Tables_Of(*store.operator->(), static_cast<int32_t>(d));
            if (!store->Last_Error().empty())
                return Answer(res, 503, Message_Json(store->Last_Error()));
            res.set_header("Access-Control-Allow-Origin", "*");
            Answer(res, 200,
                   Table_Json(static_cast<int32_t>(d), Utc_Month(Now()), t.All_Time, t.Month));
        });
    }

    void Get_Daily_Table(const httplib::Request& req, httplib::Response& res) {
        const std::string day = req.matches[1];
        int64_t d = 0;
        if (!Is_Daily_Day(day))
            return Answer(res, 404, Message_Json("a day is written YYYY-MM-DD"));
        if (!Path_Number(req.matches[2], d) || d < 1 || d > 3)
            return Answer(res, 404, Message_Json("the difficulties are 1, 2 and 3"));
        With_Store(res, [&](Store_Pool::Lease& store) {
            const auto runs = store->Daily_Table(day, static_cast<int32_t>(d), Table_Length);
            if (!store->Last_Error().empty())
                return Answer(res, 503, Message_Json(store->Last_Error()));
            res.set_header("Access-Control-Allow-Origin", "*");
            Answer(res, 200, Daily_Json(day, static_cast<int32_t>(d), runs));
        });
    }

    void Get_Page(httplib::Response& res) {
        With_Store(res, [&](Store_Pool::Lease& store) {
            std::array<Page_Tables, 3> tables;
            std::array<std::vector<Table_Row>, 3> daily;
            const std::string today = Utc_Day(Now());
            for (int32_t d = 1; d <= 3; ++d) {
                tables[static_cast<size_t>(d - 1)] = Tables_Of(*store.operator->(), d);
                daily[static_cast<size_t>(d - 1)] = store->Daily_Table(today, d, Table_Length);
            }
            res.set_content(
                Board_Page(tables, Utc_Month(Now()), {today, daily}, options.Links, store_kind),
                "text/html; charset=utf-8");
        });
    }

    bool Limit_Requests(const httplib::Request& req, httplib::Response& res) {
        if (requests.Allow(req.remote_addr, Now())) return false;
        res.set_header("Retry-After", "60");
        Answer(res, 429,
               Message_Json("more than " + std::to_string(options.Limits.Requests_Per_Minute) +
                            " requests a minute from one address"));
        return true;
    }

    void Route() {
        using Handled = httplib::Server::HandlerResponse;
        http.set_pre_routing_handler([this](const httplib::Request& req, httplib::Response& res) {
            return Limit_Requests(req, res) ? Handled::Handled : Handled::Unhandled;
        });
        http.Post("/runs", [this](const httplib::Request& req, httplib::Response& res) {
            Post_Run(req, res);
        });
        http.Get(R"(/runs/([^/]+))", [this](const httplib::Request& req, httplib::Response& res) {
            Get_Run(req, res, false);
        });
        http.Get(R"(/runs/([^/]+)/file)",
                 [this](const httplib::Request& req, httplib::Response& res) {
                     Get_Run(req, res, true);
                 });
        http.Get(R"(/tables/daily/([^/]+)/([^/]+))",
                 [this](const httplib::Request& req, httplib::Response& res) {
                     Get_Daily_Table(req, res);
                 });
        http.Get(R"(/tables/([^/]+))", [this](const httplib::Request& req, httplib::Response& res) {
            Get_Table(req, res);
        });
        const char* page = options.Site.empty() ? "/" : "/board";
        http.Get(page, [this](const httplib::Request&, httplib::Response& res) { Get_Page(res); });
        // A client that asks before sending its body (curl does above 1 KB) is told to go on.
        http.set_expect_100_continue_handler(
            [](const httplib::Request&, httplib::Response&) { return 100; });
        http.set_error_handler([this](const httplib::Request& req, httplib::Response& res) {
            // The library refuses a form's body above 8 KB before any handler sees it.
            if (res.status == 413 &&
                req.get_header_value("Content-Type") == "application/x-www-form-urlencoded")
                Answer(res, 415, Message_Json("send the run as text/plain, not as a form"));
            else if (res.status == 413)
                Answer(res, 413,
                       Message_Json("the run is larger than the " +
                                    std::to_string(options.Limits.Body_Bytes) +
                                    " bytes this board takes"));
            else if (res.body.empty())
                Answer(res, res.status, Message_Json("nothing here"));
        });
    }
};

Board_Server::Board_Server(Board_Server_Options options)
    : inside_(std::make_unique<Inside>(std::move(options))) {}

Board_Server::~Board_Server() = default;

bool Board_Server::Start(std::string& error) {
    Inside& in = *inside_;
    {
        Store_Pool::Lease first = in.pool.Take(error);  // migrates the schema before any request
        if (!first) return false;
    }
    in.Route();
    if (!in.options.Site.empty() && !in.http.set_mount_point("/", in.options.Site)) {
        error = "cannot serve the site folder " + in.options.Site;
        return false;
    }
    const int threads = in.options.Threads;
    in.http.new_task_queue = [threads] {
        return new httplib::ThreadPool(static_cast<size_t>(threads));
    };
    in.http.set_payload_max_length(in.options.Limits.Body_Bytes);
    // An answer goes out in two writes (head, body): without this the second waits for the
    // client's delayed acknowledgement, 40 ms on Linux.
    in.http.set_tcp_nodelay(true);
    // A thread serves one connection while it is kept alive: let a client keep it (a proxy's
    // few connections carry everything), and close an idle one soon.
    in.http.set_keep_alive_max_count(10000);
    in.http.set_keep_alive_timeout(2);
    in.http.set_read_timeout(10, 0);
    in.http.set_write_timeout(10, 0);
    const int port =
        in.options.Port == 0
            ? in.http.bind_to_any_port(in.options.Host)
            : (in.http.bind_to_port(in.options.Host, in.options.Port) ? in.options.Port : -1);
    if (port < 0) {
        error = "cannot listen on " + in.options.Host + ":" + std::to_string(in.options.Port);
        return false;
    }
    in.options.Port = port;
    return true;
}

int Board_Server::Port() const {
    return inside_->options.Port;
}

void Board_Server::Serve() {
    inside_->http.listen_after_bind();
}

bool Board_Server::Serving() const {
    return inside_->http.is_running();
}

void Board_Server::Stop() {
    inside_->http.stop();
}

}  // namespace zarvo
