// Source discovery: the walk of the configured source directories into fileList.
#pragma once

#include <string>

#include "config/settings.h"

namespace inkwright {

// True when some pattern of ignorePatterns, tried in list order up to the first that matches,
// matches the bare name; false for an empty list.
bool isIgnored(const Configuration& config, const std::string& name);

// True when some pattern of acceptPatterns, tried in list order up to the first that matches,
// matches the bare name; false for an empty list.
bool isAccepted(const Configuration& config, const std::string& name);

// Appends the accepted files below directory (one trailing "\" removed) to fileList, depth first
// in listing order. A directory that cannot be listed, or that is one of its own ancestors through
// a link, adds nothing; so does an empty path, which names no directory.
void scanDirectory(const Configuration& config, const std::string& directory);

// Walks every directory of sourcePaths, in list order, appending the accepted files to fileList.
void scanSourcePaths(const Configuration& config);

}  // namespace inkwright
