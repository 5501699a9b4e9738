#include "check/configchecks.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "check/configlines.h"
#include "tempdir.h"

namespace inkwright {
namespace {

TEST(ClosestKnownKey, IgnoresCaseAndKeepsTheNameOfAFamilyKey) {
  const struct {
    const char* key;
    const char* closest;
  } cases[] = {
      {"sorce path", "source path"},
      {"Output Format", "output format"},
      {"outputpath", "output path"},
      {"acept files", "accept files"},
      {"templat:page", "template:page"},
      {"Replacer:FOOT", "replacer:FOOT"},
      {"blockstart:*.c", "block start:*.c"},
      {"item", "items"},
      {"option", "options"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.closest, closestKnownKey(c.key)) << c.key;
  }
}

// Lines are counted as the reader splits them (CR LF, LF and a lone CR each end one), value lines
// start at the first one that is not blank, and comment lines are no part of a value.
TEST(ReadKeyLines, NumbersKeyLinesAndTheLinesOfEachValue) {
  const TempDir dir;
  const std::string path = dir.write("a.cfg",
                                     "before\n"         // 1: before any key
                                     "[output path]\n"  // 2
                                     "\n"               // 3: blank before the value
                                     " \t \r\n"         // 4: blanks and a tab
                                     "  out\\\n"        // 5
                                     "# comment\n"      // 6
                                     "\r"               // 7: empty, ends in a lone CR
                                     "[source path]\n"  // 8
                                     "a\n"              // 9
                                     "\tb\n"            // 10
                                     "[no value]");     // 11
  const auto keys = readKeyLines(path);
  ASSERT_TRUE(keys);
  ASSERT_EQ(3u, keys->size());
  EXPECT_EQ(2u, (*keys)[0].keyLine);
  EXPECT_EQ((std::vector<std::size_t>{5, 7}), (*keys)[0].valueLines);
  EXPECT_EQ(8u, (*keys)[1].keyLine);
  EXPECT_EQ((std::vector<std::size_t>{9, 10}), (*keys)[1].valueLines);
  EXPECT_EQ(11u, (*keys)[2].keyLine);
  EXPECT_TRUE((*keys)[2].valueLines.empty());
  EXPECT_FALSE(readKeyLines(dir.folder() + "missing.cfg"));
}

}  // namespace
}  // namespace inkwright
