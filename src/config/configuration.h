// The configuration file: key lines "[key]", comment lines "#...", and value lines.
#pragma once

#include <string>

namespace inkwright {

// Reads the configuration file into configList (behind the reserved "DUMMY" pair), registers the
// templates, replacers and marker-set patterns its key lines announce, and derives the settings
// (deriveSettings). A file that cannot be opened reads as an empty one.
void readConfiguration(const std::string& path);

}  // namespace inkwright
