// Writes the world high-score page.
#include "server/score_page.h"

#include <ctime>

namespace scores {
namespace {

constexpr const char* DifficultyNames[3] = {"Easy", "Medium", "Hard"};

constexpr const char* Style =
    "body{margin:0;font-family:'DejaVu Sans',Verdana,sans-serif;background:#1d2b3a;color:#f4f1e8}"
    "header{padding:28px 24px 8px;text-align:center}"
    "h1{margin:0;font-size:34px;letter-spacing:1px;color:#ffd23f}"
    "header p{margin:6px 0 0;color:#a9b8c8}"
    "main{display:flex;flex-wrap:wrap;gap:24px;justify-content:center;padding:20px}"
    "section{background:#26384b;border-radius:12px;padding:14px 18px 18px;flex:0 1 384px;box-sizing:border-box;"
    "box-shadow:0 4px 14px rgba(0,0,0,.35);border:2px solid transparent}"
    "section.chosen{border-color:#ffd23f}"
    "h2{margin:4px 0 10px;font-size:22px;text-align:center}"
    "table{border-collapse:collapse;width:100%}"
    "th{font-size:12px;text-transform:uppercase;color:#a9b8c8;text-align:left;padding:4px 8px}"
    "td{padding:6px 8px;border-top:1px solid #34495e}"
    "td.rank{color:#ffd23f;font-weight:bold;width:2em}"
    "td.score{text-align:right;font-variant-numeric:tabular-nums;font-weight:bold}"
    "td.when{color:#a9b8c8;font-size:12px;white-space:nowrap}"
    "td.none{color:#a9b8c8;text-align:center;font-style:italic}"
    "tr:nth-child(even) td{background:#2b3f54}";

std::string Date(std::int64_t seconds)
{
    const std::time_t when = static_cast<std::time_t>(seconds);
    std::tm parts{};
    gmtime_r(&when, &parts);
    char text[16];
    std::strftime(text, sizeof text, "%Y-%m-%d", &parts);
    return text;
}

}  // namespace

std::string EscapeHtml(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        case '\'': out += "&#39;"; break;
        default: out.push_back(c);
        }
    }
    return out;
}

std::string RenderScorePage(const std::vector<ScoreEntry> tables[3], int chosen)
{
    std::string html =
        "<!DOCTYPE html>\n<html lang=\"en\"><head><meta charset=\"utf-8\">"
        "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">"
        "<title>Pebbledash world high scores</title><style>";
    html += Style;
    html += "</style></head><body><header><h1>Pebbledash world high scores</h1>"
            "<p>The best table-top racers of the world, one table per difficulty</p></header><main>";
    for (int d = 0; d < 3; ++d) {
        html += d == chosen ? "<section class=\"chosen\" id=\"type" : "<section id=\"type";
        html += std::to_string(d) + "\"><h2>" + DifficultyNames[d] + "</h2><table>"
                "<tr><th>#</th><th>Name</th><th>Country</th><th>Score</th><th>Date</th></tr>";
        if (tables[d].empty()) html += "<tr><td class=\"none\" colspan=\"5\">No scores yet</td></tr>";
        int rank = 0;
        for (const ScoreEntry& row : tables[d]) {
            html += "<tr><td class=\"rank\">" + std::to_string(++rank) + "</td><td class=\"name\">" +
                    EscapeHtml(row.name) + "</td><td>" + EscapeHtml(row.country) +
                    "</td><td class=\"score\">" + std::to_string(row.score) + "</td><td class=\"when\">" +
                    Date(row.submitted) + "</td></tr>";
        }
        html += "</table></section>";
    }
    html += "</main></body></html>\n";
    return html;
}

}  // namespace scores
