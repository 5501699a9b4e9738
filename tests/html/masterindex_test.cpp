#include "html/masterindex.h"

#include <gtest/gtest.h>

#include "config/settings.h"
#include "model/document.h"
#include "tempdir.h"
#include "text/outputsink.h"

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
    deriveSettings(settings);
    settings.templateList.insert(settings.templateList.begin(),
                                 {.name = "masterindex", .text = "@@INDEX@@"});
  }

  void writeIndex() {
    masterIndexWriter(Configuration(settings), document, out.folder() + "masterindex.html", files);
  }

  Document document;
  Settings settings;
  TempDir out;
  FileSink files;
};

// An entry without a NAME tag has an empty description.
TEST_F(MasterIndex, DescriptionIsSecondDashFieldOfLastNameTag) {
  document.entries = {entry("G/A", "A", "G", {{"NAME", "\nA -- starts"}}),
                      entry("G/B", "B", "G", {{"NAME", "\nB - first"}, {"NAME", "\nB - last - x"}}),
                      entry("G/#C", "#C", "G", {{"NAME", "\nC -  spans\n  lines "}}),
                      entry("G/D", "D", "G"), entry("", "", "G", {{"NAME", "\nnever - listed"}})};
  document.groups = {"", "G", "Empty"};
  writeIndex();
  EXPECT_EQ("<ul><li><a href=\"G.html\">G</a></li><ul>" + item("A", "") + item("B", "last") +
                item("#C", "spans\n  lines") + item("D", "") +
                "</ul><li><a href=\"Empty.html\">Empty</a></li><ul></ul></ul>",
            out.read("masterindex.html"));
}

TEST_F(MasterIndex, FallsBackToPageTemplateAndFillsTitle) {
  settings.templateList = {
      {.name = "masterindex", .text = ""},
      {.name = "page", .text = "@@NAME@@ @@PROJECTNAME@@ @@INDEX@@ @@TAGS@@ @@R@@"}};
  settings.documentTitle = "My Lib";
  settings.replacerList = {{.name = "R", .text = "r"}};
  writeIndex();
  EXPECT_EQ("Index My Lib <ul></ul> @@TAGS@@ r", out.read("masterindex.html"));
}

}  // namespace
}  // namespace inkwright
