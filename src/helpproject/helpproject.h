// The HTML Help project: the contents file and the project file beside the pages.
#pragma once

#include <string>

namespace inkwright {

// The base name of the two project files.
inline constexpr const char* kHelpBaseName = "LB";

// Writes baseName + ".hhc" and baseName + ".hhp" into the output directory.
void helpProjectWriter(const std::string& outputDirectory, const std::string& baseName);

}  // namespace inkwright
