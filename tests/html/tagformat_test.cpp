#include "html/tagformat.h"

#include <gtest/gtest.h>

#include "model/document.h"

namespace inkwright {
namespace {

class TagFormat : public testing::Test {
 protected:
  void SetUp() override {
    clearDocument();
    addTagRule("NAME", plainItem, 0);
    addTagRule("SOURCE", sourceItem, 0);
    addTagRule("SYNOPSIS", lineItem, 0);
    addTagRule("INPUTS", tabItem, 0);
    addTagRule("SECRET", plainItem, 1);
  }
};

TEST_F(TagFormat, ExpandsTabTableBetweenMarkers) {
  EXPECT_EQ(
      "Modes:<table>\n"
      "<tr><td>A </td><td> first</td></tr>\n"
      "<tr><td>B </td><td> second</td></tr>\n"
      "</table>\n"
      "\n"
      "End",
      expandTabTables("\nModes:\n[TAB]\nA - first\nB - second\n[/TAB]\nEnd"));
}

TEST_F(TagFormat, TabTableMarkersAndRows) {
  const struct {
    const char* value;
    const char* expected;
  } cases[] = {
      // Leading empty lines vanish, inner ones stay.
      {"\n\n\na\n\nb", "a\n\nb"},
      // A table never closed runs to the end.
      {"x\n[TAB]\nk - v", "x<table>\n<tr><td>k </td><td> v</td></tr>\n"},
      // The marker lines are dropped whole; text after a second "-" is dropped.
      {"x\npre [TAB] post\na-b-c\n[/TAB] tail",
       "x<table>\n<tr><td>a</td><td>b</td></tr>\n</table>\n"},
      // Inside a table "[TAB]" is a row; outside, "[/TAB]" and "[tab]" are text.
      {"[TAB]\n[TAB]\n[/TAB]\n[/TAB]\n[tab]",
       "<table>\n<tr><td>[TAB]</td><td></td></tr>\n</table>\n\n[/TAB]\n[tab]"},
      {"", ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.expected, expandTabTables(c.value)) << c.value;
  }
}

TEST_F(TagFormat, RendersItemTable) {
  EXPECT_EQ(
      "<table border=0><tr><td valign=\"top\"><b>width</b></td><td valign=\"top\">&nbsp;-&nbsp;"
      "<td valign=\"top\">the width<br />in pixels</td></tr><tr><td><b>height</b></td><td>&nbsp;-"
      "&nbsp;<td>the height</td></tr></table>",
      formatTagValue("INPUTS", "\n  width - the width\n    in pixels\n  height - the height"));
}

TEST_F(TagFormat, ItemTableDropsWhatIsNoItem) {
  const struct {
    const char* value;
    const char* expected;
  } cases[] = {
      {"", "<table border=0></table>"},
      {"\nno dash here\nnor here", "<table border=0></table>"},
      // Two dashes: skipped; an empty term: the item is never written.
      {"\na - b - c\n-b\n  more", "<table border=0></table>"},
      // Lines before the first item are replaced by it; an empty line adds a bare break.
      {"\nlost\nx - y\n\nz",
       "<table border=0><tr><td><b>x</b></td><td>&nbsp;-&nbsp;<td>y<br /><br />z"
       "</td></tr></table>"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.expected, formatTagValue("INPUTS", c.value)) << c.value;
  }
}

TEST_F(TagFormat, RendersByKindOfRule) {
  const struct {
    const char* tag;
    const char* value;
    const char* expected;
  } cases[] = {
      {"NAME", "\na\nb", "a\nb"},
      {"SOURCE", "\na\nb", "a<br />b"},
      {"SYNOPSIS", "\na\n[TAB]\nk-v\n[/TAB]",
       "a<table><br /><tr><td>k</td><td>v</td></tr><br /></table><br />"},
      {"UNKNOWN", "\na\nb", "a\nb"},
      {"NAME", "", ""},
      {"SOURCE", "", ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.expected, formatTagValue(c.tag, c.value)) << c.tag << " " << c.value;
  }
}

TEST_F(TagFormat, LaterKeyDecidesKindAndIgnoredFlag) {
  addTagRule("SECRET", lineItem, 0);
  EXPECT_TRUE(isTagShown("SECRET"));
  EXPECT_EQ("a<br />b", formatTagValue("SECRET", "\na\nb"));
}

TEST_F(TagFormat, OnlyIgnoredRulesHideTags) {
  EXPECT_FALSE(isTagShown("SECRET"));
  EXPECT_TRUE(isTagShown("NAME"));
  EXPECT_TRUE(isTagShown("UNKNOWN"));
  EXPECT_TRUE(isTagShown("secret"));
}

}  // namespace
}  // namespace inkwright
