// Subprocess runs of the headless runner.
#include "headless_run.h"

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <sys/wait.h>

namespace test_support {

namespace {
std::string ReadText(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string Quoted(const std::filesystem::path& path) { return "'" + path.string() + "'"; }
}  // namespace

double HeadlessResult::Number(const std::string& field) const {
    const auto at = report.find("\"" + field + "\":");
    if (at == std::string::npos) return std::nan("");
    return std::strtod(report.c_str() + at + field.size() + 3, nullptr);
}

std::string HeadlessResult::List(const std::string& field) const {
    const auto at = report.find("\"" + field + "\":");
    if (at == std::string::npos) return "";
    const auto open = report.find('[', at);
    if (open == std::string::npos) return "";
    bool inString = false;
    for (size_t i = open + 1; i < report.size(); ++i) {
        const char c = report[i];
        if (inString && c == '\\') {
            ++i;
        } else if (c == '"') {
            inString = !inString;
        } else if (!inString && c == ']') {
            return report.substr(open, i - open + 1);
        }
    }
    return "";
}

bool HeadlessResult::ListHas(const std::string& field, const std::string& text) const {
    return List(field).find(text) != std::string::npos;
}

HeadlessResult RunHeadless(const std::filesystem::path& folder, const std::string& arguments) {
    const char* bin = std::getenv("PEBBLEDASH_BIN");
    const std::filesystem::path runner = std::filesystem::path(bin ? bin : ".") / "pebbledash-headless";
    const auto logFile = folder / "runner.log";
    const std::string command = Quoted(runner) + " --data " + Quoted(folder) + " --shots " + Quoted(folder / "shots") +
                                " --report " + Quoted(folder / "report.json") + " " + arguments + " > " +
                                Quoted(logFile) + " 2>&1";
    HeadlessResult result;
    const int status = std::system(command.c_str());
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    result.report = ReadText(folder / "report.json");
    result.log = ReadText(logFile);
    return result;
}

}  // namespace test_support
