#include "scan/extraction.h"

#include <gtest/gtest.h>

#include <random>

#include "config/settings.h"
#include "model/document.h"
#include "scan/wildcard.h"
#include "tempdir.h"

namespace inkwright {
namespace {

class BlockExtraction : public testing::Test {
 protected:
  void SetUp() override {
    addTagRules(settings.tagRuleList, "NAME\nSOURCE\nEXAMPLE\nother\n", false, TagKind::plainItem);
    settings.defaultMarkers =
        MarkerSet{.pattern = "", .blockStart = "/****", .blockEnd = "****", .lineStart = "*"};
  }

  // Reads a new file with the markers the run would choose for it; gives each of its entries as
  // "headerType|headerPath|" and then "tagName=tagValue;" for each of its tags.
  std::vector<std::string> extract(const std::string& bytes) {
    const std::string path = scratch.write("src" + std::to_string(++files) + ".pb", bytes);
    const std::size_t known = document.entries.size();
    const Configuration config(settings);
    WildcardMatcher matcher;
    extractInto(config, {path}, {&markersFor(config, matcher, path)});
    std::vector<std::string> entries;
    for (std::size_t k = known; k < document.entries.size(); ++k) {
      const DocEntry& entry = document.entries[k];
      entries.push_back(entry.headerType + "|" + entry.headerPath + "|");
      for (const TagPair& tag : entry.tags) {
        entries.back() += tag.tagName + "=" + tag.tagValue + ";";
      }
    }
    return entries;
  }

  // Reads the files with the markers of the same position, appending what they give to document.
  void extractInto(const Configuration& config, std::vector<std::string> paths,
                   const std::vector<const MarkerSet*>& markers) {
    Document read{.files = std::move(paths)};
    extractSourceFiles(config, markers, read);
    document.entries.insert(document.entries.end(), read.entries.begin(), read.entries.end());
    document.imports.insert(document.imports.end(), read.imports.begin(), read.imports.end());
  }

