#include "config/settings.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "config/configuration.h"
#include "firstmatch.h"
#include "tempdir.h"

namespace inkwright {
namespace {

// An empty text adds no rule; an empty line of a text adds the rule "".
TEST(AddTagRules, LaterTextsReplaceFlagAndKindInPlace) {
  std::vector<TagRule> rules;
  addTagRules(rules, "SYNOPSIS\nNAME", true, TagKind::plainItem);
  addTagRules(rules, "", false, TagKind::lineItem);
  ASSERT_EQ(2u, rules.size());
  addTagRules(rules, "NAME\n\nSYNOPSIS\nNAME", false, TagKind::tabItem);
  ASSERT_EQ(3u, rules.size());
  EXPECT_EQ("SYNOPSIS", rules[0].name);
  EXPECT_EQ(TagKind::tabItem, rules[0].kind);
  EXPECT_FALSE(rules[0].ignored);
  EXPECT_EQ("NAME", rules[1].name);
  EXPECT_EQ("", rules[2].name);
}

// Every key the lists hold, and some they miss by a byte.
std::vector<std::string> keysToTry(const Settings& settings) {
  std::vector<std::string> keys = {"", " ", "missing", "PAGE", "page ", "output path "};
  for (const ConfigPair& pair : settings.configList) {
    keys.push_back(pair.key);
  }
  for (const NamedText& entry : settings.templateList) {
    keys.push_back(entry.name);
  }
  for (const TagRule& rule : settings.tagRuleList) {
    keys.push_back(rule.name);
  }
  return keys;
}

void expectFirstMatchLookups(const Configuration& config, const std::string& label) {
  const Settings& settings = config.settings();
  for (const std::string& key : keysToTry(settings)) {
    const ConfigPair* const pair = firstMatch(settings.configList, &ConfigPair::key, key);
    EXPECT_EQ(pair == nullptr ? "" : pair->value, config.configValue(key)) << label << ": " << key;
    const NamedText* const entry = firstMatch(settings.templateList, &NamedText::name, key);
    EXPECT_EQ(entry == nullptr ? "" : entry->text, config.templateText(key))
        << label << ": " << key;
    EXPECT_EQ(firstMatch(settings.tagRuleList, &TagRule::name, key), config.tagRule(key))
        << label << ": " << key;
  }
}

// See note [first match]: whatever the lists hold, duplicates included, and whenever the reading
// and the derivation add to them, each lookup answers what a walk from the start would.
TEST(ConfigurationLookups, AgreeWithAWalkFromTheStart) {
  const char* const files[] = {
      "",
      "[output path]\nfirst\n[output path]\nsecond\n[output path]\n[ output path]\nblank\n",
      "[template:page]\n[template:page]\nsecond\n[template:tag]\nmine\n[template:]\n[template]\n",
      "[template:masterindex]\none\n[template:masterindex]\ntwo\n[template:#NAME]\n<@@VALUE@@>\n",
      "[items]\nNAME\nNAME\n\n[ignore items]\nNAME\nSECRET\n[tab items]\nSECRET\n"
      "[source items]\nSOURCE\n[line items]\nSOURCE\nNOTES\n[items]\nLOST\n",
      "[DUMMY]\nnamed\n[replacer:R]\nr\n[block start:*.pb]\n;\n[block start:*.pb]\n;;\n",
  };
  TempDir dir;
  for (const char* const file : files) {
    expectFirstMatchLookups(readConfiguration(dir.write("docs.cfg", file)), file);
  }
  // Lists made by hand need not be merged as the derivation merges them.
  expectFirstMatchLookups(
      Configuration(Settings{
          .configList = {{.key = "k", .value = "1"}, {.key = "k", .value = "2"}},
          .templateList = {{.name = "page", .text = ""}, {.name = "page", .text = "p"}},
          .tagRuleList = {{.name = "NAME", .ignored = true, .kind = TagKind::tabItem},
                          {.name = "NAME", .ignored = false, .kind = TagKind::plainItem}}}),
      "made by hand");
}

}  // namespace
}  // namespace inkwright
