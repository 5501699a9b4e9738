#include "model/document.h"

#include <gtest/gtest.h>

namespace inkwright {
namespace {

// See note [first match]: the index must not answer from an emptied list, nor from a longer one,
// even when the list has grown back to its old length before the next lookup.
TEST(AddTagRules, ClearedListIsIndexedAfresh) {
  clearDocument();
  addTagRule("A", plainItem, 0);
  addTagRule("B", plainItem, 0);
  clearDocument();
  tagRuleList = {TagRule{"B"}, TagRule{"A"}};
  addTagRule("A", sourceItem, 1);
  EXPECT_EQ(sourceItem, tagRuleList[1].kind);
  tagRuleList = {TagRule{"A"}};
  addTagRule("A", lineItem, 0);
  ASSERT_EQ(1u, tagRuleList.size());
  EXPECT_EQ(lineItem, tagRuleList[0].kind);
}

}  // namespace
}  // namespace inkwright