  Document document;
  Settings settings;
  TempDir scratch;
  int files = 0;
};

TEST_F(BlockExtraction, ReadsTheSameBlockWithEveryLineEnd) {
  for (const std::string end : {"\n", "\r\n", "\r"}) {
    document.imports.clear();
    const std::string source = "/****f* Group/Name" + end + "* NAME" + end +
                               "*   Name -- what it does" + end + "* SOURCE" + end +
                               "#PBIMPORT:Name()" + end + "*  EndProcedure" + end + "****" + end +
                               "#PBIMPORT: Other(a.l):x" + end;
    EXPECT_EQ(std::vector<std::string>{"f|Group/Name|NAME=\n   Name -- what it does;"
                                       "SOURCE=\n#PBIMPORT:Name()\n  EndProcedure;"},
              extract(source));
    ASSERT_EQ(2u, document.imports.size());
    EXPECT_EQ(document.imports[1].sourceFile, document.entries.back().sourceFile);
    EXPECT_EQ(" Other(a.l)", document.imports[1].declaration);
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
  extractInto(config, {(scratch.path() / "missing.pb").string()}, {&settings.defaultMarkers});
  EXPECT_EQ(3u, document.entries.size());
}

// A line starts a list when it starts with any of its markers; the longest one is cut off.
TEST_F(BlockExtraction, MarkerListsReplaceTheSingleMarkerOfTheirKind) {
  settings.defaultMarkers.blockEnds = {" ***/", "/***/"};
  settings.defaultMarkers.lineStarts = {" *", " **"};
  EXPECT_EQ((std::vector<std::string>{"f|Lib/foo|NAME=\n   foo - does;SOURCE=\n/\nint foo(void);;",
                                      "f|Lib/bar|NAME=;NAME=\n* x;"}),
            extract("/****f* Lib/foo\n * NAME\n *   foo - does\n * SOURCE\n */\nint foo(void);\n"
                    "/***/\n/****f* Lib/bar\n ** NAME\n * NAME\n *** x\n ***/\n * NAME\n"));
}

TEST_F(BlockExtraction, IndentedMarkersCountAfterBlanks) {
  settings.options.indentedMarkers = true;
  settings.defaultMarkers = MarkerSet{"", "!!****", "!!***", "", {}, {}, {" \t!!"}};
  EXPECT_EQ((std::vector<std::string>{"f|mod/fn|NAME=\n   fn\n!;", "*|mod/g|"}),
            extract("  \t!!****f* mod/fn x\n    !! NAME\n  !!   fn\n!!!\n ! NAME\n   !!***\n"
                    "\t!!***** mod/g\n"));
}

TEST_F(BlockExtraction, WholeHeaderNameIsTheRestOfTheStartLine) {
  settings.options.wholeHeaderName = true;
  settings.defaultMarkers.blockEnds = {"****", " ***/"};
  EXPECT_EQ((std::vector<std::string>{"f|Component Library: Atomic Operations/cl_atomic_inc|",
                                      "f|Lib/foo|", "f|Lib/bar|", "f|Lib/star*/x|",
                                      "f|Lib/two  words|", "*||", "f||", "f|Lib/slash/|"}),
            extract("/****f* Component Library: Atomic Operations/cl_atomic_inc\n****\n"
                    "/****f* Lib/foo ***/\n****\n/****f* /Lib/bar ******/\n****\n"
                    "/****f* Lib/star*/x**\n****\n/****f*\tLib/two  words \t\n****\n"
                    "/********************/\n****\n/****f*\n****\n/****f* Lib/slash/\n****\n"));
}

// Under the switch the blanks and tabs beside each "/" go, also before a leading "/" that is then
// removed, and blanks between words stay; without it the path is one blank-separated word, and a
// tab beside its "/" stays.
TEST_F(BlockExtraction, WholeHeaderNameDropsTheBlanksBesideEachSlash) {
  struct Case {
    bool wholeHeaderName;
    std::string startLine;
    std::string headerPath;
  };
  const Case cases[] = {
      {true, "/****f* Lib / Vendor Api", "Lib/Vendor Api"},
      {true, "/****f* Lib/ Vendor Api", "Lib/Vendor Api"},
      {true, "/****f* Lib \t/\t Vendor Api ***/", "Lib/Vendor Api"},
      {true, "/****f* / Lib / Vendor Api", "Lib/Vendor Api"},
      {true, "/****f* A two / B / c  d", "A two/B/c  d"},
      {true, "/****f* Lib / slash /", "Lib/slash/"},
      {true, "/****f* Lib / / x", "Lib//x"},
      {false, "/****f* Lib\t/\tx", "Lib\t/\tx"},
      {false, "/****f* Lib/ Vendor Api", "Lib/"},
  };
  settings.defaultMarkers.blockEnds = {"****", " ***/"};
  for (const Case& c : cases) {
    settings.options.wholeHeaderName = c.wholeHeaderName;
    EXPECT_EQ(std::vector<std::string>{"f|" + c.headerPath + "|"},
              extract(c.startLine + "\n****\n"))
        << c.startLine;
  }
}

// "* See the manual" stays text, and only a line that is wholly a listed name is a tag line.
TEST_F(BlockExtraction, WholeTagNamesTakeTheWholeLine) {
  settings.options.wholeTagNames = true;
  addTagRules(settings.tagRuleList, "SEE ALSO\nSIDE EFFECTS", false, TagKind::plainItem);
  EXPECT_EQ(std::vector<std::string>{"f|A/B|NAME=\n See the manual\n NAME extra\n SEE  ALSO;"
                                     "SEE ALSO=;SIDE EFFECTS=\n\tnone;"},
            extract("/****f* A/B\n* name\n* See the manual\n* NAME extra\n* SEE  ALSO\n"
                    "*  \t see also \n*SIDE EFFECTS\t\n*\tnone\n****\n"));
}

// Code items take unmarked lines as SOURCE does; the lines that close and reopen the comment
// around the code are passed over, and with marked tags only no unmarked line is a tag line.
TEST_F(BlockExtraction, CodeItemsTakeTheCodeBetweenTheCommentSeams) {
  addTagRules(settings.tagRuleList, "SYNOPSIS\nFUNCTION", false, TagKind::plainItem);
  settings.codeItems = {"SYNOPSIS"};
  const std::string source =
      "/****f* Lib/foo\n* SYNOPSIS\n*/\nint foo(void);\nend function foo\n /* \n* NAME\n*/\n"
      "****\n";
  EXPECT_EQ(std::vector<std::string>{"f|Lib/foo|SYNOPSIS=\nint foo(void);;FUNCTION=;NAME=\n/;"},
            extract(source));
  settings.options.markedTagsOnly = true;
  EXPECT_EQ(std::vector<std::string>{"f|Lib/foo|SYNOPSIS=\nint foo(void);\nend function foo;"
                                     "NAME=\n/;"},
            extract(source));
}

// Each file is read with the markers of its own position, and what the files give joins the lists
// in the order of the paths, however the reading is shared out; a missing file adds nothing.
TEST_F(BlockExtraction, JoinsTheFilesInTheOrderOfThePaths) {
  const MarkerSet semicolons{.blockStart = ";{", .blockEnd = ";}", .lineStart = ";"};
  std::vector<std::string> paths;
  std::vector<const MarkerSet*> markers;
  for (int file = 0; file < 6; ++file) {
    const std::string name = "f" + std::to_string(file);
    const bool odd = file % 2 == 1;
    paths.push_back(scratch.write(name + ".pb", odd ? ";{f A/" + name + "\n; NAME\n;  " + name +
                                                          "\n;}\n#PBIMPORT:" + name + "()\n"
                                                    : "/****f* A/" + name + "\n* NAME\n****\n"));
    markers.push_back(odd ? &semicolons : &settings.defaultMarkers);
  }
  paths.insert(paths.begin() + 3, (scratch.path() / "missing.pb").string());
  markers.insert(markers.begin() + 3, &settings.defaultMarkers);
  extractInto(Configuration(settings), paths, markers);
  std::string entries;
  for (const DocEntry& entry : document.entries) {
    entries += entry.headerPath + "|" + (entry.tags.empty() ? "" : entry.tags[0].tagValue) + ";";
  }
  EXPECT_EQ("A/f0|;A/f1|\n  f1;A/f2|;A/f3|\n  f3;A/f4|;A/f5|\n  f5;", entries);
  ASSERT_EQ(3u, document.imports.size());
  EXPECT_EQ("f5()", document.imports[2].declaration);
  EXPECT_EQ(paths[6], document.imports[2].sourceFile);
}

// Every field of every entry; a tag adds its name and its value.
std::vector<std::vector<std::string>> entryFields(const Document& document) {
  std::vector<std::vector<std::string>> entries;
  for (const DocEntry& entry : document.entries) {
    std::vector<std::string>& fields = entries.emplace_back(
        std::vector<std::string>{entry.headerPath, entry.entryName, entry.groupName,
                                 entry.sectionName, entry.sourceFile, entry.headerType});
    for (const TagPair& tag : entry.tags) {
      fields.push_back(tag.tagName);
      fields.push_back(tag.tagValue);
    }
  }
  return entries;
}

std::vector<std::vector<std::string>> importFields(const Document& document) {
  std::vector<std::vector<std::string>> directives;
  for (const ImportDirective& directive : document.imports) {
    directives.push_back(
        {directive.sourceFile, directive.declaration, std::to_string(directive.documented)});
  }
  return directives;
}

// Lines of every kind the reader tells apart, in the markers given, with mixed line ends; the last
// line has none.
std::string generatedSource(std::mt19937& random, const MarkerSet& markers, int lines) {
  const char* const ends[] = {"\n", "\r\n", "\r"};
  std::string text;
  for (int line = 0; line < lines; ++line) {
    if (line > 0) {
      text += ends[random() % 3];
    }
    const std::string number = std::to_string(random() % 1000);
    switch (random() % 8) {
      case 0:
        text += markers.blockStart + "f* Group" + number.substr(0, 1) + "/Name" + number;
        break;
      case 1:
        text += markers.lineStart + " NAME";
        break;
      case 2:
        text += markers.lineStart + " SOURCE";
        break;
      case 3:
        text += markers.lineStart + " EXAMPLE " + number;
        break;
      case 4:
        text += markers.lineStart + "   text " + number;
        break;
      case 5:
        text += "#PBIMPORT:Procedure" + number + "(a.l)";
        break;
      case 6:
        text += "code NAME " + number;
        break;
      default:
        text += markers.blockEnd;
        break;
    }
  }
  return text;
}

// Styled pages decide their charset from this: the entries of a file of ASCII alone are known to be
// ASCII, those of a file with one other byte anywhere, in a block or not, are not.
TEST_F(BlockExtraction, MarksTheEntriesOfFilesOfAsciiAlone) {
  settings.options.styledPages = true;
  const std::string block = "/****f* Group/Name\n* NAME\n*   text\n****\n";
  extract(block + block);
  extract("; caf\xc3\xa9\n" + block);
  extract(block + "\xff");
  ASSERT_EQ(4u, document.entries.size());
  EXPECT_TRUE(document.entries[0].isAscii);
  EXPECT_TRUE(document.entries[1].isAscii);
  EXPECT_FALSE(document.entries[2].isAscii);
  EXPECT_FALSE(document.entries[3].isAscii);
}

// See note [two readers]. The threads take the files in whatever order they come to them, and a
// file of a few megabytes holds one thread up while the other reads many small ones; the first
// file is such a one, so that both threads meet their first tag lines at once.
TEST_F(BlockExtraction, ReadsFilesOnTwoThreadsIntoTheListsOfOneReader) {
  const MarkerSet markerSets[] = {
      settings.defaultMarkers, MarkerSet{.blockStart = ";{", .blockEnd = ";}", .lineStart = ";"},
      MarkerSet{.blockStart = "/**", .blockEnd = "**/", .lineStart = ""}};
  std::mt19937 random(20240611);
  std::vector<std::string> paths;
  std::vector<const MarkerSet*> markers;
  for (int file = 0; file < 300; ++file) {
    const MarkerSet& fileMarkers = markerSets[file % 3];
    std::string source;
    if (file == 0 || file == 150 || file == 260) {
      source = generatedSource(random, fileMarkers, 200000);
    } else if (file == 6) {
      source = "/****f* Group/One";
    } else if (file == 7) {
      source = "#PBIMPORT:" + std::string(3 << 20, 'x');
    } else if (file != 5) {
      source = generatedSource(random, fileMarkers, static_cast<int>(random() % 300));
    }
    paths.push_back(scratch.write("src" + std::to_string(file) + ".pb", source));
    markers.push_back(&fileMarkers);
  }
  paths[77] = (scratch.path() / "missing.pb").string();

  // The two threads read first, while the index of the tag rules is still to be built, as in a
  // run.
  const Configuration config(settings);
  extractInto(config, paths, markers);
  const std::vector<std::vector<std::string>> twoThreadEntries = entryFields(document);
  const std::vector<std::vector<std::string>> twoThreadDirectives = importFields(document);
  document = Document{};
  for (std::size_t k = 0; k < paths.size(); ++k) {
    extractInto(config, {paths[k]}, {markers[k]});
  }
  const std::vector<std::vector<std::string>> entries = entryFields(document);
  const std::vector<std::vector<std::string>> directives = importFields(document);
  ASSERT_GT(entries.size(), 30000u);
  ASSERT_GT(directives.size(), 30000u);
  // Record by record, so that a difference shows one record and not megabytes of them.
  ASSERT_EQ(entries.size(), twoThreadEntries.size());
  for (std::size_t k = 0; k < entries.size(); ++k) {
    ASSERT_EQ(entries[k], twoThreadEntries[k]) << "entry " << k;
  }
  ASSERT_EQ(directives.size(), twoThreadDirectives.size());
  for (std::size_t k = 0; k < directives.size(); ++k) {
    ASSERT_EQ(directives[k], twoThreadDirectives[k]) << "directive " << k;
  }
}

}  // namespace
}  // namespace inkwright
