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

TEST(FieldView, CountsFieldsFromOneAndGivesNothingPastTheLast) {
  struct Case {
    const char* text;
    int index;
    char separator;
    const char* field;
  };
  const std::vector<Case> cases = {
      {"a,,b", 1, ',', "a"},
      {"a,,b", 2, ',', ""},
      {"a,,b", 3, ',', "b"},
      {"a,,b", 4, ',', ""},
      {"a,,b", 0, ',', "a"},
      {"a,,b", -2, ',', "a"},
      {"", 1, ',', ""},
      {"", 3, ',', ""},
      {",a", 1, ',', ""},
      {"a,", 2, ',', ""},
      {"/****f* Group/Name", 2, ' ', "Group/Name"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.field, fieldView(c.text, c.index, c.separator))
        << "field " << c.index << " of '" << c.text << "'";
  }
}

// A link to a page keeps the portable file-name bytes; a URI keeps "~" too.
TEST(PercentEncoding, KeepsThePlainBytesOfItsKind) {
  std::string link;
  appendPercentEncoded(link, "OpenSM: x/y%-._Az09~\xC3\xA9", PlainBytes::portableFileName);
  EXPECT_EQ("OpenSM%3A%20x%2Fy%25-._Az09%7E%C3%A9", link);
  std::string uri = "file:";
  appendPercentEncoded(uri, "a b~", PlainBytes::uriUnreserved);
  EXPECT_EQ("file:a%20b~", uri);
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

// Each byte sits on an edge of the ranges that map, inside or just outside.
TEST(CaseMapping, MapsOnlyTheLettersAndTheHighBytesOfEachCase) {
  const std::string edges = "@AZ[`az{\xbf\xc0\xde\xdf\xe0\xfe\xff";
  EXPECT_EQ("@AZ[`AZ{\xbf\xc0\xde\xdf\xc0\xde\xdf", upperCase(edges));
  EXPECT_EQ("@az[`az{\xbf\xe0\xfe\xdf\xe0\xfe\xff", lowerCase(edges));
}

// Replacements no longer than the text they replace are made in place, longer ones in a new text.
// The three replacers give the same bytes: replaceAll, in place, and with a made replacement,
// which is made only when it is needed.
TEST(ReplaceAll, ReplacesLeftToRightWithoutRescanning) {
  struct Case {
    std::string_view text, t, r, expected;
  };
  const Case cases[] = {
      {"aaa", "aa", "b", "ba"},
      {"aaaa", "aa", "b", "bb"},
      {"@@S@@x@@S@@!", "@@S@@", "Core", "CorexCore!"},
      {"aa", "a", "xax", "xaxxax"},
      {"abc", "z", "y", "abc"},
      {"aa", "a", "", ""},
      {"abc", "", "y", "abc"},
      {"a\nb\n", "\n", "<br />", "a<br />b<br />"},
      {"<p>@@INDEX@@</p>", "@@INDEX@@", "<ul>@@INDEX@@</ul>", "<p><ul>@@INDEX@@</ul></p>"},
      {"@@I@@", "@@I@@", "long", "long"},
      {"x@@I@@", "@@I@@", "", "x"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.expected, replaceAll(c.text, c.t, c.r)) << c.text;
    std::string inPlace(c.text);
    replaceAllIn(inPlace, c.t, c.r);
    EXPECT_EQ(c.expected, inPlace) << c.text;
    std::string made(c.text);
    int calls = 0;
    replaceAllWithMade(made, c.t, [&] { return ++calls, std::string(c.r); });
    EXPECT_EQ(c.expected, made) << c.text;
    EXPECT_EQ(c.expected == c.text && c.t != c.r ? 0 : 1, calls) << c.text;
  }
}

}  // namespace
}  // namespace inkwright
