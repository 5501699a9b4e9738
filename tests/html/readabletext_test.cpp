#include "html/readabletext.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace inkwright {
namespace {

// A tag's value as the reader gives it: each line after a line feed.
std::string valueOf(const std::vector<std::string>& lines) {
  std::string value;
  for (const std::string& line : lines) {
    value += '\n';
    value += line;
  }
  return value;
}

// A worked example: the lines of a tag, after the line-start marker, and the HTML they become.
struct Example {
  const char* what;
  std::vector<std::string> lines;
  const char* html;
};

void expectExamples(const std::vector<Example>& examples, bool escapeHtml) {
  for (const Example& example : examples) {
    EXPECT_EQ(example.html, readableText(valueOf(example.lines), escapeHtml)) << example.what;
  }
}

TEST(ReadableText, MeasuresIndentationInColumnsWithTabsToTheNextMultipleOfEight) {
  const struct {
    const char* line;
    std::size_t indentation;
    bool empty;
    std::size_t itemTextColumn;
  } cases[] = {
      {"", 0, true, 0},
      {"  ", 2, true, 0},
      {" \t ", 9, true, 0},
      {"text", 0, false, 0},
      {"\tx", 8, false, 0},
      {" \tx", 8, false, 0},
      {"       \tx", 8, false, 0},
      {"        \tx", 16, false, 0},
      {"\t  \tx", 16, false, 0},
      {"* a", 0, false, 2},
      {"  - a", 2, false, 4},
      {"+    a", 0, false, 5},
      {"* \ta", 0, false, 8},
      {"\t1. a", 8, false, 11},
      {"  10) a", 2, false, 6},
      {"123456789. a", 0, false, 11},
      // No item: ten digits, no blank after the marker, a tab instead of the blank.
      {"1234567890. a", 0, false, 0},
      {"*a", 0, false, 0},
      {"3.14", 0, false, 0},
      {"-\ta", 0, false, 0},
      {"--x", 0, false, 0},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.indentation, indentationOf(c.line)) << '"' << c.line << '"';
    EXPECT_EQ(c.empty, isEmptyLine(c.line)) << '"' << c.line << '"';
    EXPECT_EQ(c.itemTextColumn, listItemTextColumn(c.line)) << '"' << c.line << '"';
  }
}

TEST(ReadableText, DropsOnlyTheEmptyLinesAtTheStartAndTheEnd) {
  const char* const cases[][2] = {
      {"", ""},
      {"\n", ""},
      {" \n\t\n  ", ""},
      {"\na", "a"},
      {"\n\n \n  a\n\n \t\n  b\n\t\n", "  a\n\n \t\n  b"},
      {"a\n", "a"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c[1], withoutEmptyEdgeLines(c[0])) << '"' << c[0] << '"';
  }
}

TEST(ReadableText, JoinsTheLinesOfAParagraphAndSplitsParagraphsAtEmptyLines) {
  expectExamples(
      {
          {"two paragraphs",
           {"   Plays the file once,", "   or again and again.", "", "   It returns at once.  "},
           "<p>Plays the file once, or again and again.</p>\n<p>It returns at once.</p>"},
          {"empty lines of blanks and tabs, several in a row",
           {"a", " \t ", "", "b"},
           "<p>a</p>\n<p>b</p>"},
          {"no text", {}, ""},
          {"empty lines only", {"", "  ", "\t"}, ""},
          // An empty line, however deep, does not count for the base indentation.
          {"a deep empty line", {"          ", "  text"}, "<p>text</p>"},
          {"lines that only look like items",
           {"3.14 is pi", "-5 degrees", "--flag", "*bold*"},
           "<p>3.14 is pi -5 degrees --flag *bold*</p>"},
          {"a tab inside a line stays",
           {"1.\tnot an item", "*\tnor this"},
           "<p>1.\tnot an item *\tnor this</p>"},
          {"a paragraph of one deep line", {"      only deep lines"}, "<p>only deep lines</p>"},
      },
      false);
}

