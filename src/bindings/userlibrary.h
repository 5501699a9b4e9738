// The user-library descriptor: a fixed header, then the parameter types, parameter names and
// description of every imported procedure.
#pragma once

#include <string>

#include "config/settings.h"
#include "model/document.h"
#include "text/outputsink.h"

namespace inkwright {

// Writes the user-library descriptor through the sink into the output directory ("/" is added when
// it ends in no separator), named userLibraryName; writes nothing when the file cannot be
// created.
void userLibraryWriter(const Configuration& config, const Document& document,
                       const std::string& outputDirectory, OutputSink& sink);

}  // namespace inkwright
