#include "config/configuration.h"

#include <gtest/gtest.h>

#include "config/settings.h"
#include "model/document.h"
#include "tempdir.h"

namespace inkwright {
namespace {

class ConfigurationTest : public testing::Test {
 protected:
  void SetUp() override { clearDocument(); }

  void read(const std::string& bytes) { readConfiguration(dir_.write("docs.cfg", bytes)); }

  static std::string markers(const MarkerSet& set) {
    return set.pattern + "|" + set.blockStart + "|" + set.blockEnd + "|" + set.lineStart;
  }

  TempDir dir_;
};

TEST_F(ConfigurationTest, ReadsTheWorkedExample) {
  read(
      "# configuration of the docs run\n"
      "[output path]\n"
      "\n"
      "  docs\\html\n"
      "[source path]\n"
      "..\\src\n"
      "\t..\\include\n"
      "\n"
      "[template:page]\n"
      "\t\ttext of the page\n"
      "[Output Format]\n");
  EXPECT_EQ("docs\\html", configValue("output path"));
  EXPECT_EQ("..\\src\n..\\include\n", configValue("source path"));
  EXPECT_EQ("text of the page", configValue("template:page"));
  EXPECT_EQ("", configValue("output format"));
  EXPECT_EQ("text of the page", templateText("page"));
  EXPECT_EQ((std::vector<std::string>{"..\\src", "..\\include", ""}), sourcePaths);
}

TEST_F(ConfigurationTest, ClassifiesLinesByTheirVeryFirstByte) {
  read(
      "stray value\r\n"
      "[a]\r\n"
      " # kept, with its hash\r"
      "#comment\r"
      " [not a key]\n"
      "[b\n"
      "x\n"
      "[c] trailing words\n"
      "y\tz");
  EXPECT_EQ("stray value", configValue("DUMMY"));
  EXPECT_EQ("# kept, with its hash\n[not a key]", configValue("a"));
  EXPECT_EQ("x", configValue(""));
  EXPECT_EQ("y z", configValue("c"));
}

TEST_F(ConfigurationTest, DuplicateKeysAreKeptAndTheFirstAnswers) {
  read("[output path]\nfirst\n[output path]\nsecond\n[template:x]\none\n[template:x]\ntwo\n");
  EXPECT_EQ("first", configValue("output path"));
  EXPECT_EQ("one", templateText("x"));
  EXPECT_EQ("", configValue("Output Path"));
  EXPECT_EQ("", configValue("output path "));
}

TEST_F(ConfigurationTest, TemplatesStandBeforeTheBuiltInOnes) {
  read("[template:page]\n[template]\n[template:masterindex]\n<b>@@INDEX@@</b>\n");
  EXPECT_EQ("", templateText("page"));
  EXPECT_EQ("<b>@@INDEX@@</b>", templateText("masterindex"));
  EXPECT_EQ(kBuiltinTagTemplate, templateText("tag"));
}

TEST_F(ConfigurationTest, MissingFileIsAnEmptyConfiguration) {
  readConfiguration((dir_.path() / "missing.cfg").string());
  EXPECT_EQ("|/****|****|*", markers(defaultMarkers));
  EXPECT_EQ(kBuiltinPageTemplate, templateText("page"));
  EXPECT_EQ("", templateText("masterindex"));
}

TEST_F(ConfigurationTest, MarkerSetsAreRegisteredOncePerPattern) {
  read(
      "[block start]\n;**\n"
      "[block start:*.pbi]\n;{\n"
      "[line start:*.pbi]\n;\n"
      "[line start:*.c:ignored]\n//\n"
      "[line start]\n"
      "[block end:*.pbi]\n");
  ASSERT_EQ(2u, markerSetList.size());
  EXPECT_EQ("*.pbi|;{||;", markers(markerSetList[0]));
  EXPECT_EQ("*.c|||", markers(markerSetList[1]));
  EXPECT_EQ("|;**|****|*", markers(defaultMarkers));
}

TEST_F(ConfigurationTest, ReplacersTakeTheirValues) {
  read("[replacer:FOOT]\n<hr>\n(c) us\n[replacer:NONE]\n");
  ASSERT_EQ(2u, replacerList.size());
  EXPECT_EQ("FOOT", replacerList[0].name);
  EXPECT_EQ("<hr>\n(c) us", replacerList[0].text);
  EXPECT_EQ("", replacerList[1].text);
}

TEST_F(ConfigurationTest, TagRulesKeepFirstMentionAndLastKind) {
  read(
      "[items]\nNAME\nname\n\n[ignore items]\nSYNOPSIS\nINTERNAL\n"
      "[tab items]\nSYNOPSIS\nINPUTS\n[source items]\nSOURCE\n");
  // Each rule as "name:" + its kind (plain 0, source 1, tab 3) + its ignored flag.
  std::vector<std::string> rules;
  for (const TagRule& rule : tagRuleList) {
    rules.push_back(rule.name + ":" + std::to_string(rule.kind) + std::to_string(rule.ignored));
  }
  EXPECT_EQ((std::vector<std::string>{"NAME:00", "name:00", ":00", "SYNOPSIS:30", "INTERNAL:01",
                                      "SOURCE:10", "INPUTS:30"}),
            rules);
}

TEST_F(ConfigurationTest, PatternListsKeepEmptyLines) {
  read("[accept files]\n*.pb\n*.pbi\n\n[ignore files]\nCVS\n.git\n");
  EXPECT_EQ((std::vector<std::string>{"*.pb", "*.pbi", ""}), acceptPatterns);
  EXPECT_EQ((std::vector<std::string>{"CVS", ".git"}), ignorePatterns);
}

}  // namespace
}  // namespace inkwright
