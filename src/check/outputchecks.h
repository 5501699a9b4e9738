// The check of the output directory: files there that the run does not write.
#pragma once

#include <string>
#include <unordered_set>

#include "check/warning.h"

namespace inkwright {

// Adds an "output.stale-file" warning for every file directly in outputPath (ending in a separator)
// that is not among `expected`. Nothing when the directory cannot be listed.
void checkOutputDirectory(const std::string& outputPath,
                          const std::unordered_set<std::string>& expected, WarningList& warnings);

}  // namespace inkwright
