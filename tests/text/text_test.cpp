#include "text/text.h"

#include <gtest/gtest.h>

#include <vector>

namespace inkwright {
namespace {

TEST(LeftPart, ClampsTheCount) {
  EXPECT_EQ("ab", leftPart("abc", 2));
  EXPECT_EQ("", leftPart("abc", -3));
  EXPECT_EQ("abc", leftPart("abc", 9));
}

TEST(TrimBlanks, RemovesSpacesOnly) {
  EXPECT_EQ("a b", trimBlanks("  a b  "));
  EXPECT_EQ("\ta\t", trimBlanks(" \ta\t "));
  EXPECT_EQ("x\r\n", trimBlanks("x\r\n"));
  EXPECT_EQ("", trimBlanks("    "));
  EXPECT_EQ("", trimBlanks(""));
}

TEST(FindText, IsOneBasedAndFindsNothingEmpty) {
  EXPECT_EQ(1, findText("abcabc", "abc"));
  EXPECT_EQ(2, findText("xHTMLHELP", "HTML"));
  EXPECT_EQ(5, findText("HTMLHELP", "HELP"));
  EXPECT_EQ(0, findText("abc", ""));
  EXPECT_EQ(0, findText("", "a"));
  EXPECT_EQ(0, findText("ab", "abc"));
  EXPECT_EQ(0, findText("ABC", "abc"));
}

TEST(CountText, CountsWithoutOverlap) {
  EXPECT_EQ(2, countText("aaaa", "aa"));
  EXPECT_EQ(1, countText("aaa", "aa"));
  EXPECT_EQ(0, countText("", "a"));
  EXPECT_EQ(0, countText("abc", ""));
  EXPECT_EQ(3, countText("a/b/c/", "/"));
}

TEST(FieldOf, SplitsAtTheFirstByteOfTheSeparator) {
  struct Case {
    const char* text;
    int index;
    const char* separator;
    const char* field;
  };
  const std::vector<Case> cases = {
      {"a,,b", 1, ",", "a"}, {"a,,b", 2, ",", ""},    {"a,,b", 3, ",", "b"},
      {"a,,b", 4, ",", ""},  {"a,,b", 0, ",", "a"},   {"a,,b", -2, ",", "a"},
      {"", 1, ",", ""},      {"", 3, ",", ""},        {",a", 1, ",", ""},
      {"a,", 2, ",", ""},    {"a;b,c", 2, ",;", "c"}, {"/****f* Group/Name", 2, " ", "Group/Name"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.field, fieldOf(c.text, c.index, c.separator))
        << "field " << c.index << " of '" << c.text << "'";
  }
}

TEST(TextBetween, SearchesCloseOnlyAfterOpen) {
  EXPECT_EQ("a", textBetween("f(a)", "(", ")"));
  EXPECT_EQ("", textBetween("f(a", "(", ")"));
  EXPECT_EQ("", textBetween("[key", "[", "]"));
  EXPECT_EQ("b", textBetween(")a(b)", "(", ")"));
  EXPECT_EQ("", textBetween("[]", "[", "]"));
  EXPECT_EQ("x", textBetween("(x)(y)", "(", ")"));
  EXPECT_EQ("a", textBetween("<<a>>", "<<", ">>"));
  EXPECT_EQ("", textBetween("<<>", "<<", ">>"));
  EXPECT_EQ("", textBetween("f(a)", "", ")"));
  EXPECT_EQ("", textBetween("f(a)", "(", ""));
}

TEST(CaseMapping, UsesTheExactByteRanges) {
  std::string all;
  for (int byte = 1; byte < 256; ++byte) {
    all += static_cast<char>(byte);
  }
  const std::string upper = upperCase(all);
  const std::string lower = lowerCase(all);
  for (int byte = 1; byte < 256; ++byte) {
    const int up = static_cast<unsigned char>(upper[byte - 1]);
    const int down = static_cast<unsigned char>(lower[byte - 1]);
    const bool raisesToUpper = (byte >= 97 && byte <= 122) || byte >= 224;
    const bool lowersToLower = (byte >= 65 && byte <= 90) || (byte >= 192 && byte <= 222);
    EXPECT_EQ(raisesToUpper ? byte - 32 : byte, up) << "upperCase of byte " << byte;
    EXPECT_EQ(lowersToLower ? byte + 32 : byte, down) << "lowerCase of byte " << byte;
  }
}

// Replacements no longer than the text they replace are made in place, longer ones in a new text.
TEST(ReplaceAll, ReplacesLeftToRightWithoutRescanning) {
  EXPECT_EQ("ba", replaceAll("aaa", "aa", "b"));
  EXPECT_EQ("bb", replaceAll("aaaa", "aa", "b"));
  EXPECT_EQ("CorexCore!", replaceAll("@@S@@x@@S@@!", "@@S@@", "Core"));
  EXPECT_EQ("xaxxax", replaceAll("aa", "a", "xax"));
  EXPECT_EQ("abc", replaceAll("abc", "z", "y"));
  EXPECT_EQ("", replaceAll("aa", "a", ""));
  EXPECT_EQ("abc", replaceAll("abc", "", "y"));
  EXPECT_EQ("a<br />b<br />", replaceAll("a\nb\n", "\n", "<br />"));
}

TEST(ByteText, GivesOneByteOrNothing) {
  EXPECT_EQ("A", byteText(65));
  EXPECT_EQ("\xff", byteText(255));
  EXPECT_EQ("", byteText(0));
}

}  // namespace
}  // namespace inkwright
