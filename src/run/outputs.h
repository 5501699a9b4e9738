// The outputs of a run: which ones an "output format" selects, and writing them.
#pragma once

#include <string>

#include "config/settings.h"
#include "model/document.h"
#include "text/outputsink.h"

namespace inkwright {

// The outputs that an "output format" value selects. Each word is a case-sensitive substring test
// of its own; "HTMLHELP" holds "HTML", so the help project always comes with the pages.
struct SelectedOutputs {
  bool pages = false;
  bool helpProject = false;
  bool importFile = false;
  bool editorReference = false;
  bool userLibrary = false;
};
SelectedOutputs selectedOutputs(const std::string& outputFormat);

// Whether any output is selected.
bool anySelected(const SelectedOutputs& selected);

// The output directory from the "output path" value: trimmed of spaces, and ending in "/" or "\"
// ("\" is appended otherwise, so an empty value gives "\").
std::string outputPathFrom(const std::string& value);

// Writes the selected outputs of the document into outputPath, in their fixed order, through the
// sink.
void writeSelectedOutputs(const Configuration& config, const Document& document,
                          const std::string& outputPath, const SelectedOutputs& selected,
                          OutputSink& sink);

}  // namespace inkwright
