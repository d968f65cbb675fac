#pragma once

#include <span>
#include <string_view>

namespace tavrix::server {

// A text file compiled into the program (schema, demo data, procedures).
struct EmbeddedFile {
    std::string_view path; // relative to its folder, with '/' separators
    std::string_view text;
};

} // namespace tavrix::server
