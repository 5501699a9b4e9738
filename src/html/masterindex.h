#pragma once

#include <string>

namespace inkwright {

// Writes the master index page to path.
void masterIndexWriter(const std::string& path);

}  // namespace inkwright
