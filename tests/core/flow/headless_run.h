// Runs pebbledash-headless as a separate process on a program folder and reads its report.
#pragma once

#include <filesystem>
#include <string>

namespace test_support {

struct HeadlessResult {
    int exitCode = -1;
    std::string report;  // the JSON text
    std::string log;     // stderr and stdout
    // A number field of the report; NaN when absent.
    double Number(const std::string& field) const;
    // True when the report's list field contains an item with this text in it.
    bool ListHas(const std::string& field, const std::string& text) const;
    // The raw text of a list field, "[]" when empty.
    std::string List(const std::string& field) const;
};

// Runs the runner with `arguments` (appended to --data, --shots and --report in
// folder/shots and folder/report.json).
HeadlessResult RunHeadless(const std::filesystem::path& folder, const std::string& arguments);

}  // namespace test_support
