#include "model/description.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/document.h"

namespace inkwright {
namespace {

// Tag values as extraction stores them, each after a line feed. Each output trims or joins the
// result its own way; here it is given as the NAME tag holds it.
TEST(EntryDescription, IsTheSecondDashFieldOfTheLastNameTag) {
  const struct {
    std::vector<TagPair> tags;
    std::optional<std::string_view> description;
  } cases[] = {
      {{{"NAME", "\n  Begin - starts the engine"}}, " starts the engine"},
      {{{"NAME", "\nBegin -- starts"}}, ""},
      {{{"NAME", "\nBegin does things"}}, ""},
      {{{"NAME", "\nA - first"}, {"SYNOPSIS", "\nA()"}, {"NAME", "\nA - last - x"}}, " last "},
      {{{"NAME", "\nA - kept"}, {"NAME", "\nA"}}, ""},
      {{{"NAME", "\nWait - waits for the\n  given time  "}}, " waits for the\n  given time  "},
      {{{"NAME", "\nA-"}}, ""},
      {{{"SYNOPSIS", "\nx - y"}, {"name", "\nA - lower"}}, std::nullopt},
      {{}, std::nullopt},
  };
  for (const auto& c : cases) {
    const DocEntry entry{"G/A", "A", "G", "G", "a.pb", "f", c.tags};
    EXPECT_EQ(c.description, entryDescription(entry, {}))
        << (c.tags.empty() ? "" : c.tags.back().tagValue);
  }
}

// "description item" lists PURPOSE, then FUNCTION; the entry is named vec_add.
TEST(EntryDescription, ComesFromTheFirstPreferredTagTheEntryHolds) {
  const struct {
    std::vector<TagPair> tags;
    std::optional<std::string> description;
  } cases[] = {
      {{{"NAME", "\nvec_add - from NAME"}, {"FUNCTION", "\nAdds two vectors."}},
       "Adds two vectors."},
      {{{"FUNCTION", "\nfunction"}, {"PURPOSE", "\npurpose"}, {"PURPOSE", "\nsecond"}}, "purpose"},
      // An empty preferred tag still decides: NAME is not consulted.
      {{{"FUNCTION", "\n  \n"}, {"NAME", "\nvec_add - from NAME"}}, ""},
      {{{"NAME", "\nvec_add - from NAME"}, {"function", "\nlower case"}}, " from NAME"},
      {{{"SYNOPSIS", "\nvec_add()"}}, std::nullopt},
  };
  const std::vector<std::string> preferred = {"PURPOSE", "FUNCTION"};
  for (const auto& c : cases) {
    const DocEntry entry{"Vectors/vec_add", "vec_add", "Vectors", "Vectors", "v.c", "f", c.tags};
    EXPECT_EQ(c.description, entryDescription(entry, preferred)) << c.tags.back().tagValue;
  }
}

// The description of an entry named `name` whose FUNCTION tag, listed under "description item",
// holds these lines, each after a line feed as extraction stores them.
std::optional<std::string> functionDescription(const std::string& name,
                                               const std::vector<std::string>& lines) {
  std::string value;
  for (const std::string& line : lines) {
    value += '\n' + line;
  }
  const DocEntry entry{"G/" + name, name, "G", "G", "g.c", "f", {{"FUNCTION", value}}};
  return entryDescription(entry, {"FUNCTION"});
}

// The paragraph runs from the first line with text up to an empty line, a list item, a "[TAB]"
// line, or a line two columns or more deeper than the first (a tab reaches the next multiple of
// 8). The first line is taken as it is, even when it is a list item.
TEST(EntryDescription, IsTheFirstParagraphOfThePreferredTag) {
  const struct {
    std::vector<std::string> lines;
    std::string description;
  } cases[] = {
      {{"  Compute the transfer function for", "  a linear system."},
       "Compute the transfer function for a linear system."},
      {{"", " \t", "\tAdds two vectors.  ", "More."}, "Adds two vectors. More."},
      {{"  One and", "  two.", "", "  Another paragraph."}, "One and two."},
      {{"  One", " \t ", "  two"}, "One"},
      {{"  Inner  blanks\tstay,", " line ends become one blank."},
       "Inner  blanks\tstay, line ends become one blank."},
      // List items, in every form, end the paragraph.
      {{"Modes:", "* fast"}, "Modes:"},
      {{"Modes:", " - slow"}, "Modes:"},
      {{"Modes:", "+ both"}, "Modes:"},
      {{"Steps:", "1. open"}, "Steps:"},
      {{"Steps:", "123456789) close"}, "Steps:"},
      // Lines that only look like list items go on with the text.
      {{"Counts", "1234567890. ten digits are a number"},
       "Counts 1234567890. ten digits are a number"},
      {{"Grows", "2.5 times", "-x wide", "*bold*", "+1", "3."},
       "Grows 2.5 times -x wide *bold* +1 3."},
      {{"Takes", "the flags:", "[TAB]", "a | b", "[/TAB]"}, "Takes the flags:"},
      {{"Takes", "flags [TAB] here"}, "Takes"},
      // Indentation, compared with that of the first line.
      {{"  Draws a box:", "    box(1, 2)"}, "Draws a box:"},
      {{"  Draws a box", "   one column deeper"}, "Draws a box one column deeper"},
      {{"    Draws a box", "  less deep"}, "Draws a box less deep"},
      {{"\tDraws", "\t  two past a tab"}, "Draws"},
      {{"      Draws", "\tat column 8"}, "Draws"},
      {{"       Draws", "  \tat column 8, not 10"}, "Draws at column 8, not 10"},
      {{"Draws", "        ", "more"}, "Draws"},
      // A list item that opens the tag is the paragraph, its marker kept; the next item ends it,
      // and so does a line carried on under the item's text, which is two columns deeper.
      {{"- Draws a box", "with a frame", "- Fills it"}, "- Draws a box with a frame"},
      {{"* Draws a box", "  around the text"}, "* Draws a box"},
      {{"[TAB]", "a | b"}, "[TAB] a | b"},
      {{}, ""},
      {{"", "\t  "}, ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.description, functionDescription("vec_add", c.lines))
        << (c.lines.empty() ? "" : c.lines.front());
  }
}

// The name is dropped when it opens the paragraph, in any case of A-Z, with any blanks before its
// "-", "--" or ":" and at least one blank or tab after it.
TEST(EntryDescription, DropsTheEntryNameThatOpensIt) {
  const struct {
    std::string name;
    std::vector<std::string> lines;
    std::string description;
  } cases[] = {
      {"plot_var", {"plot_var    - Plot the data"}, "Plot the data"},
      {"plot_var", {"PLOT_VAR: Plot"}, "Plot"},
      {"plot_var", {"plot_var-- x"}, "x"},
      {"plot_var", {"  Plot_Var\t--\t  x"}, "x"},
      {"plot_var", {"plot_var -", "Plots the data"}, "Plots the data"},
      {"plot_var", {"plot_var - plot_var - x"}, "plot_var - x"},
      {"plot_var", {"plot_var -x"}, "plot_var -x"},
      {"plot_var", {"plot_var -  "}, "plot_var -"},
      {"plot_var", {"plot_var --- x"}, "plot_var --- x"},
      {"plot_var", {"plot_vars - x"}, "plot_vars - x"},
      {"plot_var", {"plot_var x - y"}, "plot_var x - y"},
      {"plot_var", {"the plot_var - x"}, "the plot_var - x"},
      {"a-b", {"A-B - x"}, "x"},
      // Only A-Z fold: the Latin-1 a and A with umlaut are different bytes.
      {"\xE4x", {"\xC4X - y"}, "\xC4X - y"},
      {"", {"- x"}, "- x"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.description, functionDescription(c.name, c.lines)) << c.lines.front();
  }
}

}  // namespace
}  // namespace inkwright
