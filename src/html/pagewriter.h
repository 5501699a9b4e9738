#pragma once

#include <string>

namespace inkwright {

// Writes one page per entry into the output directory (which ends in a separator).
void pageWriter(const std::string& outputDirectory);

}  // namespace inkwright
