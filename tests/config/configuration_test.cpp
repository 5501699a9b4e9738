#include "config/configuration.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "firstmatch.h"
#include "tempdir.h"

namespace inkwright {
namespace {

class ConfigurationTest : public testing::Test {
 protected:
  Configuration read(const std::string& bytes) {
    return readConfiguration(dir_.write("docs.cfg", bytes));
  }

  // The value of the first pair of the key, the one every setting is derived from.
  static std::string valueOf(const Configuration& config, const std::string& key) {
    const ConfigPair* const pair = firstMatch(config.settings().configList, &ConfigPair::key, key);
    return pair == nullptr ? std::string() : pair->value;
  }

  static std::string markers(const MarkerSet& set) {
    return set.pattern + "|" + set.blockStart + "|" + set.blockEnd + "|" + set.lineStart;
  }

  TempDir dir_;
};

TEST_F(ConfigurationTest, ReadsTheWorkedExample) {
  const Configuration config = read(
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
  EXPECT_EQ("docs\\html", valueOf(config, "output path"));
  EXPECT_EQ("..\\src\n..\\include\n", valueOf(config, "source path"));
  EXPECT_EQ("text of the page", valueOf(config, "template:page"));
  EXPECT_EQ("", valueOf(config, "output format"));
  EXPECT_EQ("text of the page", config.templateText("page"));
  EXPECT_EQ((std::vector<std::string>{"..\\src", "..\\include", ""}),
            config.settings().sourcePaths);
  EXPECT_EQ("docs\\html\\", config.settings().outputPath);
  EXPECT_EQ("", config.settings().outputFormat);
}

// Lines are counted as the reader splits them (CR LF, LF and a lone CR each end one), value lines
// start at the first one that is not blank, and comment lines are no part of a value.
TEST_F(ConfigurationTest, RecordsTheLinesOfEachKeyAndOfItsValue) {
  const std::optional<Configuration> config =
      readConfigurationFile(dir_.write("a.cfg",
                                       "before\n"         // 1: before any key
                                       "[output path]\n"  // 2
                                       "\n"               // 3: blank before the value
                                       " \t \r\n"         // 4: blanks and a tab
                                       "  out\\\n"        // 5
                                       "# comment\n"      // 6
                                       "\r"               // 7: empty, ends in a lone CR
                                       "[source path]\n"  // 8
                                       "a\n"              // 9
                                       "\tb\n"            // 10
                                       "[no value]"));    // 11
  ASSERT_TRUE(config);
  const std::vector<ConfigPair>& pairs = config->settings().configList;
  ASSERT_EQ(4u, pairs.size());
  EXPECT_EQ(0u, pairs[0].keyLine);
  EXPECT_EQ("before", pairs[0].value);
  EXPECT_EQ(2u, pairs[1].keyLine);
  EXPECT_EQ("out\\\n", pairs[1].value);
  EXPECT_EQ((std::vector<std::size_t>{5, 7}), pairs[1].valueLines);
  EXPECT_EQ(8u, pairs[2].keyLine);
  EXPECT_EQ((std::vector<std::size_t>{9, 10}), pairs[2].valueLines);
  EXPECT_EQ(11u, pairs[3].keyLine);
  EXPECT_TRUE(pairs[3].valueLines.empty());
  EXPECT_FALSE(readConfigurationFile(dir_.folder() + "missing.cfg"));
}

TEST_F(ConfigurationTest, ClassifiesLinesByTheirVeryFirstByte) {
  const Configuration config = read(
      "stray value\r\n"
      "[a]\r\n"
      " # kept, with its hash\r"
      "#comment\r"
      " [not a key]\n"
      "[b\n"
      "x\n"
      "[c] trailing words\n"
      "y\tz");
  EXPECT_EQ("stray value", valueOf(config, "DUMMY"));
  EXPECT_EQ("# kept, with its hash\n[not a key]", valueOf(config, "a"));
  EXPECT_EQ("x", valueOf(config, ""));
  EXPECT_EQ("y z", valueOf(config, "c"));
}

TEST_F(ConfigurationTest, DuplicateKeysAreKeptAndTheFirstAnswers) {
  const Configuration config =
      read("[output path]\nfirst\n[output path]\nsecond\n[template:x]\none\n[template:x]\ntwo\n");
  EXPECT_EQ("first", valueOf(config, "output path"));
  EXPECT_EQ("one", config.templateText("x"));
  EXPECT_EQ("", valueOf(config, "Output Path"));
  EXPECT_EQ("", valueOf(config, "output path "));
}

TEST_F(ConfigurationTest, TemplatesStandBeforeTheBuiltInOnes) {
  const Configuration config =
      read("[template:page]\n[template]\n[template:masterindex]\n<b>@@INDEX@@</b>\n");
  EXPECT_EQ("", config.templateText("page"));
  EXPECT_EQ("<b>@@INDEX@@</b>", config.templateText("masterindex"));
  EXPECT_EQ(kBuiltinTagTemplate, config.templateText("tag"));
}

TEST_F(ConfigurationTest, MissingFileIsAnEmptyConfiguration) {
  const Configuration config = readConfiguration((dir_.path() / "missing.cfg").string());
  EXPECT_EQ("|/****|****|*", markers(config.settings().defaultMarkers));
  EXPECT_EQ(kBuiltinPageTemplate, config.templateText("page"));
  EXPECT_EQ("", config.templateText("masterindex"));
}

TEST_F(ConfigurationTest, MarkerSetsAreRegisteredOncePerPattern) {
  const Configuration config = read(
      "[block start]\n;**\n"
      "[block start:*.pbi]\n;{\n"
      "[line start:*.pbi]\n;\n"
      "[line start:*.c:ignored]\n//\n"
      "[line start]\n"
      "[block end:*.pbi]\n");
  const Settings& settings = config.settings();
  ASSERT_EQ(2u, settings.markerSetList.size());
  EXPECT_EQ("*.pbi|;{||;", markers(settings.markerSetList[0]));
  EXPECT_EQ("*.c|||", markers(settings.markerSetList[1]));
  EXPECT_EQ("|;**|****|*", markers(settings.defaultMarkers));
}

// Quotes keep a marker's blanks; empty lines and "" give none. A list key's pattern counts only
// when its value gives a marker, and then takes the place of its key line among the patterns.
TEST_F(ConfigurationTest, MarkerListsKeepQuotedBlanksAndRegisterOnlyWhenGiven) {
  const Configuration config = read(
      "[block ends]\n\n\" ***/\"\n  \"\"\n/***/ \n\n\"\n[line starts]\n\" *\"\n"
      "[line starts:*.f90]\n\"!!\"\n[block start:*.c]\n/**\n"
      "[block ends:*.h]\n\"\"\n\n[block starts:*.h]\n[line start:*.f90]\n!\n"
      "[block starts:*.c]\n/*\n");
  const Settings& settings = config.settings();
  EXPECT_EQ((std::vector<std::string>{" ***/", "/***/", "\""}), settings.defaultMarkers.blockEnds);
  EXPECT_EQ(std::vector<std::string>{" *"}, settings.defaultMarkers.lineStarts);
  EXPECT_TRUE(settings.defaultMarkers.blockStarts.empty());
  EXPECT_EQ("|/****|****|*", markers(settings.defaultMarkers));
  ASSERT_EQ(2u, settings.markerSetList.size());
  EXPECT_EQ("*.f90|||!", markers(settings.markerSetList[0]));
  EXPECT_EQ(std::vector<std::string>{"!!"}, settings.markerSetList[0].lineStarts);
  EXPECT_EQ("*.c|/**||", markers(settings.markerSetList[1]));
  EXPECT_EQ(std::vector<std::string>{"/*"}, settings.markerSetList[1].blockStarts);
}

TEST_F(ConfigurationTest, CodeAndDescriptionItemsSkipEmptyLines) {
  const Configuration config =
      read("[code items]\n\nSYNOPSIS\n\n  USAGE \n[description item]\nPURPOSE\n\n");
  EXPECT_EQ((std::vector<std::string>{"SYNOPSIS", "USAGE"}), config.settings().codeItems);
  EXPECT_EQ(std::vector<std::string>{"PURPOSE"}, config.settings().descriptionItems);
  EXPECT_TRUE(read("[code items]\n\n[description item]\n").settings().codeItems.empty());
}

TEST_F(ConfigurationTest, ReplacersTakeTheirValues) {
  const Configuration config = read("[replacer:FOOT]\n<hr>\n(c) us\n[replacer:NONE]\n");
  const Settings& settings = config.settings();
  ASSERT_EQ(2u, settings.replacerList.size());
  EXPECT_EQ("FOOT", settings.replacerList[0].name);
  EXPECT_EQ("<hr>\n(c) us", settings.replacerList[0].text);
  EXPECT_EQ("", settings.replacerList[1].text);
}

TEST_F(ConfigurationTest, TagRulesKeepFirstMentionAndLastKind) {
  const Configuration config = read(
      "[items]\nNAME\nname\n\n[ignore items]\nSYNOPSIS\nINTERNAL\n"
      "[tab items]\nSYNOPSIS\nINPUTS\n[source items]\nSOURCE\n");
  const Settings& settings = config.settings();
  // Each rule as "name:" + its kind (plain 0, source 1, tab 3) + its ignored flag.
  std::vector<std::string> rules;
  for (const TagRule& rule : settings.tagRuleList) {
    rules.push_back(rule.name + ":" + std::to_string(static_cast<int>(rule.kind)) +
                    std::to_string(rule.ignored));
  }
  EXPECT_EQ((std::vector<std::string>{"NAME:00", "name:00", ":00", "SYNOPSIS:30", "INTERNAL:01",
                                      "SOURCE:10", "INPUTS:30"}),
            rules);
}

TEST_F(ConfigurationTest, PatternListsKeepEmptyLines) {
  const Configuration config = read("[accept files]\n*.pb\n*.pbi\n\n[ignore files]\nCVS\n.git\n");
  const Settings& settings = config.settings();
  EXPECT_EQ((std::vector<std::string>{"*.pb", "*.pbi", ""}), settings.acceptPatterns);
  EXPECT_EQ((std::vector<std::string>{"CVS", ".git"}), settings.ignorePatterns);
}

}  // namespace
}  // namespace inkwright
