// The import file: the declarations of the wrapper's procedures and the inline code of their
// entries, grouped by the source file they came from.
#pragma once

#include <string>

#include "config/settings.h"
#include "model/document.h"
#include "text/outputsink.h"

namespace inkwright {

// Writes the import file through the sink into the output directory ("/" is added when it ends in
// no separator), named importFileName; writes nothing when the file cannot be created.
void importFileWriter(const Configuration& config, const Document& document,
                      const std::string& outputDirectory, OutputSink& sink);

}  // namespace inkwright
