// The report of the check program, in the form of a compiler's warnings, as JSON or as SARIF.
#pragma once

#include <cstddef>
#include <string>

#include "check/warning.h"

namespace inkwright {

enum class ReportFormat { gnu, json, sarif };

// What the run read and would write, for the summary line.
struct RunCounts {
  std::size_t filesRead = 0;
  std::size_t blocks = 0;
  std::size_t entries = 0;
  std::size_t pages = 0;
};

// One line per warning, "path:line: warning: message [rule]" ("path: warning: ..." without a
// line), paths as the system shows them.
std::string gnuReport(const WarningList& warnings);

// One JSON array with an object per warning: file, line (null without one), category, rule and
// message. Bytes that are not UTF-8 become U+FFFD.
std::string jsonReport(const WarningList& warnings);

// A SARIF 2.1.0 log of one run, whose tool lists every rule of knownRules() and whose results
// locate each warning by a relative URI with "/" separators.
std::string sarifReport(const WarningList& warnings);

std::string reportIn(ReportFormat format, const WarningList& warnings);

// "inkwright-check: F files read, B blocks, E entries, P pages; warnings: config N, block N, ...",
// every category counted, ending in a line feed.
std::string summaryLine(const RunCounts& counts, const WarningList& warnings);

}  // namespace inkwright
