#include "config/keytable.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "config/settings.h"

namespace inkwright {
namespace {

std::set<std::string> flagsSet(const Options& options) {
  std::set<std::string> set;
  const std::pair<const char*, bool> flags[] = {
      {"indentedMarkers", options.indentedMarkers},
      {"wholeHeaderName", options.wholeHeaderName},
      {"wholeTagNames", options.wholeTagNames},
      {"markedTagsOnly", options.markedTagsOnly},
      {"escapeHtml", options.escapeHtml},
      {"wordLinks", options.wordLinks},
      {"existingLinksOnly", options.existingLinksOnly},
      {"skipEmptyTags", options.skipEmptyTags},
      {"portableHelpProject", options.portableHelpProject},
      {"keepUnchangedFiles", options.keepUnchangedFiles},
  };
  for (const auto& [name, isSet] : flags) {
    if (isSet) {
      set.insert(name);
    }
  }
  return set;
}

// Every switch the manual and the check program know turns on a flag of its own, and the program
// knows no switch that they do not.
TEST(KeyTable, EverySwitchTurnsOnOneFlagOfItsOwn) {
  std::set<std::string> seen;
  std::string all;
  for (const KnownSwitch& known : knownSwitches()) {
    const std::set<std::string> flags = flagsSet(optionsFrom(known.name));
    ASSERT_EQ(1u, flags.size()) << known.name;
    EXPECT_TRUE(seen.insert(*flags.begin()).second) << known.name;
    all += "  " + std::string(known.name) + "  \n";
  }
  EXPECT_EQ(seen, flagsSet(optionsFrom(all)));
  EXPECT_EQ(10u, seen.size());
}

TEST(KeyTable, OptionsLinesMatchExactlyAfterTrimming) {
  for (const std::string value : {"", "\n\n", "Escape HTML", "escape  html", "escape html x",
                                  "\"escape html\"", "escapehtml"}) {
    EXPECT_TRUE(flagsSet(optionsFrom(value)).empty()) << value;
  }
  EXPECT_EQ(std::set<std::string>{"escapeHtml"}, flagsSet(optionsFrom("nonsense\n escape html ")));
}

TEST(KeyTable, KnowsEveryKeyThatIsReadAndNoMisspelling) {
  for (const char* key : {"output path", "template:page", "template:#SEE ALSO", "replacer:FOOT",
                          "block start:*.c", "options", "userlibfile", "line starts",
                          "block ends:*.h", "code items", "description item"}) {
    EXPECT_TRUE(isKnownKey(key)) << key;
  }
  for (const char* key : {"sorce path", "Output Format", "output path ", "template", "DUMMY", "",
                          "code item", "description items"}) {
    EXPECT_FALSE(isKnownKey(key)) << key;
  }
}

// The manual and the reports group the rules by category, in one fixed order, and a rule id never
// changes its meaning, so an id is given once and begins with its own category.
TEST(KeyTable, RulesAreUniqueAndGroupedByCategoryInReportOrder) {
  std::set<std::string> ids;
  std::vector<std::string> categories;
  for (const KnownRule& rule : knownRules()) {
    EXPECT_TRUE(ids.insert(std::string(rule.id)).second) << rule.id;
    EXPECT_TRUE(rule.id.starts_with(std::string(rule.category) + ".")) << rule.id;
    EXPECT_FALSE(rule.summary.empty()) << rule.id;
    if (categories.empty() || categories.back() != rule.category) {
      categories.emplace_back(rule.category);
    }
  }
  EXPECT_EQ((std::vector<std::string>{"config", "block", "name", "link", "binding", "output"}),
            categories);
}

}  // namespace
}  // namespace inkwright
