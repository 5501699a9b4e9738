#pragma once

#include <string>

namespace inkwright {

// Writes the import file into the output directory.
void importFileWriter(const std::string& outputDirectory);

}  // namespace inkwright
