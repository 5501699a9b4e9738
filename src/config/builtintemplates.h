// The templates a run uses where the configuration gives none: the original format's "page" and
// "tag", and, under "styled pages", HTML5 pages that carry the style sheet, the header with the
// title and the search box, and the navigation. The manual prints the styled ones, so that a user
// can copy one into the configuration and change it.
#pragma once

namespace inkwright {

inline constexpr const char* kBuiltinPageTemplate =
    "<html><head><title>@@NAME@@</title></head><body bgcolor=#FFFFDF link=#009999 vlink=#006666 "
    "alink=#006666>@@TAGS@@</body></html>";
inline constexpr const char* kBuiltinTagTemplate =
    "<div width=600><h2>@@TAG@@</h2><br />@@VALUE@@</div>";

// Under "styled pages". Tag values sit in a <div>, so that the blocks of "readable text" fit.
#define INKWRIGHT_STYLED_HEAD(title)                                           \
  "<!DOCTYPE html>\n"                                                          \
  "<html lang=\"en\">\n"                                                       \
  "<head>\n"                                                                   \
  "<meta charset=\"@@CHARSET@@\">\n"                                           \
  "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n" \
  "<title>" title                                                              \
  "</title>\n"                                                                 \
  "@@STYLESHEET@@\n"                                                           \
  "</head>\n"                                                                  \
  "<body>\n"                                                                   \
  "<header class=\"site\">\n"                                                  \
  "@@HOMELINK@@\n"                                                             \
  "@@SEARCHBOX@@\n"                                                            \
  "</header>\n"                                                                \
  "@@NAVIGATION@@\n"                                                           \
  "<main>\n"

inline constexpr const char* kStyledPageTemplate =
    INKWRIGHT_STYLED_HEAD("@@NAME@@") "<h1>@@NAME@@</h1>\n@@TAGS@@</main>\n</body>\n</html>\n";
inline constexpr const char* kStyledTagTemplate =
    "<section class=\"tag tag-@@TAG-LOWER@@\">\n<h2>@@TAG@@</h2>\n"
    "<div class=\"value\">@@VALUE@@</div>\n</section>\n";
inline constexpr const char* kStyledIndexTemplate =
    INKWRIGHT_STYLED_HEAD("@@NAME@@") "<h1>@@NAME@@</h1>\n@@INDEX@@</main>\n</body>\n</html>\n";
// The table of contents, unless the configuration gives a "page" template.
inline constexpr const char* kStyledContentsTemplate =
    INKWRIGHT_STYLED_HEAD("Contents") "<h1>Contents</h1>\n@@TAGS@@</main>\n</body>\n</html>\n";
// The search page, whatever the configuration gives.
inline constexpr const char* kStyledSearchTemplate =
    INKWRIGHT_STYLED_HEAD("Search") "<h1>Search</h1>\n"
    "<ol id=\"search-results\" class=\"results\"></ol>\n</main>\n"
    "<script src=\"inkwright-index.js\"></script>\n"
    "<script src=\"inkwright-search.js\"></script>\n</body>\n</html>\n";

#undef INKWRIGHT_STYLED_HEAD

}  // namespace inkwright
