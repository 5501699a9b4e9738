#include "text/cuttemplate.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace inkwright {
namespace {

const std::vector<std::string_view> kSlots = {"@@NAV@@", "@@NAME@@", "@@TAGS@@", "@@SECTION@@"};

// The template filled in one pass, as a page is where the template is cut.
std::string filledInOnePass(const CutTemplate& cut, const std::vector<std::string_view>& values) {
  std::string text;
  for (const CutTemplate::Piece& piece : cut.pieces()) {
    text += piece.literal;
    if (piece.placeholder != CutTemplate::kEnd) {
      text += values[piece.placeholder];
    }
  }
  return text;
}

TEST(CutTemplate, CutsOnlyWhereOnePassGivesWhatTheTurnsGive) {
  struct Case {
    std::string_view text;
    bool isCut;
    const char* why;
  };
  const Case cases[] = {
      {"<title>@@NAME@@</title>\n@@NAV@@<h1>@@NAME@@</h1>@@TAGS@@", true, "the built-in kind"},
      {"", true, "no placeholder at all"},
      {"@@TAGS@@", true, "one placeholder, nothing around it"},
      {"mail me@home @@NAME@@", false, "an @ outside the placeholders"},
      {"@@NAME@@ @@FOOTER@@", false, "a placeholder filled later, by the replacers"},
      {"@@SECTION@@@@NAME@@@@TAGS@@", false, "nothing between two placeholders"},
      {"@@SECTION@@NAME@@TAGS@@", false, "only letters of placeholders between two"},
      {"@@NAME@@ @@TAGS@@", true, "a blank between two"},
      {"@@@NAME@@", false, "a stray @ before a placeholder"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.isCut, CutTemplate(c.text, kSlots).isCut()) << c.why;
  }
  EXPECT_FALSE(CutTemplate("@@NAME@@", {"@@NA@ME@@"}).isCut()) << "an @ inside a placeholder";
}

// The worked case of the turns finding a placeholder that the template does not hold.
TEST(CutTemplate, TheTurnsFindPlaceholdersThatValuesSpell) {
  EXPECT_EQ("@@SECTION@@TAGS@@TAGS@@",
            filledInTurns("@@SECTION@@@@NAME@@@@TAGS@@", {"@@NAME@@"}, {"TAGS"}));
  EXPECT_EQ("@@SECTIONtTAGS@@",
            filledInTurns("@@SECTION@@@@NAME@@@@TAGS@@", {"@@NAME@@", "@@TAGS@@"}, {"TAGS", "t"}));
}

// Random templates of placeholders, their names, "@" and other bytes, and random values, many of
// them names of placeholders, without "@": where the template is cut, one pass and the turns agree.
TEST(CutTemplate, OnePassAgreesWithTheTurnsOnRandomTemplates) {
  std::mt19937 random(7);
  const std::vector<std::string_view> literals = {"@",       "@@", "NAME", "TAGS",
                                                  "SECTION", "<",  " ",    "S"};
  const std::vector<std::string_view> values = {"", "NAME", "TAGS", "SECTION", "NAV", "x", "S"};
  const auto pick = [&](std::size_t n) { return random() % n; };
  int cutCount = 0;
  for (int round = 0; round < 20000; ++round) {
    std::string text;
    for (std::size_t parts = pick(7); parts > 0; --parts) {
      text += pick(2) == 0 ? kSlots[pick(kSlots.size())] : literals[pick(literals.size())];
    }
    std::vector<std::string_view> filling;
    for (std::size_t k = 0; k < kSlots.size(); ++k) {
      filling.push_back(values[pick(values.size())]);
    }
    const CutTemplate cut(text, kSlots);
    if (cut.isCut()) {
      ++cutCount;
      EXPECT_EQ(filledInTurns(text, kSlots, filling), filledInOnePass(cut, filling)) << text;
    }
  }
  EXPECT_GT(cutCount, 2000);
}

}  // namespace
}  // namespace inkwright
