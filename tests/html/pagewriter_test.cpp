#include "html/pagewriter.h"

#include <gtest/gtest.h>

#include "config/settings.h"
#include "model/document.h"
#include "tempdir.h"

namespace inkwright {
namespace {

DocEntry entry(const std::string& headerPath, const std::string& headerType,
               std::vector<TagPair> tags = {}) {
  return DocEntry{.headerPath = headerPath, .headerType = headerType, .tags = std::move(tags)};
}

class PageWriter : public testing::Test {
 protected:
  void SetUp() override {
    clearDocument();
    deriveSettings(settings);
    addTagRules(settings.tagRuleList, "NAME", false, TagKind::plainItem);
    addTagRules(settings.tagRuleList, "SECRET", true, TagKind::plainItem);
  }

  void useTemplates(const std::string& page, const std::string& tag) {
    settings.templateList = {{.name = "page", .text = page}, {.name = "tag", .text = tag}};
  }

  void writePages(const std::string& outputDirectory) const {
    pageWriter(Configuration(settings), outputDirectory);
  }

  Settings settings;
  TempDir out;
};

TEST_F(PageWriter, WritesWorkedExamplePages) {
  entryList = {entry("Core/Begin", "f", {{"NAME", "\nBegin - starts the engine; call Stop later"}}),
               entry("Core", "h", {{"NAME", "\nCore - basic calls"}}),
               entry("Core/Stop", "f", {{"NAME", "\nStop - stops the engine"}})};
  writePages(out.folder());
  EXPECT_EQ(
      "<html><head><title>Core</title></head><body bgcolor=#FFFFDF link=#009999 vlink=#006666 "
      "alink=#006666><div width=600><h2>NAME</h2><br />Core - basic calls</div>Contents=<br /><ul>"
      "<li><a href=\"Begin.html\">Begin</a></li><li><a href=\"Core.html\">Core</a></li><li><a "
      "href=\"Stop.html\">Stop</a></li></ul></body></html>",
      out.read("Core.html"));
  EXPECT_EQ(
      "<html><head><title>Begin</title></head><body bgcolor=#FFFFDF link=#009999 vlink=#006666 "
      "alink=#006666><div width=600><h2>NAME</h2><br />Begin - starts the engine; call <a "
      "href=\"Stop.html\">Stop</a> later</div></body></html>",
      out.read("Begin.html"));
  EXPECT_EQ((std::set<std::string>{"Begin.html", "Core.html", "Stop.html"}), out.files());
  EXPECT_EQ("Core", entryList[0].sectionName);
}

// "@@TAG@@" in a value stays, "@@TAG-LOWER@@" in a value is filled; "@@NAME@@" in the tags stays,
// "@@SECTION@@" and replacers are filled; a replacer's text is not linked. Empty and ignored tag
// slots leave no trace, and a tag without a template of its own takes the "tag" template.
TEST_F(PageWriter, FillsPlaceholdersInOrder) {
  useTemplates("@@NAME@@|@@TAGS@@|@@SECTION@@|@@R@@", "<@@TAG@@:@@VALUE@@>");
  settings.configList = {{.key = "template:#NAME", .value = "[@@TAG@@:@@VALUE@@:@@TAG-LOWER@@]"}};
  settings.replacerList = {{.name = "R", .text = "x Stop"}};
  entryList = {entry("A/G/Stop", "f",
                     {{"NAME", "\n@@TAG@@ @@TAG-LOWER@@ @@NAME@@ @@SECTION@@ @@R@@"},
                      {"", ""},
                      {"SECRET", "\nhidden"},
                      {"OTHER", "\nv"}})};
  writePages(out.folder());
  EXPECT_EQ("Stop|[NAME:@@TAG@@ name @@NAME@@ G x Stop:name]<OTHER:v>|G|x Stop",
            out.read("Stop.html"));
}

TEST_F(PageWriter, ListsContentsOfHeaderEntriesBySection) {
  useTemplates("@@TAGS@@", "");
  entryList = {entry("Core", "h"), entry("Core/Begin", "f"), entry("X/Core/Deep", "f"),
               entry("Empty", "h"), entry("Lower", "H")};
  writePages(out.folder());
  EXPECT_EQ(
      "Contents=<br /><ul><li><a href=\"Core.html\">Core</a></li><li><a href=\"Begin.html\">Begin"
      "</a></li><li><a href=\"Deep.html\">Deep</a></li></ul>",
      out.read("Core.html"));
  EXPECT_EQ("Contents=<br /><ul><li><a href=\"Empty.html\">Empty</a></li></ul>",
            out.read("Empty.html"));
  EXPECT_TRUE(out.files().count("Lower.html"));
  EXPECT_EQ("", out.read("Lower.html"));
}

TEST_F(PageWriter, NamesPagesAndLinksByEntryName) {
  useTemplates("[@@NAME@@]@@TAGS@@", "@@VALUE@@");
  entryList = {entry("#Flags", "f", {{"NAME", "\nuse #Flags"}}),
               entry("Lib", "H", {{"NAME", "\nsee Lib and Bad\\Name"}}),
               entry("Lib/Bad\\Name", "f", {{"NAME", "\nnot written"}}),
               entry("", "f", {{"NAME", "\nnameless entry"}}),
               entry("A/Same", "f", {{"NAME", "\nfirst"}}),
               entry("B/Same", "f", {{"NAME", "\nsecond"}})};
  // The page "Bad\Name" would land in this folder, were it written.
  std::filesystem::create_directory(out.folder() + "Bad");
  writePages(out.path().string());
  EXPECT_TRUE(std::filesystem::is_empty(out.folder() + "Bad"));
  EXPECT_EQ("[#Flags]use <a href=\"#Flags.html\">#Flags</a>", out.read("Flags.html"));
  EXPECT_EQ("[Lib]see <a href=\"Lib.html\">Lib</a> and <a href=\"Bad\\Name.html\">Bad\\Name</a>",
            out.read("Lib.html"));
  // A nameless entry links nothing, but its page is written for the help project's list.
  EXPECT_EQ("[]nameless entry", out.read(".html"));
  EXPECT_EQ("[Same]second", out.read("Same.html"));
  EXPECT_EQ((std::set<std::string>{".html", "Bad", "Flags.html", "Lib.html", "Same.html"}),
            out.files());
}

}  // namespace
}  // namespace inkwright
