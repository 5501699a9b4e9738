#include "run/outputs.h"

#include <gtest/gtest.h>

#include <string>
#include <unordered_set>
#include <vector>

namespace inkwright {
namespace {

// What each selected row is, in the order the run writes them.
std::vector<std::string> selected(const std::string& outputFormat) {
  std::vector<std::string> rows;
  for (const OutputRow* const row :
       selectedOutputs(Configuration(Settings{.outputFormat = outputFormat}))) {
    rows.push_back(std::string(row->formatWord) + " " + std::string(row->what));
  }
  return rows;
}

// Each word is a substring test of its own, in upper case, so "HTMLHELP" brings the pages and the
// order of the words changes nothing.
TEST(OutputSelection, SelectsRowsByTheirWordsInTableOrder) {
  const std::vector<std::string> pages = {"HTML the entry pages", "HTML the index page",
                                          "HTML the index page"};
  EXPECT_EQ(pages, selected("HTML"));
  std::vector<std::string> all = pages;
  all.insert(all.end(), {"HTMLHELP the help project", "IMPORTFILE the import file",
                         "JAPBE the editor reference file", "USERLIB the user-library descriptor"});
  EXPECT_EQ(all, selected("USERLIBJAPBE,IMPORTFILE HTMLHELP"));
  EXPECT_EQ(std::vector<std::string>{"USERLIB the user-library descriptor"}, selected("USERLIB"));
  EXPECT_TRUE(selected("html htmlhelp").empty());
  EXPECT_TRUE(selected("").empty());
}

// A page is replaced by any file written after the pages, binding files included; the files of
// outputs that are not selected replace nothing.
TEST(OutputSelection, NamesTheFilesWrittenAfterARowAndEveryFileWritten) {
  Document document;
  document.entries = {DocEntry{.headerPath = "A", .entryName = "A"},
                      DocEntry{.headerPath = "G/#B", .entryName = "#B"},
                      DocEntry{.headerPath = "G/x\\y", .entryName = "x\\y"}};
  const Configuration config(Settings{.outputFormat = "HTMLHELP JAPBE",
                                      .importFileName = "imports.pbi",
                                      .editorReferenceName = "Ref.html"});
  const OutputSelection selection(config, document);
  ASSERT_EQ(5u, selection.rows().size());
  EXPECT_EQ((std::unordered_set<std::string>{"masterindex.html", "toc.html", "LB.hhc", "LB.hhp",
                                             "Ref.html"}),
            selection.filesAfter(*selection.rows()[0]));
  EXPECT_EQ(std::unordered_set<std::string>{"Ref.html"},
            selection.filesAfter(*selection.rows()[3]));
  EXPECT_EQ((std::unordered_set<std::string>{"A.html", "B.html", "masterindex.html", "toc.html",
                                             "LB.hhc", "LB.hhp", "Ref.html"}),
            selection.writtenFiles());
  EXPECT_TRUE(selection.helpProjectListedFiles().empty());
}

}  // namespace
}  // namespace inkwright
