// The search page of "styled pages": searching from the file system, with no server.
#pragma once

#include <string>

#include "html/sitelayout.h"
#include "text/outputsink.h"

namespace inkwright {

// Writes search.html, from its built-in template alone, to path. When the file cannot be created,
// shows "oops" / "could not write " + path.
void searchPageWriter(const SiteLayout& site, const std::string& path, OutputSink& sink);

}  // namespace inkwright
