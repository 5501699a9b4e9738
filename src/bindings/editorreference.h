// The editor reference file: one line per documented procedure, then the bare declarations of the
// imported procedures that have no entry.
#pragma once

#include <string>

#include "config/settings.h"
#include "model/document.h"
#include "text/outputsink.h"

namespace inkwright {

// Writes the editor reference file through the sink into the output directory ("/" is added when
// it ends in no separator), named editorReferenceName; writes nothing when the file cannot be
// created.
void editorReferenceWriter(const Configuration& config, const Document& document,
                           const std::string& outputDirectory, OutputSink& sink);

}  // namespace inkwright
