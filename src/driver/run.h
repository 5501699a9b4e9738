// The run: every phase once, in its fixed order.
#pragma once

#include <string>

#include "config/settings.h"
#include "model/document.h"

namespace inkwright {

// Runs the whole job described by the configuration file at configurationPath.
void runInkwright(const std::string& configurationPath);

// The output directory from the "output path" value: trimmed of spaces, and ending in "/" or "\"
// ("\" is appended otherwise, so an empty value gives "\").
std::string outputPathFrom(const std::string& value);

// The markers for the file at path: those of the configuration's last MarkerSet whose pattern
// matches the path, else its defaultMarkers.
const MarkerSet& markersFor(const Configuration& config, const std::string& path);

}  // namespace inkwright
