#include "html/htmloutput.h"

#include <gtest/gtest.h>

#include "model/document.h"
#include "text/text.h"

namespace inkwright {
namespace {

TEST(ReplaceEvery, SameTextAsReplaceAll) {
  const struct {
    const char* text;
    const char* t;
    const char* r;
  } cases[] = {
      {"aaaa", "aa", "b"},
      {"aaa", "aa", "b"},
      {"xaax", "a", ""},
      {"@@S@@|@@S@@", "@@S@@", "Core"},
      {"@@S@@@@S@@", "@@S@@", "12345"},
      {"ab", "ab", "abcdef"},
      {"no match", "zz", "y"},
      {"", "a", "b"},
      {"abab", "ab", "ab"},
      {"<<a<a", "<a", "<"},
  };
  for (const auto& c : cases) {
    std::string text = c.text;
    replaceEvery(text, c.t, c.r);
    EXPECT_EQ(replaceAll(c.text, c.t, c.r), text) << c.text << " " << c.t << " " << c.r;
  }
}

TEST(ApplyReplacers, ReplacesInListOrderOverEarlierResults) {
  clearDocument();
  replacerList = {{"A", "@@B@@ and @@A@@"}, {"B", "b"}, {"", "empty"}};
  EXPECT_EQ("b and @@A@@ / b / empty", applyReplacers("@@A@@ / @@B@@ / @@@@"));
}

}  // namespace
}  // namespace inkwright
