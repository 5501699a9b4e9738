#include "scan/imports.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/document.h"

namespace inkwright {
namespace {

TEST(ImportDirective, RecordsTheTextAfterTheMarkerUpToTheNextColon) {
  std::vector<ImportDirective> directives;
  for (const char* line : {"#PBIMPORT: Proc(a.l, b.s)", "#PBIMPORT:", "#PBIMPORT:A(x.l):B(y.l)",
                           " #PBIMPORT:Indented()", "#pbimport:Lower()", "#PBIMPORT Colonless()",
                           "#PBIMPORT:Same()", "#PBIMPORT:Same()"}) {
    readImportDirective(line, "src\\a.pb", 7, directives);
  }
  std::vector<std::string> declarations;
  for (const ImportDirective& directive : directives) {
    EXPECT_EQ("src\\a.pb", directive.sourceFile);
    EXPECT_EQ(7u, directive.sourceLine);
    declarations.push_back(directive.declaration);
  }
  EXPECT_EQ((std::vector<std::string>{" Proc(a.l, b.s)", "", "A(x.l)", "Same()", "Same()"}),
            declarations);
}

TEST(MarkDocumentedImports, MatchesTheUpperCasedNameBeforeTheParenthesis) {
  const struct {
    const char* declaration;
    bool documented;
  } cases[] = {{"Begin(x.l)", true}, {"BEGIN()", true},      {"begin", true},
               {"Start(a.s)", true}, {"Start (x.l)", false}, {" Begin()", false},
               {"Missing()", false}, {"Begin.l(x.l)", false}};
  Document document;
  for (const auto& c : cases) {
    document.imports.push_back(
        ImportDirective{.sourceFile = "a.pb", .declaration = c.declaration, .documented = true});
  }
  markDocumentedImports(document);
  EXPECT_FALSE(document.imports[0].documented);
  for (const char* name : {"Begin", "Start", "Start"}) {
    document.entries.push_back(DocEntry{.headerPath = name, .entryName = name});
  }
  markDocumentedImports(document);
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    EXPECT_EQ(cases[i].documented, document.imports[i].documented) << cases[i].declaration;
  }
}

}  // namespace
}  // namespace inkwright
