// The checks of the configuration file: keys, [options] lines, values, patterns and paths.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "check/warning.h"
#include "config/settings.h"
#include "model/document.h"
#include "scan/discovery.h"

namespace inkwright {

// The known key closest to `key` by edit distance, letters compared ignoring the case of A-Z; a
// family key comes with the name that `key` gives after its first ":". The first of equally close
// keys in knownKeys() order.
std::string closestKnownKey(std::string_view key);

// What the configuration checks look at besides the configuration itself.
struct ConfigCheckInput {
  const Configuration& config;
  // The configuration file as the user named it.
  const std::string& path;
  // What the walk of the source paths met, and the document it read.
  const WalkRecord& walk;
  const Document& document;
};

// Adds the warnings of category "config": unknown and repeated keys, unknown [options] lines,
// values that end in a line feed, source paths that cannot be listed, patterns that match no file,
// a missing output directory and an output format that selects nothing.
void checkConfiguration(const ConfigCheckInput& input, WarningList& warnings);

}  // namespace inkwright
