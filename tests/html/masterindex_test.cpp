#include "html/masterindex.h"

#include <gtest/gtest.h>

#include "config/settings.h"
#include "html/outputfolder.h"
#include "model/document.h"

namespace inkwright {
namespace {

DocEntry entry(const std::string& headerPath, const std::string& entryName,
               const std::string& groupName, std::vector<TagPair> tags = {}) {
  DocEntry result;
  result.headerPath = headerPath;
  result.entryName = entryName;
  result.groupName = groupName;
  result.tags = std::move(tags);
  return result;
}

class MasterIndex : public testing::Test {
 protected:
  void SetUp() override {
    clearDocument();
    deriveSettings();
  }

  void useIndexTemplate() {
    templateList.insert(templateList.begin(), {"masterindex", "@@INDEX@@"});
  }

  OutputFolder out;
};

TEST_F(MasterIndex, ListsGroupsWithEntriesAndDescriptions) {
  useIndexTemplate();
  entryList = {entry("Core", "Core", ""),
               entry("Core/Begin", "Begin", "Core", {{"NAME", "\nBegin - starts the engine"}}),
               entry("Core/Stop", "Stop", "Core")};
  groupList = {"Core"};
  masterIndexWriter(out.path() + "masterindex.html");
  EXPECT_EQ(
      "<ul><li><a href=\"Core.html\">Core</a></li><ul><li><a href=\"Begin.html\">Begin</a>&nbsp;"
      "&nbsp;-&nbsp;&nbsp;<i>starts the engine</i></li><li><a href=\"Stop.html\">Stop</a>&nbsp;"
      "&nbsp;-&nbsp;&nbsp;<i></i></li></ul></ul>",
      out.read("masterindex.html"));
}

TEST_F(MasterIndex, DescriptionIsSecondDashFieldOfLastNameTag) {
  useIndexTemplate();
  entryList = {entry("G/A", "A", "G", {{"NAME", "\nA -- starts"}}),
               entry("G/B", "B", "G", {{"NAME", "\nB - first"}, {"NAME", "\nB - last - x"}}),
               entry("G/#C", "#C", "G", {{"NAME", "\nC -  spans\n  lines "}}),
               entry("", "", "G", {{"NAME", "\nnever - listed"}})};
  groupList = {"", "G", "Empty"};
  masterIndexWriter(out.path() + "masterindex.html");
  EXPECT_EQ(
      "<ul><li><a href=\"G.html\">G</a></li><ul>"
      "<li><a href=\"A.html\">A</a>&nbsp;&nbsp;-&nbsp;&nbsp;<i></i></li>"
      "<li><a href=\"B.html\">B</a>&nbsp;&nbsp;-&nbsp;&nbsp;<i>last</i></li>"
      "<li><a href=\"#C.html\">#C</a>&nbsp;&nbsp;-&nbsp;&nbsp;<i>spans\n  lines</i></li></ul>"
      "<li><a href=\"Empty.html\">Empty</a></li><ul></ul></ul>",
      out.read("masterindex.html"));
}

TEST_F(MasterIndex, FallsBackToPageTemplateAndFillsTitle) {
  templateList = {{"masterindex", ""},
                  {"page",
                   "@@NAME@@ @@PROJECTNAME@@ @@INDEX@@ @@TAGS@@ "
                   "@@SECTION@@ @@TAG@@ @@R@@ Begin"}};
  configList = {{"document title", "My Lib"}};
  replacerList = {{"R", "r"}};
  entryList = {entry("Begin", "Begin", "")};
  masterIndexWriter(out.path() + "masterindex.html");
  EXPECT_EQ("Index My Lib <ul></ul> @@TAGS@@ @@SECTION@@ @@TAG@@ r Begin",
            out.read("masterindex.html"));
}

TEST_F(MasterIndex, ReportsFileItCannotWrite) {
  const std::string path = out.path() + "missing/masterindex.html";
  testing::internal::CaptureStderr();
  masterIndexWriter(path);
  EXPECT_EQ("oops: could not write " + path + "\n", testing::internal::GetCapturedStderr());
}

}  // namespace
}  // namespace inkwright
