// The run: every phase once, in its fixed order.
#pragma once

#include <string>

#include "config/settings.h"
#include "model/document.h"
#include "scan/discovery.h"
#include "scan/extraction.h"
#include "scan/wildcard.h"

namespace inkwright {

// Runs the whole job described by the configuration file at configurationPath.
void runInkwright(const std::string& configurationPath);

// Everything a run does before it writes: walks the source paths, extracts the blocks, orders
// the entries and marks the documented imports. inkwright and inkwright-check both read through
// this one function, so the check reports on exactly what a run writes from. The matcher serves
// the walk and then the choice of each file's markers (note [kept pattern]). When record is given,
// the walk adds what it met to it; when observer is given, the extraction tells it every line.
Document readDocument(const Configuration& config, WildcardMatcher& matcher, WalkRecord* record,
                      ExtractionObserver* observer);

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

// The output directory from the "output path" value: trimmed of spaces, and ending in "/" or "\"
// ("\" is appended otherwise, so an empty value gives "\").
std::string outputPathFrom(const std::string& value);

}  // namespace inkwright
