// The checks of the HTML pages: how entry names become page files, and where the links lead.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "check/warning.h"
#include "config/options.h"
#include "html/pagenames.h"
#include "model/document.h"
#include "run/outputs.h"

namespace inkwright {

// Adds the warnings of category "name" for the ordered document's entries: entries whose pages are
// replaced by a later one or by a later output's file, pages whose names differ only in case from
// another page or a later file, pages that no file system takes, and page names holding characters
// that a browser or Windows treats specially. Each warning that a switch of page naming spares
// names that switch. Also "block.no-name" for blocks whose start line gives no name.
// isLastWriter is what lastPageWriters gives for the document and laterFiles.
void checkEntryNames(const Document& document, const PageNames& pageNames, const Options& options,
                     const std::vector<LaterFile>& laterFiles,
                     const std::vector<bool>& isLastWriter, WarningList& warnings);

// Which of the outputs a run writes list the entries with links to their pages, as the writers
// decide it (automatic links are always made where a page names an entry).
struct LinkPlaces {
  bool contentsLists = false;
  bool masterIndex = false;
  bool tableOfContents = false;
  bool helpContents = false;
  // Under "no self links" a page leaves as text the links that lead to itself.
  bool noSelfLinks = false;
};

// Adds the warnings of category "link": automatic links, contents lists, index and contents lines,
// and group headings that point to a file that is not among `written`, the names of the files the
// run writes. A section header whose page is not written (isLastWriter, as lastPageWriters gives
// it) lists its section nowhere.
void checkPageLinks(const Document& document, const PageNames& pageNames,
                    const std::vector<bool>& isLastWriter, const LinkPlaces& places,
                    const std::unordered_set<std::string>& written, WarningList& warnings);

}  // namespace inkwright
