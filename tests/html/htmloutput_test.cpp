#include "html/htmloutput.h"

#include <gtest/gtest.h>

#include "text/text.h"

namespace inkwright {
namespace {

// Shorter replacements are made in place, longer ones by replaceAll; both give its bytes.
TEST(ReplaceEvery, SameTextAsReplaceAll) {
  const char* const cases[][3] = {
      {"aaaa", "aa", "b"}, {"aaa", "aa", "b"},    {"@@S@@x@@S@@", "@@S@@", "Core"},
      {"xaax", "a", ""},   {"a-a-a", "a", "xyz"}, {"no match", "zz", "y"},
  };
  for (const auto& c : cases) {
    std::string text = c[0];
    replaceEvery(text, c[1], c[2]);
    EXPECT_EQ(replaceAll(c[0], c[1], c[2]), text) << c[0] << " " << c[1] << " " << c[2];
  }
}

}  // namespace
}  // namespace inkwright
