#include "run/outputs.h"

#include <gtest/gtest.h>

#include <string>
#include <unordered_set>
#include <vector>

namespace inkwright {
namespace {

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
  const WrittenFiles written = selection.writtenFiles();
  EXPECT_EQ((std::unordered_set<std::string>{"A.html", "B.html", "masterindex.html", "toc.html",
                                             "LB.hhc", "LB.hhp", "Ref.html"}),
            written.all);
  EXPECT_EQ(4u, written.pageCount);
  ASSERT_EQ(5u, written.afterThePages.size());
  EXPECT_EQ("Ref.html", written.afterThePages[4].name);
  EXPECT_EQ("the editor reference file", written.afterThePages[4].what);
  EXPECT_TRUE(selection.helpProjectListedFiles().empty());
}

}  // namespace
}  // namespace inkwright
