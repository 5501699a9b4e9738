// The search page of "styled pages", with its index: searching from the file system, with no
// server.
#pragma once

#include <string>

#include "config/settings.h"
#include "html/sitelayout.h"
#include "model/document.h"
#include "text/outputsink.h"

namespace inkwright {

// Writes search.html, from its built-in template alone, to path. When the file cannot be created,
// shows "oops" / "could not write " + path.
void searchPageWriter(const SiteLayout& site, const std::string& path, OutputSink& sink);

// Writes the search index script to path: every entry with a page, by name, section, description
// and link.
void searchIndexWriter(const Configuration& config, const Document& document,
                       const SiteLayout& site, const std::string& path, OutputSink& sink);

}  // namespace inkwright
