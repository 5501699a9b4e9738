#include "check/warning.h"

#include <algorithm>
#include <tuple>

#include "config/keytable.h"

namespace inkwright {

namespace {

// The position of the category's first rule in knownRules(); past the end for an unknown one.
std::size_t categoryRank(std::string_view rule) {
  const std::string_view category = ruleCategory(rule);
  const auto rules = knownRules();
  const auto found = std::find_if(rules.begin(), rules.end(), [&](const KnownRule& known) {
    return known.category == category;
  });
  return static_cast<std::size_t>(found - rules.begin());
}

}  // namespace

std::string_view ruleCategory(std::string_view rule) { return rule.substr(0, rule.find('.')); }

void sortWarnings(WarningList& warnings) {
  std::stable_sort(warnings.begin(), warnings.end(), [](const Warning& a, const Warning& b) {
    return std::forward_as_tuple(categoryRank(a.rule), a.file, a.line) <
           std::forward_as_tuple(categoryRank(b.rule), b.file, b.line);
  });
}

std::string quoted(std::string_view text) {
  std::string result;
  result.reserve(text.size() + 2);
  result.append(1, '"').append(text).append(1, '"');
  return result;
}

}  // namespace inkwright
