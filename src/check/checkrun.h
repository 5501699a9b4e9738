// The whole check: a run's reading and ordering, then every check over what it found.
#pragma once

#include <optional>
#include <string>

#include "check/report.h"
#include "check/warning.h"

namespace inkwright {

struct CheckResult {
  WarningList warnings;  // sorted by sortWarnings
  RunCounts counts;
};

// Reads the configuration at configurationPath and its sources as a run does, without writing
// any file, and checks everything the run would read, lose and write. nullopt when the
// configuration file cannot be read at all (missing, unreadable, or a directory).
std::optional<CheckResult> checkRun(const std::string& configurationPath);

}  // namespace inkwright
