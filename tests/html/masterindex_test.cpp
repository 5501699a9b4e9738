#include "html/masterindex.h"

#include <gtest/gtest.h>

#include "config/settings.h"
#include "html/toc.h"
#include "model/document.h"
#include "tempdir.h"

namespace inkwright {
namespace {

DocEntry entry(const std::string& headerPath, const std::string& name, const std::string& group,
               std::vector<TagPair> tags = {}) {
  return DocEntry{.headerPath = headerPath,
                  .entryName = name,
                  .groupName = group,
                  .headerType = "f",
                  .tags = std::move(tags)};
}

std::string item(const std::string& name, const std::string& description) {
  return "<li><a href=\"" + name + ".html\">" + name + "</a>&nbsp;&nbsp;-&nbsp;&nbsp;<i>" +
         description + "</i></li>";
}

class MasterIndex : public testing::Test {
 protected:
  void SetUp() override {
    clearDocument();
    deriveSettings(settings);
    settings.templateList.insert(settings.templateList.begin(),
                                 {.name = "masterindex", .text = "@@INDEX@@"});
  }

  void writeIndex() const {
    masterIndexWriter(Configuration(settings), out.folder() + "masterindex.html");
  }

  Settings settings;
  TempDir out;
};

TEST_F(MasterIndex, ListsGroupsWithEntriesAndDescriptions) {
  entryList = {entry("Core", "Core", ""),
               entry("Core/Begin", "Begin", "Core", {{"NAME", "\nBegin - starts the engine"}}),
               entry("Core/Stop", "Stop", "Core")};
  groupList = {"Core"};
  writeIndex();
  EXPECT_EQ(
      "<ul><li><a href=\"Core.html\">Core</a></li><ul><li><a href=\"Begin.html\">Begin</a>&nbsp;"
      "&nbsp;-&nbsp;&nbsp;<i>starts the engine</i></li><li><a href=\"Stop.html\">Stop</a>&nbsp;"
      "&nbsp;-&nbsp;&nbsp;<i></i></li></ul></ul>",
      out.read("masterindex.html"));
}

TEST_F(MasterIndex, DescriptionIsSecondDashFieldOfLastNameTag) {
  entryList = {entry("G/A", "A", "G", {{"NAME", "\nA -- starts"}}),
               entry("G/B", "B", "G", {{"NAME", "\nB - first"}, {"NAME", "\nB - last - x"}}),
               entry("G/#C", "#C", "G", {{"NAME", "\nC -  spans\n  lines "}}),
               entry("", "", "G", {{"NAME", "\nnever - listed"}})};
  groupList = {"", "G", "Empty"};
  writeIndex();
  EXPECT_EQ("<ul><li><a href=\"G.html\">G</a></li><ul>" + item("A", "") + item("B", "last") +
                item("#C", "spans\n  lines") +
                "</ul><li><a href=\"Empty.html\">Empty</a></li><ul></ul></ul>",
            out.read("masterindex.html"));
}

TEST_F(MasterIndex, FallsBackToPageTemplateAndFillsTitle) {
  settings.templateList = {
      {.name = "masterindex", .text = ""},
      {.name = "page", .text = "@@NAME@@ @@PROJECTNAME@@ @@INDEX@@ @@TAGS@@ @@R@@"}};
  settings.configList = {{.key = "document title", .value = "My Lib"}};
  settings.replacerList = {{.name = "R", .text = "r"}};
  writeIndex();
  EXPECT_EQ("Index My Lib <ul></ul> @@TAGS@@ r", out.read("masterindex.html"));
}

TEST_F(MasterIndex, IndexPagesReportFilesTheyCannotWrite) {
  const Configuration config(settings);
  for (void (*const writer)(const Configuration&, const std::string&) :
       {masterIndexWriter, tocWriter}) {
    const std::string path = out.folder() + "missing/index.html";
    testing::internal::CaptureStderr();
    writer(config, path);
    EXPECT_EQ("oops: could not write " + path + "\n", testing::internal::GetCapturedStderr());
  }
}

}  // namespace
}  // namespace inkwright
