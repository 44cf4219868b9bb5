#pragma once

#include <string_view>

namespace hbpins {

// The files of this folder, compiled in by cmake/embed_files.cmake: the
// frame of the board's page with its markers, its style and its script.
extern const std::string_view page_html;
extern const std::string_view page_css;
extern const std::string_view page_js;

}  // namespace hbpins
