// One warning of the check program, and the list the checks add to.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace inkwright {

struct Warning {
  // The file to change, as the run spells its path ("\" separators), and the line there, counted
  // from 1; 0 when the warning concerns the whole file.
  std::string file;
  std::size_t line = 0;
  // A rule id of knownRules(), "category.rule".
  std::string_view rule;
  std::string message;
};

using WarningList = std::vector<Warning>;

// The category of a rule id: the part before its ".".
std::string_view ruleCategory(std::string_view rule);

// Sorts the warnings by category, in the order of knownRules(), then by file and line; warnings
// at the same place keep the order they were found in.
void sortWarnings(WarningList& warnings);

// The text in double quotes, for names and values inside a message.
std::string quoted(std::string_view text);

}  // namespace inkwright
