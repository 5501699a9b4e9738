// Block extraction: documentation blocks of one source file into entryList.
#pragma once

#include <string>
#include <vector>

#include "config/settings.h"
#include "model/document.h"

namespace inkwright {

// Reads the file at path and appends its documentation blocks (delimited by the markers, their
// tags named by the configuration's tag rules) to entryList and its import directives to
// importList. A file that cannot be opened adds nothing.
void extractBlocks(const Configuration& config, const std::string& path, const MarkerSet& markers);

// extractBlocks for every path with the markers of the same position, appending to entryList and
// importList exactly what calling it for one path after the other would; the files are read on
// two threads.
void extractSourceFiles(const Configuration& config, const std::vector<std::string>& paths,
                        const std::vector<const MarkerSet*>& markers);

}  // namespace inkwright
