// The files that styled pages add to the output folder beside the pages: the style sheet and the
// search script, whose bytes are built into the program from src/html/site/ (the build turns each
// into an array of a generated source), and the search index and page that a run makes.
#pragma once

#include <string_view>

namespace inkwright {

inline constexpr std::string_view kStyleSheetName = "inkwright.css";
inline constexpr std::string_view kSearchScriptName = "inkwright-search.js";
inline constexpr std::string_view kSearchIndexName = "inkwright-index.js";
inline constexpr std::string_view kSearchPageName = "search.html";

// The bytes of src/html/site/inkwright.css as the program was built with it.
std::string_view builtInStyleSheet();

// The bytes of src/html/site/inkwright-search.js as the program was built with it.
std::string_view builtInSearchScript();

}  // namespace inkwright
