#include "html/toc.h"

#include <gtest/gtest.h>

#include "config/settings.h"
#include "model/document.h"
#include "tempdir.h"

namespace inkwright {
namespace {

// The headings of the letters from first to last, each with the given list.
std::string letters(char first, char last, const std::string& list = "") {
  std::string html;
  for (char letter = first; letter <= last; ++letter) {
    html += std::string("<li><a name=\"") + letter + "\"><b>" + letter + "</b></a></li><ul>" +
            list + "</ul>";
  }
  return html;
}

std::string item(const std::string& name) {
  return "<li><a href=\"" + name + ".html\">" + name + "</a></li>";
}

class Toc : public testing::Test {
 protected:
  void SetUp() override {
    clearDocument();
    deriveSettings(settings);
    settings.templateList.insert(settings.templateList.begin(),
                                 {.name = "page", .text = "@@NAME@@ @@SECTION@@ @@TAGS@@"});
  }

  void useNames(const std::vector<std::string>& names) {
    for (const std::string& name : names) {
      entryList.push_back(DocEntry{
          .headerPath = "G/" + name, .entryName = name, .groupName = "G", .headerType = "f"});
    }
  }

  Settings settings;
  TempDir out;
};

TEST_F(Toc, ListsEntriesUnderTheirInitial) {
  useNames({"begin", "Core", "Stop"});
  tocWriter(Configuration(settings), out.folder() + "toc.html");
  EXPECT_EQ(
      "TOC @@SECTION@@ <ul><li><a name=\"A\"><b>A</b></a></li><ul></ul><li><a name=\"B\"><b>B</b>"
      "</a></li><ul><li><a href=\"begin.html\">begin</a></li></ul><li><a name=\"C\"><b>C</b></a>"
      "</li><ul><li><a href=\"Core.html\">Core</a></li></ul>" +
          letters('D', 'R') + letters('S', 'S', item("Stop")) + letters('T', 'Z') + "</ul>",
      out.read("toc.html"));
}

TEST_F(Toc, ListsLettersOnlyInListOrder) {
  useNames({"1st", "#Flags", "_x", "", "\xE9t\xE9", "zoo", "Zed", "zoo"});
  tocWriter(Configuration(settings), out.folder() + "toc.html");
  EXPECT_EQ("TOC @@SECTION@@ <ul>" + letters('A', 'Y') +
                letters('Z', 'Z', item("zoo") + item("Zed") + item("zoo")) + "</ul>",
            out.read("toc.html"));
}

}  // namespace
}  // namespace inkwright
