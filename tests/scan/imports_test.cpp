#include "scan/imports.h"

#include <gtest/gtest.h>

#include "model/document.h"

namespace inkwright {
namespace {

TEST(ImportDirective, RecordsTheTextAfterTheMarkerUpToTheNextColon) {
  clearDocument();
  for (const char* line : {"#PBIMPORT: Proc(a.l, b.s)", "#PBIMPORT:", "#PBIMPORT:A(x.l):B(y.l)",
                           " #PBIMPORT:Indented()", "#pbimport:Lower()", "#PBIMPORT Colonless()",
                           "#PBIMPORT:Same()", "#PBIMPORT:Same()"}) {
    readImportDirective(line, "src\\a.pb", 7, importList);
  }
  std::vector<std::string> declarations;
  for (const ImportDirective& directive : importList) {
    EXPECT_EQ("src\\a.pb", directive.sourceFile);
    EXPECT_EQ(7u, directive.sourceLine);
    declarations.push_back(directive.declaration);
  }
  EXPECT_EQ((std::vector<std::string>{" Proc(a.l, b.s)", "", "A(x.l)", "Same()", "Same()"}),
            declarations);
}

}  // namespace
}  // namespace inkwright
