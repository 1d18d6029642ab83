#include "driver/board/board_page.h"

#include "driver/board/board_json.h"

namespace zarvo {

namespace {

const char* const Page_Head = R"(<!doctype html>
<html lang="en"><head><meta charset="utf-8">
<meta name="viewport" content="width=device-width, initial-scale=1">
<title>Zarvo board</title>
<style>
body { background: #05060d; color: #d8dcf0; font: 15px/1.4 monospace;
       margin: 2em auto; max-width: 64em; padding: 0 1em; }
h1 { color: #ffd23c; letter-spacing: .2em; margin-bottom: .2em; }
h2 { color: #7fd4ff; margin: 1.2em 0 .3em; letter-spacing: .1em; }
.note { color: #8890b0; }
.pair { display: flex; gap: 2em; flex-wrap: wrap; }
.pair > div { flex: 1; min-width: 22em; }
h3 { color: #b0b8d8; font-size: 1em; margin: .4em 0; }
table { border-collapse: collapse; width: 100%; }
td, th { padding: .15em .5em; text-align: left; }
th { color: #8890b0; font-weight: normal; border-bottom: 1px solid #2a2f4a; }
td.n { text-align: right; }
tr:nth-child(even) td { background: #0c0f1f; }
a { color: #ffd23c; text-decoration: none; }
a:hover { text-decoration: underline; }
</style></head><body>
<h1>ZARVO BOARD</h1>
<p class="note">Every score here was replayed by the board to the same end before it was listed.
Click an entry to watch its run.</p>
)";

const char* const Difficulty_Names[3] = {"NOVICE", "NORMAL", "EXPERT"};

std::string Escaped(const std::string& text) {
    std::string out;
    for (const char c : text) {
        if (c == '<')
            out += "&lt;";
        else if (c == '>')
            out += "&gt;";
        else if (c == '&')
            out += "&amp;";
        else if (c == '"')
            out += "&quot;";
        else
            out += c;
    }
    return out;
}

std::string Table_Html(const char* title, const std::vector<Table_Row>& rows,
                       const Page_Links& links) {
    std::string html = std::string("<div><h3>") + title + "</h3>";
    if (rows.empty()) return html + "<p class=\"note\">no verified run yet</p></div>\n";
    html += "<table><tr><th>#</th><th>name</th><th>score</th><th>levels</th><th>date</th></tr>\n";
    int rank = 0;
    for (const Table_Row& r : rows) {
        const std::string link = Escaped(Watch_Link(links, r.Id));
        html += "<tr><td class=\"n\">" + std::to_string(++rank) + "</td><td><a href=\"" + link +
                "\">" + Escaped(Shown_Board_Name(r.Name)) + "</a></td><td class=\"n\"><a href=\"" +
                link + "\">" + std::to_string(r.Score) + "</a></td><td>" +
                std::to_string(r.Reached_Difficulty) + "-" + std::to_string(r.Reached_Level) +
                "</td><td>" + Utc_Day(r.Received) + "</td></tr>\n";
    }
    return html + "</table></div>\n";
}

// Today's game: a table per difficulty, each with the link that plays it.
std::string Daily_Html(const Page_Daily& daily, const Page_Links& links) {
    std::string html = "<h2>DAILY " + Escaped(daily.Day) +
                       "</h2>\n<p class=\"note\">One game a day, the same for everyone (UTC): "
                       "<code>zarvo --daily --difficulty D</code> or the links below.</p>"
                       "<div class=\"pair\">\n";
    for (int d = 0; d < 3; ++d) {
        const std::string play = Escaped(links.Game_Page + "#daily=" + std::to_string(d + 1));
        html += Table_Html(Difficulty_Names[d], daily.Tables[static_cast<size_t>(d)], links);
        html.insert(html.rfind("</div>"), "<p><a href=\"" + play + "\">play today's " +
                                              Difficulty_Names[d] + " game</a></p>");
    }
    return html + "</div>\n";
}

}  // namespace

std::string Watch_Link(const Page_Links& links, int64_t id) {
    return links.Game_Page + "#watch=" + links.Board + "/runs/" + std::to_string(id) + "/file";
}

std::string Board_Page(const std::array<Page_Tables, 3>& tables, const std::string& month,
                       const Page_Daily& daily, const Page_Links& links,
                       const std::string& store_kind) {
    std::string html = Page_Head + Daily_Html(daily, links);
    for (int d = 2; d >= 0; --d) {
        html += std::string("<h2>") + Difficulty_Names[d] + "</h2><div class=\"pair\">\n";
        html += Table_Html("all time", tables[static_cast<size_t>(d)].All_Time, links);
        html += Table_Html(("this month (" + month + ")").c_str(),
                           tables[static_cast<size_t>(d)].Month, links);
        html += "</div>\n";
    }
    html +=
        "<p class=\"note\">Runs with code words in force are verified but never listed. "
        "Stored in " +
        Escaped(store_kind) + ".</p>\n</body></html>\n";
    return html;
}

}  // namespace zarvo
