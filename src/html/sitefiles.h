// The files "styled pages" adds to the output folder, and the two of them built into the program.
#pragma once

#include <string_view>

namespace inkwright {

inline constexpr std::string_view kStyleSheetName = "inkwright.css";
inline constexpr std::string_view kSearchScriptName = "inkwright-search.js";
inline constexpr std::string_view kSearchIndexName = "inkwright-index.js";
inline constexpr std::string_view kSearchPageName = "search.html";

std::string_view builtInStyleSheet();
std::string_view builtInSearchScript();

}  // namespace inkwright
