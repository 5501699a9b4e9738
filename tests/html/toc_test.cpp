#include "html/toc.h"

#include <gtest/gtest.h>

#include "config/settings.h"
#include "model/document.h"
#include "tempdir.h"
#include "text/outputsink.h"

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
    deriveSettings(settings);
    settings.templateList.insert(settings.templateList.begin(),
                                 {.name = "page", .text = "@@NAME@@ @@SECTION@@ @@TAGS@@"});
  }

  void useNames(const std::vector<std::string>& names) {
    for (const std::string& name : names) {
      document.entries.push_back(DocEntry{
          .headerPath = "G/" + name, .entryName = name, .groupName = "G", .headerType = "f"});
    }
  }

  Document document;
  Settings settings;
  TempDir out;
  FileSink files;
};

// A name is listed under the capital of its initial when that is a letter from A to Z.
TEST_F(Toc, ListsLettersOnlyInListOrder) {
  useNames({"1st", "#Flags", "begin", "_x", "", "\xE9t\xE9", "zoo", "Zed", "zoo"});
  tocWriter(Configuration(settings), document, out.folder() + "toc.html", files);
  EXPECT_EQ("TOC @@SECTION@@ <ul>" + letters('A', 'A') + letters('B', 'B', item("begin")) +
                letters('C', 'Y') + letters('Z', 'Z', item("zoo") + item("Zed") + item("zoo")) +
                "</ul>",
            out.read("toc.html"));
}

}  // namespace
}  // namespace inkwright
