// The words a user writes and reads: every configuration key that some part reads, every page
// placeholder, and every warning rule of the check program (the [options] switches have a table of
// their own, config/options.h). One table each, read by the program, the check program and the
// manual's completeness test, so that none of them can miss a word the others know.
#pragma once

#include <span>
#include <string_view>

namespace inkwright {

struct KnownKey {
  // The key as written between "[" and "]"; for a family such as "template:" + name, the part
  // before the name, ending in ":".
  std::string_view key;
  bool isFamily;
  // One line for the user: what the value holds.
  std::string_view summary;
};

struct KnownPlaceholder {
  std::string_view name;  // "@@NAME@@"
  std::string_view summary;
};

// One warning of the check program: its fixed id, written "category.rule", and what it means.
struct KnownRule {
  std::string_view id;
  std::string_view category;
  std::string_view summary;
};

std::span<const KnownKey> knownKeys();
std::span<const KnownPlaceholder> knownPlaceholders();
// The rules, grouped by category in report order: config, block, name, link, binding, output.
std::span<const KnownRule> knownRules();

// Whether some part of the program reads `key` (a family key with its name counts).
bool isKnownKey(std::string_view key);

}  // namespace inkwright
