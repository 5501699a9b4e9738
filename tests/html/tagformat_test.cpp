#include "html/tagformat.h"

#include <gtest/gtest.h>

#include "config/settings.h"
#include "model/document.h"

namespace inkwright {
namespace {

class TagFormat : public testing::Test {
 protected:
  void SetUp() override {
    addTagRules(rules, "NAME", false, TagKind::plainItem);
    addTagRules(rules, "SOURCE", false, TagKind::sourceItem);
    addTagRules(rules, "NOTES", false, TagKind::lineItem);
    addTagRules(rules, "INPUTS", false, TagKind::tabItem);
    addTagRules(rules, "SECRET", true, TagKind::plainItem);
  }

  Configuration withRules() const { return Configuration(Settings{.tagRuleList = rules}); }

  std::vector<TagRule> rules;
};

TEST_F(TagFormat, ExpandsTabTables) {
  const char* const cases[][2] = {
      {"\nModes:\n[TAB]\nA - first\nB - second\n[/TAB]\nEnd",
       "Modes:<table>\n<tr><td>A </td><td> first</td></tr>\n<tr><td>B </td><td> second</td></tr>\n"
       "</table>\n\nEnd"},
      // Leading empty lines vanish, inner ones stay.
      {"\n\na\n\nb", "a\n\nb"},
      // A table never closed runs to the end; marker lines are dropped whole; text after a second
      // "-" is dropped.
      {"x\npre [TAB] post\na-b-c", "x<table>\n<tr><td>a</td><td>b</td></tr>\n"},
      // Inside a table "[TAB]" is a row; outside, "[/TAB]" and "[tab]" are text.
      {"[TAB]\n[TAB]\n[/TAB] x\n[/TAB]\n[tab]",
       "<table>\n<tr><td>[TAB]</td><td></td></tr>\n</table>\n\n[/TAB]\n[tab]"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c[1], expandTabTables(c[0])) << c[0];
  }
}

// An ignored rule hides its tag (names compare exactly) until a later rule of the name shows it.
TEST_F(TagFormat, RendersByKindOfLastRule) {
  const Configuration hiding = withRules();
  EXPECT_FALSE(isTagShown(hiding, "SECRET"));
  EXPECT_TRUE(isTagShown(hiding, "secret"));
  addTagRules(rules, "SECRET", false, TagKind::lineItem);
  const Configuration config = withRules();
  EXPECT_TRUE(isTagShown(config, "SECRET"));
  const char* const cases[][3] = {
      {"NAME", "\na\nb", "a\nb"},
      {"UNKNOWN", "\na\nb", "a\nb"},
      {"SOURCE", "\na\n[TAB]\nk-v\n[/TAB]",
       "a<table><br /><tr><td>k</td><td>v</td></tr><br /></table><br />"},
      {"SECRET", "\na\nb", "a<br />b"},
      {"NOTES", "", ""},
      {"INPUTS", "\n  width - the width\n    in pixels\n  height - the height",
       "<table border=0><tr><td valign=\"top\"><b>width</b></td><td valign=\"top\">&nbsp;-&nbsp;"
       "<td valign=\"top\">the width<br />in pixels</td></tr><tr><td><b>height</b></td><td>&nbsp;"
       "-&nbsp;<td>the height</td></tr></table>"},
      // Lines before the first item are replaced by it; an empty line adds a bare break.
      {"INPUTS", "\nlost\nx - y\n\nz",
       "<table border=0><tr><td><b>x</b></td><td>&nbsp;-&nbsp;<td>y<br /><br "
       "/>z</td></tr></table>"},
      // Two dashes: skipped; an empty term: never written; no item line: the text is lost.
      {"INPUTS", "\na - b - c\n-b\n  more", "<table border=0></table>"},
      {"INPUTS", "", "<table border=0></table>"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c[2], formatTagValue(config, c[0], c[1])) << c[0] << " " << c[1];
  }
}

// Fortran and C comments are full of "<type(t)>", "a < b" and "&": escaped before any markup is
// added, they show as written, while the table and line-break markup stays markup.
TEST_F(TagFormat, EscapesValuesBeforeAddingMarkup) {
  const Configuration config(
      Settings{.tagRuleList = rules, .options = Options{.escapeHtml = true}});
  const char* const cases[][3] = {
      {"NAME", "\nx <type(t)> & \"y\"", "x &lt;type(t)&gt; &amp; &quot;y&quot;"},
      {"NOTES", "\na < b\n[TAB]\n<p> - a&b\n[/TAB]",
       "a &lt; b<table><br /><tr><td>&lt;p&gt; </td><td> a&amp;b</td></tr><br /></table><br />"},
      {"INPUTS", "\n  n - count > 0",
       "<table border=0><tr><td><b>n</b></td><td>&nbsp;-&nbsp;<td>count &gt; 0</td></tr></table>"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c[2], formatTagValue(config, c[0], c[1])) << c[0] << " " << c[1];
  }
}

// Under readable text only plain tags outside code mode become blocks; line, source and tab items
// lose their empty first and last lines and are otherwise what they were; without the switch every
// value is what it always was.
TEST_F(TagFormat, ReadableTextRestructuresOnlyPlainTagsOutsideCodeMode) {
  addTagRules(rules, "EXAMPLE", false, TagKind::sourceItem);
  addTagRules(rules, "LISTING", false, TagKind::plainItem);
  const std::vector<std::string> codeItems = {"LISTING"};
  const Configuration before(Settings{.tagRuleList = rules, .codeItems = codeItems});
  const Configuration after(Settings{
      .tagRuleList = rules, .options = Options{.readableText = true}, .codeItems = codeItems});
  const struct {
    const char* tag;
    const char* value;
    const char* without;
    const char* with;
  } cases[] = {
      {"NAME", "\n  Text\n\n  * a", "  Text\n\n  * a", "<p>Text</p>\n<ul><li>a</li></ul>"},
      {"UNKNOWN", "\n\n  a\n    b\n", "  a\n    b\n", "<p>a</p>\n<pre>b</pre>"},
      // A [code items] tag under [items] keeps every line, the empty last one too.
      {"LISTING", "\n\n  x = 1\n\n  * a\n", "  x = 1\n\n  * a\n", "  x = 1\n\n  * a\n"},
      // SOURCE under [source items]: not restructured, but without its empty edge lines.
      {"SOURCE", "\n\n  If a\n    * b\n\n", "  If a<br />    * b<br /><br />",
       "  If a<br />    * b"},
      {"EXAMPLE", "\n \n  If a\n\n    b\n\t\n", " <br />  If a<br /><br />    b<br />\t<br />",
       "  If a<br /><br />    b"},
      {"NOTES", "\n\n  one\n  * two\n\n", "  one<br />  * two<br /><br />", "  one<br />  * two"},
      {"NOTES", "\n \n\t", " <br />\t", ""},
      {"INPUTS", "\n\n  x - y\n\n  more\n \n",
       "<table border=0><tr><td><b>x</b></td><td>&nbsp;-&nbsp;<td>y<br /><br />more<br /><br "
       "/></td></tr></table>",
       "<table border=0><tr><td><b>x</b></td><td>&nbsp;-&nbsp;<td>y<br /><br "
       "/>more</td></tr></table>"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.without, formatTagValue(before, c.tag, c.value)) << c.tag << " " << c.value;
    EXPECT_EQ(c.with, formatTagValue(after, c.tag, c.value)) << c.tag << " " << c.value;
  }
  // SOURCE is read in code mode whatever key lists it: under [items] it too stays as it was.
  std::vector<TagRule> sourceAsPlain;
  addTagRules(sourceAsPlain, "SOURCE", false, TagKind::plainItem);
  const Configuration plainSource(
      Settings{.tagRuleList = sourceAsPlain, .options = Options{.readableText = true}});
  EXPECT_EQ("  a\n\n  * b\n", formatTagValue(plainSource, "SOURCE", "\n  a\n\n  * b\n"));
  // Under escape html too, the text is escaped before the markup is added.
  const Configuration escaping(
      Settings{.tagRuleList = rules, .options = Options{.escapeHtml = true, .readableText = true}});
  EXPECT_EQ("<p>a&lt;b</p>", formatTagValue(escaping, "NAME", "\n a<b"));
  EXPECT_EQ("a&lt;b", formatTagValue(escaping, "NOTES", "\n\na<b\n"));
}

}  // namespace
}  // namespace inkwright
