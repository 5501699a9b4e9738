#include "model/document.h"

#include <gtest/gtest.h>

namespace inkwright {
namespace {

TEST(AddTagRules, LaterKeysReplaceKindAndFlagInPlace) {
  clearDocument();
  addTagRules("SYNOPSIS\nNAME", plainItem, 1);
  addTagRules("", lineItem, 0);
  addTagRules("NAME\n\nSYNOPSIS", tabItem, 0);
  ASSERT_EQ(3u, tagRuleList.size());
  EXPECT_EQ("SYNOPSIS", tagRuleList[0].name);
  EXPECT_EQ(tabItem, tagRuleList[0].kind);
  EXPECT_EQ(0, tagRuleList[0].ignored);
  EXPECT_EQ("NAME", tagRuleList[1].name);
  EXPECT_EQ("", tagRuleList[2].name);
}

TEST(AddTagRules, ClearedListIsIndexedAfresh) {
  clearDocument();
  addTagRule("A", plainItem, 0);
  addTagRule("B", plainItem, 0);
  clearDocument();
  addTagRule("B", lineItem, 0);
  addTagRule("C", plainItem, 0);
  addTagRule("B", sourceItem, 1);
  ASSERT_EQ(2u, tagRuleList.size());
  EXPECT_EQ(sourceItem, tagRuleList[0].kind);
}

}  // namespace
}  // namespace inkwright
