#include "html/toc.h"

#include <gtest/gtest.h>

#include "config/settings.h"
#include "html/outputfolder.h"
#include "model/document.h"

namespace inkwright {
namespace {

DocEntry named(const std::string& entryName) {
  DocEntry result;
  result.headerPath = "G/" + entryName;
  result.entryName = entryName;
  return result;
}

// The headings of the letters from first to last, each with an empty list.
std::string emptyLetters(char first, char last) {
  std::string html;
  for (char letter = first; letter <= last; ++letter) {
    html += std::string("<li><a name=\"") + letter + "\"><b>" + letter + "</b></a></li><ul></ul>";
  }
  return html;
}

class Toc : public testing::Test {
 protected:
  void SetUp() override {
    clearDocument();
    deriveSettings();
    templateList.insert(templateList.begin(), {"page", "@@TAGS@@"});
  }

  OutputFolder out;
};

TEST_F(Toc, ListsEntriesUnderTheirInitial) {
  entryList = {named("begin"), named("Core"), named("Stop")};
  tocWriter(out.path() + "toc.html");
  EXPECT_EQ(
      "<ul><li><a name=\"A\"><b>A</b></a></li><ul></ul><li><a name=\"B\"><b>B</b></a></li><ul><li>"
      "<a href=\"begin.html\">begin</a></li></ul><li><a name=\"C\"><b>C</b></a></li><ul><li><a "
      "href=\"Core.html\">Core</a></li></ul>" +
          emptyLetters('D', 'R') +
          "<li><a name=\"S\"><b>S</b></a></li><ul><li><a href=\"Stop.html\">Stop</a></li></ul>" +
          emptyLetters('T', 'Z') + "</ul>",
      out.read("toc.html"));
}

TEST_F(Toc, ListsLettersOnlyInListOrder) {
  entryList = {named("1st"),       named("#Flags"), named("_x"),  named(""),
               named("\xE9t\xE9"), named("zoo"),    named("Zed"), named("zoo")};
  tocWriter(out.path() + "toc.html");
  EXPECT_EQ("<ul>" + emptyLetters('A', 'Y') +
                "<li><a name=\"Z\"><b>Z</b></a></li><ul><li><a href=\"zoo.html\">zoo</a></li><li>"
                "<a href=\"Zed.html\">Zed</a></li><li><a href=\"zoo.html\">zoo</a></li></ul></ul>",
            out.read("toc.html"));
}

TEST_F(Toc, FillsNameAndReplacersOnly) {
  templateList.front().text = "@@NAME@@ @@SECTION@@ @@R@@ Begin";
  replacerList = {{"R", "r"}};
  entryList = {named("Begin")};
  tocWriter(out.path() + "toc.html");
  EXPECT_EQ("TOC @@SECTION@@ r Begin", out.read("toc.html"));
}

TEST_F(Toc, ReportsFileItCannotWrite) {
  const std::string path = out.path() + "missing/toc.html";
  testing::internal::CaptureStderr();
  tocWriter(path);
  EXPECT_EQ("oops: could not write " + path + "\n", testing::internal::GetCapturedStderr());
}

}  // namespace
}  // namespace inkwright
