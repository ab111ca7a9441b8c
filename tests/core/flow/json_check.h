// A strict check that a text is one well-formed JSON value in well-formed UTF-8.
#pragma once

#include <string>

namespace test_support {

// True when text is valid UTF-8 holding exactly one JSON value (RFC 8259), with
// surrounding white space; *where gets the byte offset of the first fault.
bool IsValidJson(const std::string& text, size_t* where = nullptr);

}  // namespace test_support
