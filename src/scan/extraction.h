// Block extraction: documentation blocks of the source files into entryList.
#pragma once

#include <string>
#include <vector>

#include "config/settings.h"
#include "model/document.h"

namespace inkwright {

// Reads every path with the markers of the same position and appends, file after file in path
// order, its documentation blocks (delimited by the markers) to entryList and its import
// directives to importList. A file that cannot be opened adds nothing. The files are read on two
// threads; the lists are the same as when they are read one after the other.
void extractSourceFiles(const Configuration& config, const std::vector<std::string>& paths,
                        const std::vector<const MarkerSet*>& markers);

}  // namespace inkwright
