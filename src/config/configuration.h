// The configuration file: key lines "[key]", comment lines "#...", and value lines.
#pragma once

#include <optional>
#include <string>

#include "config/settings.h"

namespace inkwright {

// The configuration of the file at path: its pairs in configList (behind the reserved "DUMMY"
// pair), the templates, replacers and marker-set patterns its key lines announce, and the settings
// derived from them (deriveSettings). A file that cannot be opened reads as an empty one.
Configuration readConfiguration(const std::string& path);

// The same, but nullopt when the file cannot be opened, for a caller that must tell a missing file
// from an empty one.
std::optional<Configuration> readConfigurationFile(const std::string& path);

}  // namespace inkwright
