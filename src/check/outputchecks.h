// The check of the output directory: files there that the run does not write.
#pragma once

#include <string>
#include <unordered_set>
#include <vector>

#include "check/warning.h"

namespace inkwright {

// Adds an "output.stale-file" warning for every file directly in outputPath (ending in a separator)
// that is neither among `written` nor among `kept`, the files that belong there all the same.
// Nothing when the directory cannot be listed.
void checkOutputDirectory(const std::string& outputPath,
                          const std::unordered_set<std::string>& written,
                          const std::vector<std::string>& kept, WarningList& warnings);

}  // namespace inkwright
