// The entry pages: one HTML page per entry, from the page and tag templates.
#pragma once

#include <cstddef>
#include <string>
#include <unordered_set>
#include <vector>

#include "config/settings.h"
#include "html/pagelinks.h"
#include "html/pagenames.h"
#include "html/sitelayout.h"
#include "model/document.h"
#include "text/outputsink.h"

namespace inkwright {

// Writes one page per entry of the document, named and sorted as the ordering leaves them, through
// the sink into the output directory ("/" is added when it ends in no separator), named after the
// entry without a leading "#". A page that cannot be created, or whose name holds a separator, is
// skipped silently. laterFiles are the names of the files the run writes into the output directory
// after the pages: only the last writer of each page file writes it (lastPageWriters).
void pageWriter(const Configuration& config, const Document& document,
                const std::string& outputDirectory,
                const std::unordered_set<std::string>& laterFiles, OutputSink& sink);

// The same, with the names, links and frame the run made for all of its outputs.
void pageWriter(const Configuration& config, const Document& document, const SiteLayout& site,
                const std::string& outputDirectory,
                const std::unordered_set<std::string>& laterFiles, OutputSink& sink);

// Whether the pages link the entry's name, wherever it stands in their text, to its page; under
// "existing links only" only where that page is written.
bool hasAutomaticLinks(const DocEntry& entry);

// Whether the entry pages show their tags, and a section header's page the list of its section:
// the "page" template holds @@TAGS@@.
bool pagesShowTags(const Configuration& config);

// The names of the page files the entries write, each once, in the order of the first entry that
// writes it.
std::vector<std::string> pageFiles(const PageNames& pageNames, std::size_t entryCount);

// For every entry, whether the page it writes is what its file holds after the run (note [last
// writer]): false for an entry that writes no page (isPageWritten), for one whose page file a
// later entry writes again, and for one whose page file is among laterFiles, the names of the
// files written after the pages. The page writer writes only these pages, and the check program
// names them as the ones kept.
std::vector<bool> lastPageWriters(const PageNames& pageNames, std::size_t entryCount,
                                  const std::unordered_set<std::string>& laterFiles);

}  // namespace inkwright
