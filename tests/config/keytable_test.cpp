#include "config/keytable.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace inkwright {
namespace {

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
