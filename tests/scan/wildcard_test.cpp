#include "scan/wildcard.h"

#include <gtest/gtest.h>

#include <tuple>

namespace inkwright {
namespace {

// Compilation drops a "?" after a star, a second leading "?" and a lone leading "?" before a star,
// and folds stars in a row; a star then binds to the leftmost fit of the run after it.
TEST(WildcardMatcher, MatchesAnchoredCaseSensitiveWithoutBacktracking) {
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
    EXPECT_EQ(matches, WildcardMatcher().matches(name, pattern)) << pattern << " on " << name;
  }
}

// See note [kept pattern]: what an empty pattern repeats belongs to the one matcher that was
// asked, and a new matcher has nothing to repeat.
TEST(WildcardMatcher, EmptyPatternRepeatsTheLastNonEmptyOneGivenToThisMatcher) {
  WildcardMatcher matcher;
  EXPECT_FALSE(matcher.matches("", ""));
  EXPECT_TRUE(matcher.matches("a.pb", "*.pb"));
  EXPECT_TRUE(matcher.matches("b.pb", ""));
  EXPECT_TRUE(matcher.matches("b.txt", "*.txt"));
  EXPECT_FALSE(matcher.matches("b.pb", ""));
  WildcardMatcher other;
  EXPECT_FALSE(other.matches("b.txt", ""));
  EXPECT_TRUE(matcher.matches("c.txt", ""));
}

}  // namespace
}  // namespace inkwright
