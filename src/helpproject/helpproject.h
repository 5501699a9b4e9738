// The HTML Help project: the contents file and the project file beside the pages.
#pragma once

#include <string>

#include "config/settings.h"
#include "model/document.h"
#include "text/outputsink.h"

namespace inkwright {

// The base name of the two project files.
inline constexpr const char* kHelpBaseName = "LB";

// Writes baseName + ".hhc" (the groups and their entries) and then baseName + ".hhp" (options and
// the page list) into the output directory ("/" is added when it ends in no separator), lines
// ended by CR LF. A file that cannot be created is skipped silently. Under "portable help project"
// the project file names its own files by base name alone and lists every written file once.
void helpProjectWriter(const Configuration& config, const Document& document,
                       const std::string& outputDirectory, const std::string& baseName,
                       OutputSink& sink);

}  // namespace inkwright
