// The table of contents page: every entry under the letter its name begins with.
#pragma once

#include <string>
#include <string_view>

#include "config/settings.h"
#include "model/document.h"
#include "text/outputsink.h"

namespace inkwright {

// The name of the table of contents page in the output directory.
inline constexpr std::string_view kTocName = "toc.html";

// Writes the table of contents page to path, from the "page" template. When the file cannot be
// created, shows "oops" / "could not write " + path.
void tocWriter(const Configuration& config, const Document& document, const std::string& path,
               OutputSink& sink);

}  // namespace inkwright
