#pragma once

#include <string>

namespace inkwright {

// Writes the table of contents page to path.
void tocWriter(const std::string& path);

}  // namespace inkwright
