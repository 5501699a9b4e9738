#include "text/text.h"

#include <gtest/gtest.h>

namespace inkwright {
namespace {

TEST(TextParts, ClampCountsAndPositions) {
  EXPECT_EQ("ab", leftPart("abc", 2));
  EXPECT_EQ("", leftPart("abc", 0));
  EXPECT_EQ("abc", leftPart("abc", 9));
}

}  // namespace
}  // namespace inkwright
