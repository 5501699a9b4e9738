#include "check/configchecks.h"

#include <gtest/gtest.h>

#include <string>

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

}  // namespace
}  // namespace inkwright
