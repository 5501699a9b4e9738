// The table of contents page: every entry under the letter its name begins with.
#pragma once

#include <string>

#include "config/settings.h"

namespace inkwright {

// Writes the table of contents page to path, from the "page" template. When the file cannot be
// created, shows "oops" / "could not write " + path.
void tocWriter(const Configuration& config, const std::string& path);

}  // namespace inkwright
