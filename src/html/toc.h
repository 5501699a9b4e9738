// The table of contents page: every entry under the letter its name begins with.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "config/settings.h"
#include "html/pagelinks.h"
#include "html/sitelayout.h"
#include "model/document.h"
#include "text/outputsink.h"

namespace inkwright {

// The letter A to Z under which the contents list an entry named entryName: the one its first byte
// upper-cases to; nullopt for any other first byte and for an empty name, listed nowhere.
std::optional<char> tocLetter(const std::string& entryName);

// Whether the table of contents lists the entries: the "page" template holds @@TAGS@@.
bool tocListsEntries(const Configuration& config);

// Writes the table of contents page to path, from the "page" template. When the file cannot be
// created, shows "oops" / "could not write " + path.
void tocWriter(const Configuration& config, const Document& document, const std::string& path,
               OutputSink& sink);

// The same, with the names, links and frame the run made for all of its outputs.
void tocWriter(const Configuration& config, const Document& document, const SiteLayout& site,
               const std::string& path, OutputSink& sink);

// The page that tocWriter writes.
std::string tocPage(const Configuration& config, const Document& document, const SiteLayout& site);

}  // namespace inkwright
