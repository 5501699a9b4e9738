#include "scan/extraction.h"

#include <gtest/gtest.h>

#include "config/settings.h"
#include "driver/run.h"
#include "model/document.h"
#include "scan/wildcard.h"
#include "tempdir.h"

namespace inkwright {
namespace {

class BlockExtraction : public testing::Test {
 protected:
  void SetUp() override {
    clearDocument();
    resetWildcardMatcher();
    addTagRules(settings.tagRuleList, "NAME\nSOURCE\nEXAMPLE\nother\n", false, TagKind::plainItem);
    settings.defaultMarkers =
        MarkerSet{.pattern = "", .blockStart = "/****", .blockEnd = "****", .lineStart = "*"};
  }

  // Reads a new file with the markers the run would choose for it; gives each of its entries as
  // "headerType|headerPath|" and then "tagName=tagValue;" for each of its tags.
  std::vector<std::string> extract(const std::string& bytes) {
    const std::string path = scratch.write("src" + std::to_string(++files) + ".pb", bytes);
    const std::size_t known = entryList.size();
    const Configuration config(settings);
    extractBlocks(config, path, markersFor(config, path));
    std::vector<std::string> entries;
    for (std::size_t k = known; k < entryList.size(); ++k) {
      entries.push_back(entryList[k].headerType + "|" + entryList[k].headerPath + "|");
      for (const TagPair& tag : entryList[k].tags) {
        entries.back() += tag.tagName + "=" + tag.tagValue + ";";
      }
    }
    return entries;
  }

  Settings settings;
  TempDir scratch;
  int files = 0;
};

TEST_F(BlockExtraction, ReadsTheSameBlockWithEveryLineEnd) {
  for (const std::string end : {"\n", "\r\n", "\r"}) {
    importList.clear();
    const std::string source = "/****f* Group/Name" + end + "* NAME" + end +
                               "*   Name -- what it does" + end + "* SOURCE" + end +
                               "#PBIMPORT:Name()" + end + "*  EndProcedure" + end + "****" + end +
                               "#PBIMPORT: Other(a.l):x" + end;
    EXPECT_EQ(std::vector<std::string>{"f|Group/Name|NAME=\n   Name -- what it does;"
                                       "SOURCE=\n#PBIMPORT:Name()\n  EndProcedure;"},
              extract(source));
    ASSERT_EQ(2u, importList.size());
    EXPECT_EQ(importList[1].sourceFile, entryList.back().sourceFile);
    EXPECT_EQ(" Other(a.l)", importList[1].declaration);
  }
}

TEST_F(BlockExtraction, TakesHeaderTypeAndPathFromTheBlockStartLine) {
  EXPECT_EQ((std::vector<std::string>{"f|Group/Name|", "||", "f|Name|", "f||", "f|x|", "*||"}),
            extract("/****f* Group/Name\n****\n/****\n****\n/****f* /Name\n****\n"
                    "/****f*  Group/Name\n****\n/****f*\tGroup/Name x\n****\n"
                    "/********************\n****\n /****f* Indented\n"));
}

// Only a listed, upper-cased second word makes a tag line; text before the first tag goes
// nowhere; a line without the line-start marker is passed over outside SOURCE.
TEST_F(BlockExtraction, StartsTagsOnlyAtListedSecondWords) {
  EXPECT_EQ(std::vector<std::string>{"f|G/N|NAME=\n  NAME\nNAME;EXAMPLE=;EXAMPLE=\n other\n*;"},
            extract("/****f* G/N\n*   before any tag\n* name\n*  NAME\n*NAME\nplain\n"
                    "* EXAMPLE  rest of the tag line\n* Example\n* other\n**\n****\n* NAME\n"));
}

TEST_F(BlockExtraction, KeepsSourceModeAcrossBlocksOfOneFileOnly) {
  EXPECT_EQ((std::vector<std::string>{"f|A/One|SOURCE=\nx = 1;", "f|A/Two|NAME=;", "f|A/Three|"}),
            extract("/****f* A/One\n* SOURCE\nx = 1\n****\nbetween\n/****f* A/Two\n"
                    "Procedure Two()\ncode NAME here\n****\n/****f* A/Three\nunmarked\n****\n"));
  EXPECT_EQ(std::vector<std::string>{"f|B/Four|"}, extract("/****f* B/Four\ncode NAME here"));
}

// A tag line past the last pair takes none and its text is dropped, but it still sets the
// SOURCE mode like every tag line.
TEST_F(BlockExtraction, DropsTagsBeyondTheLastPair) {
  std::string source = "/****f* A/Full\n";
  std::string full = "f|A/Full|";
  for (int tag = 0; tag < kMaxTags; ++tag) {
    source += "* NAME\n";
    full += "NAME=;";
  }
  source += "* SOURCE\n*  lost\n****\n/****f* A/Next\ncode NAME here\n****\n";
  EXPECT_EQ((std::vector<std::string>{full, "f|A/Next|NAME=;"}), extract(source));
}

// A set registered for a pattern leaves the markers it was given no value for empty, and an
// empty marker is a prefix of every line.
TEST_F(BlockExtraction, ReadsEachFileWithTheLastMarkerSetMatchingItsPath) {
  settings.markerSetList = {
      {.pattern = "*1.pb", .blockStart = "/**", .blockEnd = "**/", .lineStart = ""},
      {.pattern = "*2.pb", .blockStart = ";{", .blockEnd = ";}", .lineStart = ";"},
      {.pattern = "*src2.pb", .blockStart = "<{", .blockEnd = "", .lineStart = "<"}};
  EXPECT_EQ(std::vector<std::string>{"f|A/X|NAME=\n  text;"},
            extract("/**f A/X\n NAME\n  text\n**/\n  more\n"));
  EXPECT_EQ(std::vector<std::string>{"f|A/Y|"}, extract("<{f A/Y\n< NAME\n< NAME\n;{f A/-\n"));
  EXPECT_EQ(std::vector<std::string>{"f|A/Z|NAME=;"}, extract("/****f A/Z\n* NAME\n****\n"));
  const Configuration config(settings);
  extractBlocks(config, (scratch.path() / "missing.pb").string(), settings.defaultMarkers);
  EXPECT_EQ(3u, entryList.size());
}

}  // namespace
}  // namespace inkwright
