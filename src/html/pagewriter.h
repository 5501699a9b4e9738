// The entry pages: one HTML page per entry, from the page and tag templates.
#pragma once

#include <string>
#include <vector>

#include "config/settings.h"
#include "model/document.h"
#include "text/outputsink.h"

namespace inkwright {

// Writes one page per entry of the document, named and sorted as the ordering leaves them, through
// the sink into the output directory ("/" is added when it ends in no separator), named after the
// entry without a leading "#". A page that cannot be created, or whose name holds a separator, is
// skipped silently.
// laterOutputs are the paths the run writes after the pages: a page that one of them or a later
// page of the same name replaces is not written at all (note [last writer]).
void pageWriter(const Configuration& config, const Document& document,
                const std::string& outputDirectory, const std::vector<std::string>& laterOutputs,
                OutputSink& sink);

}  // namespace inkwright
