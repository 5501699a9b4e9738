// The master index page: the groups and, under each, its entries with their descriptions.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "config/settings.h"
#include "html/pagelinks.h"
#include "html/sitelayout.h"
#include "model/document.h"
#include "text/outputsink.h"

namespace inkwright {

// Whether the master index shows the groups and their entries: its template holds @@INDEX@@. With
// the built-in templates it does not.
bool masterIndexListsGroups(const Configuration& config);

// Writes the master index page to path, from the "masterindex" template (the "page" template when
// that is empty). When the file cannot be created, shows "oops" / "could not write " + path.
void masterIndexWriter(const Configuration& config, const Document& document,
                       const std::string& path, OutputSink& sink);

// The same, with the names, links and frame the run made for all of its outputs.
void masterIndexWriter(const Configuration& config, const Document& document,
                       const SiteLayout& site, const std::string& path, OutputSink& sink);

// The page that masterIndexWriter writes; under "styled pages" with the descriptions given, where
// they are (indexDescriptions), rather than found again.
std::string masterIndexPage(const Configuration& config, const Document& document,
                            const SiteLayout& site,
                            const std::vector<std::string>* descriptions = nullptr);

// The description the index pages show of the entry: trimmed of blanks, unescaped.
std::string indexDescriptionOf(const Configuration& config, const DocEntry& entry);

// indexDescriptionOf of every entry, in the document's order.
std::vector<std::string> indexDescriptions(const Configuration& config, const Document& document);

}  // namespace inkwright
