// Block extraction: documentation blocks of one source file into entryList.
#pragma once

#include <string>

#include "model/document.h"

namespace inkwright {

// Reads the file at path and appends its documentation blocks (delimited by the markers) to
// entryList and its import directives to importList. A file that cannot be opened adds nothing.
void extractBlocks(const std::string& path, const MarkerSet& markers);

}  // namespace inkwright
