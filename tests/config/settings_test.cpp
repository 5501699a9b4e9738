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

TEST(OutputPathFrom, EndsInASeparatorAfterTrimming) {
  EXPECT_EQ("out\\", outputPathFrom("out"));
  EXPECT_EQ("out\\", outputPathFrom("  out  "));
  EXPECT_EQ("out/", outputPathFrom("out/"));
  EXPECT_EQ("C:\\doc\\", outputPathFrom("C:\\doc\\"));
  EXPECT_EQ("\\", outputPathFrom(""));
  EXPECT_EQ("\\", outputPathFrom("   "));
  EXPECT_EQ("out\n\\", outputPathFrom("out\n"));
  EXPECT_EQ("\tout\t\\", outputPathFrom("\tout\t"));
}

// The settings that one key gives are derived once, from the first pair of the key.
TEST(DeriveSettings, TakesTitleAdditionalFilesAndBindingNamesFromTheirKeys) {
  TempDir dir;
  const Settings settings =
      readConfiguration(dir.write("docs.cfg",
                                  "[document title]\n My Lib \nsecond line\n"
                                  "[additional files]\npics/logo.png\n\n   style.css  \n"
                                  "[importfile]\n  lib.pbi  \nsecond.pbi\n[japbefile]\n\n"
                                  "[userlibfile]\nsub\\lib.desc\n[output format]\n HTML  JAPBE \n"
                                  "[output path]\n  out  \n[output path]\nsecond\n"))
          .settings();
  EXPECT_EQ("My Lib\nsecond line", settings.documentTitle);
  EXPECT_EQ((std::vector<std::string>{"pics/logo.png", "", "style.css"}), settings.additionalFiles);
  EXPECT_EQ("lib.pbi", settings.importFileName);
  EXPECT_EQ(" _inkWright_japbefile_out.txt", settings.editorReferenceName);
  EXPECT_EQ("sub\\lib.desc", settings.userLibraryName);
  EXPECT_EQ("HTML  JAPBE", settings.outputFormat);
  EXPECT_EQ("out\\", settings.outputPath);
  const Settings empty = readConfiguration(dir.write("empty.cfg", "")).settings();
  EXPECT_TRUE(empty.additionalFiles.empty());
  EXPECT_EQ(" _inkWright_importfile_out.pbi", empty.importFileName);
  EXPECT_EQ(" _inkWright_userlib_out.desc", empty.userLibraryName);
  EXPECT_EQ("\\", empty.outputPath);
}

// A tag's own template wins while it is not empty; the first pair of its key is the one read.
TEST(ConfigurationLookups, TagTemplateIsTheTagsOwnOrTheTagTemplate) {
  TempDir dir;
  const Configuration config = readConfiguration(
      dir.write("docs.cfg",
                "[template:tag]\n<t>@@VALUE@@\n[template:#NAME]\n<n>@@VALUE@@\n"
                "[template:#NAME]\nsecond\n[template:#EMPTY]\n[template:#SEE ALSO]\n<s>\n"));
  EXPECT_EQ("<n>@@VALUE@@", config.tagTemplate("NAME"));
  EXPECT_EQ("<t>@@VALUE@@", config.tagTemplate("EMPTY"));
  EXPECT_EQ("<t>@@VALUE@@", config.tagTemplate("OTHER"));
  EXPECT_EQ("<s>", config.tagTemplate("SEE ALSO"));
}

}  // namespace
}  // namespace inkwright
