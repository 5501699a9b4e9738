// The run: every phase once, in its fixed order.
#pragma once

#include <string>

#include "config/settings.h"
#include "model/document.h"
#include "scan/discovery.h"
#include "scan/extraction.h"
#include "scan/wildcard.h"

namespace inkwright {

// Runs the whole job described by the configuration file at configurationPath. Gives back what it
// read, so that a program about to end can leave its memory to the system: freeing tens of
// thousands of entries one by one costs a run as much as some of its outputs do.
Document runInkwright(const std::string& configurationPath);

// Everything a run does before it writes: walks the source paths, extracts the blocks, orders
// the entries and marks the documented imports. inkwright and inkwright-check both read through
// this one function, so the check reports on exactly what a run writes from. The matcher serves
// the walk and then the choice of each file's markers (note [kept pattern]). When record is given,
// the walk adds what it met to it; when observer is given, the extraction tells it every line.
Document readDocument(const Configuration& config, WildcardMatcher& matcher, WalkRecord* record,
                      ExtractionObserver* observer);

}  // namespace inkwright
