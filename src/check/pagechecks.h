// The checks of the HTML pages: how entry names become page files, and where the links lead.
#pragma once

#include <cstddef>
#include <string>
#include <unordered_set>

#include "check/warning.h"
#include "model/document.h"

namespace inkwright {

// The files that the page writer and the index writers put into the output directory, by name.
std::unordered_set<std::string> writtenPageFiles(const Document& document);

// Adds the warnings of category "name" for the ordered document's entries: entries whose pages are
// replaced by a later one or by an index page, pages whose names differ only in case, names that
// cannot become a file, and names holding characters that a browser or Windows treats specially.
// Also "block.no-name" for blocks whose start line gives no name.
void checkEntryNames(const Document& document, WarningList& warnings);

// Adds the warnings of category "link": automatic links, contents entries, index and contents
// lines, and group headings that point to a page that is not among `written`.
void checkPageLinks(const Document& document, const std::unordered_set<std::string>& written,
                    WarningList& warnings);

}  // namespace inkwright
