// Where the keys and values of a configuration file stand, so that a warning can name the line a
// user has to change.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace inkwright {

// One key line and the lines of its value, counted from 1.
struct KeyLines {
  std::size_t keyLine = 0;
  // The line of each line of the value, in the order the value holds them: from the first value
  // line that is not blank, every value line up to the next key line (comment lines are no part
  // of a value). Line k of the value, split at its line feeds, came from valueLines[k].
  std::vector<std::size_t> valueLines;
};

// The key lines of the configuration file at path, in file order: element k belongs to the pair
// k + 1 of configList (the first pair is the reserved one no line makes). Lines are read and
// classified as readConfiguration reads them. nullopt when the file cannot be opened.
std::optional<std::vector<KeyLines>> readKeyLines(const std::string& path);

}  // namespace inkwright
