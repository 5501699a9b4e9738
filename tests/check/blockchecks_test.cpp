#include "check/blockchecks.h"

#include <gtest/gtest.h>

namespace inkwright {
namespace {

TEST(LooksLikeTagLine, OneOrTwoUpperCaseWordsAfterBlanks) {
  for (const char* text : {" RETURN VALUE", "NOTES", "  SEE ALSO  ", " EXAMPLE"}) {
    EXPECT_TRUE(looksLikeTagLine(text)) << text;
  }
  for (const char* text : {"", " A", " I AM", " RETURN VALUE NOW", " Return value",
                           " RETURN:", " RETURN  VALUE", " HTML5", " X-Y", " ÄRGER"}) {
    EXPECT_FALSE(looksLikeTagLine(text)) << text;
  }
}

}  // namespace
}  // namespace inkwright
