// The search index of styled pages, inkwright-index.js: what the search page's script searches,
// written once per run as one script that assigns it to a global.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "html/pagelinks.h"
#include "model/document.h"
#include "text/charset.h"

namespace inkwright {

// text with "&amp;", "&lt;", "&gt;" and "&quot;" read back as the byte each stands for, left to
// right: the inverse of escapeHtml, which is how a browser reads the names and links that the
// pages write. Any other "&" stays as it is.
std::string decodeHtml(std::string_view text);

// The script inkwright-index.js, ASCII only, which assigns the index to one global:
//
//   var inkwrightIndex = {entries: 3,
//   sections: "Ring\u000AR\u0026D",
//   names: "ring_get\u000Aring_put\u000AR\u0026D",
//   sectionOf: "0,0,1",
//   descriptions: "takes the oldest byte\u000Astores one byte\u000Alab calls",
//   hrefs: "\u000A\u000AR%26D.html"};
//
// entries counts the listed entries: those with a name whose page a list links, in the document's
// order. names, descriptions (descriptions[i] of entry i) and hrefs hold one line per entry, the
// lines joined by line feeds; sectionOf holds, per entry, the number of its section's line in
// sections, which names each section once, in the order the entries first name it. A line of hrefs
// is the link to the entry's page, empty where that is the name followed by ".html"; hrefs is empty
// where every line is. Names, sections and links are stored as a browser reads them from the pages
// (see decodeHtml), so that the script shows them as text and follows them as they are; a line end
// within a value is written as the blank a browser shows, or left out of a link as a browser leaves
// it out of a URL. Source bytes are read as charset says.
std::string searchIndexScript(const Document& document, const PageLinks& pageLinks,
                              const std::vector<std::string>& descriptions, Charset charset);

}  // namespace inkwright
