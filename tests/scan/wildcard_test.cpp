#include "scan/wildcard.h"

#include <gtest/gtest.h>

#include <tuple>

namespace inkwright {
namespace {

// Compilation drops a "?" after a star, a second leading "?" and a lone leading "?" before a star,
// and folds stars in a row; a star then binds to the leftmost fit of the run after it.
TEST(WildcardMatch, MatchesAnchoredCaseSensitiveWithoutBacktracking) {
  const std::tuple<const char*, const char*, bool> cases[] = {
      {"*.pb", "main.pb", true},  {"*.pb", "main.pbi", false}, {"*.pb", "old.pb.pb", false},
      {"*.PB", "main.pb", false}, {"test*", "test", true},     {"*", "", true},
      {"?", "", false},           {"x?z", "xyz", true},        {"x?z", "xz", false},
      {"abc", "ab", false},       {"*a*", "bab", true},        {"a*b", "abab", false},
      {"*?x", "x", true},         {"??", "a", true},           {"??", "ab", false},
      {"??b", "aab", false},      {"?*x", "x", true},          {"a*?c", "ac", true},
      {"a*?*b", "ab", true},      {"?a*", "ba", true},         {"x?*", "x", false},
  };
  for (const auto& [pattern, name, matches] : cases) {
    resetWildcardMatcher();
    EXPECT_EQ(matches, wildcardMatch(name, pattern)) << pattern << " on " << name;
  }
}

TEST(WildcardMatch, EmptyPatternRepeatsTheLastNonEmptyOne) {
  resetWildcardMatcher();
  EXPECT_FALSE(wildcardMatch("", ""));
  EXPECT_TRUE(wildcardMatch("a.pb", "*.pb"));
  EXPECT_TRUE(wildcardMatch("b.pb", ""));
  EXPECT_TRUE(wildcardMatch("b.txt", "*.txt"));
  EXPECT_FALSE(wildcardMatch("b.pb", ""));
}

}  // namespace
}  // namespace inkwright