TEST(ReadableText, WritesListsNestedByIndentation) {
  expectExamples(
      {
          {"nested indentation",
           {"  * fruit", "    - apple", "    - pear", "  * vegetables"},
           "<ul><li>fruit<ul><li>apple</li><li>pear</li></ul></li><li>vegetables</li></ul>"},
          {"three levels, two closed at once",
           {"+ a", "  + b", "    1. c", "+ d"},
           "<ul><li>a<ul><li>b<ol><li>c</li></ol></li></ul></li><li>d</li></ul>"},
          {"an item over three lines",
           {"  1. Opens the file", "     named by path", "     and reads it."},
           "<ol><li>Opens the file named by path and reads it.</li></ol>"},
          {"the item's text starts after all the blanks after the marker",
           {"-   wide", "    text"},
           "<ul><li>wide text</li></ul>"},
          // Not deep enough for the item, but two columns deeper than the base: an example.
          {"a line short of the item's text",
           {"-   wide", "   less"},
           "<ul><li>wide</li></ul>\n<pre>less</pre>"},
          {"an item line comes before the example rule",
           {"Text", "    * deep item"},
           "<p>Text</p>\n<ul><li>deep item</li></ul>"},
          {"a continuation comes before the example rule",
           {"* a", "    b"},
           "<ul><li>a b</li></ul>"},
          {"numbers that do not start at 1; both kinds of number marker",
           {"3. third", "4) fourth", "7. seventh"},
           "<ol start=\"3\"><li>third</li><li>fourth</li><li>seventh</li></ol>"},
          {"zero", {"0. zero"}, "<ol start=\"0\"><li>zero</li></ol>"},
          {"a leading zero", {"01. one"}, "<ol><li>one</li></ol>"},
          {"nine digits are a number, ten are not",
           {"123456789. nine digits", "1234567890. ten digits"},
           "<ol start=\"123456789\"><li>nine digits</li></ol>\n<p>1234567890. ten digits</p>"},
          {"a nested list that starts at 5",
           {"* a", "  5) five"},
           "<ul><li>a<ol start=\"5\"><li>five</li></ol></li></ul>"},
          {"a list right after a paragraph line",
           {"The modes:", "- once", "- in a loop"},
           "<p>The modes:</p>\n<ul><li>once</li><li>in a loop</li></ul>"},
          {"an empty line between items keeps the list",
           {"* one", "", "* two", " \t", "* three"},
           "<ul><li>one</li><li>two</li><li>three</li></ul>"},
          {"an item goes on after an empty line",
           {"* one", "", "  more"},
           "<ul><li>one more</li></ul>"},
          {"a line at the list's indentation ends it",
           {"  * one", "  * two", "  After the list."},
           "<ul><li>one</li><li>two</li></ul>\n<p>After the list.</p>"},
          {"and after an empty line too",
           {"* one", "", "After."},
           "<ul><li>one</li></ul>\n<p>After.</p>"},
          {"a line at the outer list's indentation ends both",
           {"* a", "  * b", "Done."},
           "<ul><li>a<ul><li>b</li></ul></li></ul>\n<p>Done.</p>"},
          {"a line at the inner list's indentation ends it and goes on in the outer item",
           {"* a", "  * b", "  back in a"},
           "<ul><li>a<ul><li>b</li></ul>back in a</li></ul>"},
          {"bullets then numbers at one level are two lists",
           {"* a", "- b", "1. c", "2) d", "+ e"},
           "<ul><li>a</li><li>b</li></ul>\n<ol><li>c</li><li>d</li></ol>\n<ul><li>e</li></ul>"},
          {"and two lists inside an item",
           {"* a", "  1. b", "  - c"},
           "<ul><li>a<ol><li>b</li></ol><ul><li>c</li></ul></li></ul>"},
      },
      false);
}

TEST(ReadableText, ShowsTheTermOfATermItemAsCode) {
  expectExamples(
      {
          {"terms",
           {"- width - the width", "  in pixels", "- height -- the height",
            "- line count - the count", "- -x - minus", "- a-b - c", "- x -y"},
           "<ul><li><code>width</code> - the width in pixels</li><li><code>height</code> -- the "
           "height</li><li>line count - the count</li><li><code>-x</code> - minus</li><li><code>"
           "a-b</code> - c</li><li>x -y</li></ul>"},
          {"a numbered term", {"1. n - count"}, "<ol><li><code>n</code> - count</li></ol>"},
          {"no term outside a list", {"width - the width"}, "<p>width - the width</p>"},
      },
      false);
}

TEST(ReadableText, KeepsExamplesLessTheIndentationTheirLinesShare) {
  expectExamples(
      {
          // An empty line ends an example as it ends a paragraph: the lines after it are the next
          // example, with the indentation of their own lines removed.
          {"an example between paragraphs, an empty line inside it",
           {"  Call it so:", "      x = open(f)", "        read(x)", "      close(x)  ", "",
            "        again(x)", "  Done."},
           "<p>Call it so:</p>\n<pre>x = open(f)\n  read(x)\nclose(x)  </pre>\n"
           "<pre>again(x)</pre>\n<p>Done.</p>"},
          {"deeper than the base, whatever comes first",
           {"    Deep first", "  shallow"},
           "<pre>Deep first</pre>\n<p>shallow</p>"},
      },
      false);
}

