// The HTML Help project: the contents file and the project file beside the pages.
#pragma once

#include <string>
#include <vector>

#include "config/settings.h"
#include "html/pagelinks.h"
#include "model/document.h"
#include "text/outputsink.h"

namespace inkwright {

// The base name of the two project files.
inline constexpr const char* kHelpBaseName = "LB";

// The names of the two project files of that base name, in the order they are written: the
// contents file, then the project file.
std::vector<std::string> helpProjectFiles(const std::string& baseName);

// Writes baseName + ".hhc" (the groups and their entries) and then baseName + ".hhp" (options and
// the file list) into the output directory ("/" is added when it ends in no separator), lines
// ended by CR LF. A file that cannot be created is skipped silently. The file list names the
// entry pages, then listedFiles (files of other outputs that the compiler must take in), then the
// additional files. Under "portable help project" the project file names its own files by base
// name alone and lists every written file once, the index pages after the entry pages.
void helpProjectWriter(const Configuration& config, const Document& document,
                       const std::string& outputDirectory, const std::string& baseName,
                       const std::vector<std::string>& listedFiles, OutputSink& sink);

// The same, with the names and links the run made for all of its outputs.
void helpProjectWriter(const Configuration& config, const Document& document,
                       const PageLinks& pageLinks, const std::string& outputDirectory,
                       const std::string& baseName, const std::vector<std::string>& listedFiles,
                       OutputSink& sink);

}  // namespace inkwright
