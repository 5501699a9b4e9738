// The check of the output directory: files there that the run does not write.
#pragma once

#include <string>
#include <unordered_set>

#include "check/warning.h"
#include "config/settings.h"
#include "run/outputs.h"

namespace inkwright {

// The names of the files that a run with these outputs writes directly into outputPath (as
// outputPathFrom gives it): pages and index files (from `pages`), the help project's files and
// the additional files it lists, and the binding files.
std::unordered_set<std::string> writtenOutputFiles(const Configuration& config,
                                                   const std::string& outputPath,
                                                   const SelectedOutputs& selected,
                                                   const std::unordered_set<std::string>& pages);

// Adds an "output.stale-file" warning for every file directly in outputPath that is not among
// `written`. Nothing when the directory cannot be listed.
void checkOutputDirectory(const std::string& outputPath,
                          const std::unordered_set<std::string>& written, WarningList& warnings);

}  // namespace inkwright