TEST(ReadableText, CountsTabsToTheNextMultipleOfEight) {
  expectExamples(
      {
          {"indentation with tabs",
           {"\tTabs count", "\tto eight.", " \t* one", "\t  and more", "\tEnd of list.",
            "\t\tx = 1", "\t  \ty = 2", "\t\t  z\tw"},
           "<p>Tabs count to eight.</p>\n<ul><li>one and more</li></ul>\n<p>End of list.</p>\n"
           "<pre>x = 1\ny = 2\n  z\tw</pre>"},
          {"a tab after the marker",
           {"* \tfar", "        text", "       short"},
           "<ul><li>far text</li></ul>\n<pre>short</pre>"},
      },
      false);
}

TEST(ReadableText, WritesTabTablesAsBlocksOfTheirOwn) {
  expectExamples(
      {
          {"a table between paragraph lines",
           {"  The modes:", "  [TAB]", "  0 - once", "  1 - in a loop", "  [/TAB]", "  Pick one."},
           "<p>The modes:</p>\n<table>\n<tr><td>  0 </td><td> once</td></tr>\n<tr><td>  1 "
           "</td><td> in a loop</td></tr>\n</table>\n<p>Pick one.</p>"},
          {"tables end lists and examples",
           {"* a", "[TAB]", "x - y", "[/TAB]", "  code", "[TAB]", "k - v", "[/TAB]"},
           "<ul><li>a</li></ul>\n<table>\n<tr><td>x </td><td> y</td></tr>\n</table>\n<pre>code"
           "</pre>\n<table>\n<tr><td>k </td><td> v</td></tr>\n</table>"},
          {"an empty table", {"[TAB]", "[/TAB]"}, "<table>\n</table>"},
          // The marker lines are dropped whole, as they always were; inside a table "[TAB]" is a
          // row.
          {"text on the marker lines",
           {"see [TAB] below", "a - b", "[/TAB] done", "after"},
           "<table>\n<tr><td>a </td><td> b</td></tr>\n</table>\n<p>after</p>"},
          {"[TAB] inside a table",
           {"[TAB]", "[TAB]", "[/TAB]", "x"},
           "<table>\n<tr><td>[TAB]</td><td></td></tr>\n</table>\n<p>x</p>"},
          {"[/TAB] and [tab] outside a table", {"[/TAB] x", "[tab]"}, "<p>[/TAB] x [tab]</p>"},
          {"a table never closed runs to the end, and is closed there",
           {"Rows:", "[TAB]", "a - b", "c"},
           "<p>Rows:</p>\n<table>\n<tr><td>a </td><td> b</td></tr>\n<tr><td>c</td><td></td></tr>\n"
           "</table>"},
          // The table's lines count for the base indentation like any other line.
          {"a table less indented than the text",
           {"    Text", "[TAB]", "a - b", "[/TAB]"},
           "<pre>Text</pre>\n<table>\n<tr><td>a </td><td> b</td></tr>\n</table>"},
      },
      false);
}

// The same text with and without escape html: escaped exactly as the switch escapes, before the
// markup is added.
TEST(ReadableText, EscapesTheTextOnlyUnderEscapeHtml) {
  const std::vector<std::string> text = {"a < b & \"c\" > d",
                                         "    if (a<b && c) f(\"x\");",
                                         "* <T> - a type",
                                         "* x&y",
                                         "[TAB]",
                                         "<p> - a&b",
                                         "[/TAB]",
                                         "1. a<b"};
  expectExamples({{"markup of its own", text,
                   "<p>a < b & \"c\" > d</p>\n<pre>if (a<b && c) f(\"x\");</pre>\n<ul><li><code><T>"
                   "</code> - a type</li><li>x&y</li></ul>\n<table>\n<tr><td><p> </td><td> a&b</td>"
                   "</tr>\n</table>\n<ol><li>a<b</li></ol>"}},
                 false);
  expectExamples({{"escaped", text,
                   "<p>a &lt; b &amp; &quot;c&quot; &gt; d</p>\n<pre>if (a&lt;b &amp;&amp; c) "
                   "f(&quot;x&quot;);</pre>\n<ul><li><code>&lt;T&gt;</code> - a type</li><li>"
                   "x&amp;y</li></ul>\n<table>\n<tr><td>&lt;p&gt; </td><td> a&amp;b</td></tr>\n"
                   "</table>\n<ol><li>a&lt;b</li></ol>"}},
                 true);
}

}  // namespace
}  // namespace inkwright
