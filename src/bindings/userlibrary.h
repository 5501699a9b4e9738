#pragma once

#include <string>

namespace inkwright {

// Writes the user-library descriptor into the output directory.
void userLibraryWriter(const std::string& outputDirectory);

}  // namespace inkwright
