// The whole check: a run's reading and ordering, then every check over what it found.
#pragma once

#include <optional>
#include <string>

#include "check/blockchecks.h"
#include "check/report.h"
#include "check/warning.h"
#include "config/settings.h"
#include "model/document.h"
#include "scan/discovery.h"

namespace inkwright {

struct CheckResult {
  WarningList warnings;  // sorted by sortWarnings
  RunCounts counts;
  // What the check read, which checkRun gives back, so that a program about to end can leave its
  // memory to the system rather than free it entry by entry.
  Document read;
};

// Reads the configuration at configurationPath and its sources as a run does, without writing
// any file, and checks everything the run would read, lose and write. nullopt when the
// configuration file cannot be read at all (missing, unreadable, or a directory).
std::optional<CheckResult> checkRun(const std::string& configurationPath);

// What the check looks at: the configuration file as the user named it and as it was read, and
// what the reading of the sources (readDocument) met, saw and found.
struct CheckInput {
  const Configuration& config;
  const std::string& configurationPath;
  const WalkRecord& walk;
  const BlockWatch& blocks;
  const Document& document;
};

// The check of a run that has read this input: every warning, and what it read and would write.
CheckResult checkDocument(const CheckInput& input);

}  // namespace inkwright
