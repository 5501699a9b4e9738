// The entry pages: one HTML page per entry, from the page and tag templates.
#pragma once

#include <string>

#include "config/settings.h"

namespace inkwright {

// Sets entryName and sectionName of every entry, then writes one page per entry into the output
// directory ("/" is added when it ends in no separator), named after the entry without a leading
// "#". A page that cannot be created, or whose name holds a separator, is skipped silently.
void pageWriter(const Configuration& config, const std::string& outputDirectory);

}  // namespace inkwright
