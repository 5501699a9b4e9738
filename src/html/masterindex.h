// The master index page: the groups and, under each, its entries with their descriptions.
#pragma once

#include <string>
#include <string_view>

#include "config/settings.h"
#include "html/pagelinks.h"
#include "model/document.h"
#include "text/outputsink.h"

namespace inkwright {

// The name of the master index page in the output directory.
inline constexpr std::string_view kMasterIndexName = "masterindex.html";

// Whether the master index shows the groups and their entries: its template holds @@INDEX@@. With
// the built-in templates it does not.
bool masterIndexListsGroups(const Configuration& config);

// Writes the master index page to path, from the "masterindex" template (the "page" template when
// that is empty). When the file cannot be created, shows "oops" / "could not write " + path.
void masterIndexWriter(const Configuration& config, const Document& document,
                       const std::string& path, OutputSink& sink);

// The same, with the names and links the run made for all of its outputs.
void masterIndexWriter(const Configuration& config, const Document& document,
                       const PageLinks& pageLinks, const std::string& path, OutputSink& sink);

}  // namespace inkwright
