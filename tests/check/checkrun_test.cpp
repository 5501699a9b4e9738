#include "check/checkrun.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>

#include "check/report.h"
#include "tempdir.h"

namespace inkwright {
namespace {

// Runs the check in a fresh folder holding the configuration, one source file and a text file
// beside it, and gives its report in compiler form.
std::string reportFor(const std::string& configuration, const std::string& source) {
  const TempDir dir;
  dir.write("inkwright.cfg", configuration);
  dir.write("src/a.pb", source);
  dir.write("src/readme.txt", "");
  std::filesystem::create_directories(dir.path() / "out");
  const std::filesystem::path before = std::filesystem::current_path();
  std::filesystem::current_path(dir.path());
  const std::optional<CheckResult> result = checkRun("inkwright.cfg");
  std::filesystem::current_path(before);
  return result ? gnuReport(result->warnings) : "(unreadable)";
}

constexpr const char* kPages =
    "[source path]\nsrc\n[accept files]\n*.pb\n[output path]\nout\\\n[output format]\nHTML\n"
    "[items]\nNAME\n";

TEST(CheckRun, PatternsThatMatchNoFileAreNamedByTheirLines) {
  EXPECT_EQ(
      "inkwright.cfg:13: warning: the ignore pattern \"CVS\" matches no file or folder "
      "[config.unmatched-pattern]\n"
      "inkwright.cfg:14: warning: the marker pattern \"*.inc\" matches no file that is read "
      "[config.unmatched-pattern]\n",
      reportFor(std::string(kPages) + "[ignore files]\n*.txt\nCVS\n[block start:*.inc]\n;;\n"
                                      "[block start:*\\a.pb]\n/****\n[block end:*\\a.pb]\n****\n"
                                      "[line start:*\\a.pb]\n*\n[line start:*.inc]\n;\n",
                "/****f* G\n* NAME\n* G - a group\n****\n"));
}

TEST(CheckRun, IndexPagesReplaceEntriesOfTheirNames) {
  EXPECT_EQ(
      "src/a.pb:1: warning: the page toc.html of the entry \"toc\" is replaced by the index page "
      "of that name [name.same-page]\n"
      "src/a.pb:3: warning: the page Masterindex.html differs from the index page "
      "masterindex.html only in case; on Windows both are one file [name.case-collision]\n",
      reportFor(kPages, "/****f* toc\n****\n/****f* Masterindex\n****\n"));
}

TEST(CheckRun, NamesThatBrowsersOrWindowsTreatSpeciallyAndLinksWithoutPages) {
  EXPECT_EQ(
      "src/a.pb:1: warning: the name \"a%20b\" holds \"%\", which a browser or Windows treats "
      "specially [name.special-character]\n"
      "src/a.pb:3: warning: the page con.html is a device on Windows, not a file; rename the "
      "entry [name.special-character]\n"
      "src/a.pb:5: warning: links to \"#Flags\" from automatic links point to #Flags.html, which "
      "the run does not write [link.missing-page]\n"
      "src/a.pb:7: warning: the heading of the group \"Gui\" links to Gui.html, which no entry "
      "writes [link.missing-page]\n",
      reportFor(std::string(kPages) + "[template:masterindex]\n<ul>@@INDEX@@</ul>\n",
                "/****f* a%20b\n****\n/****f* con\n****\n/****f* #Flags\n****\n"
                "/****f* Gui/Open\n****\n"));
  // The built-in templates give a master index without groups, and so without their headings.
  EXPECT_EQ("", reportFor(kPages, "/****f* Gui/Open\n****\n"));
}

// Under "existing links only" the same links stay plain text, so nothing is reported of them.
TEST(CheckRun, ExistingLinksOnlyLeavesNoLinkWithoutAPage) {
  EXPECT_EQ("", reportFor(std::string(kPages) + "[options]\nexisting links only\n",
                          "/****f* #Flags\n****\n/****f* Gui/Open\n****\n"));
}

TEST(CheckRun, ImportsAreDocumentedByTheirWholeProcedureName) {
  EXPECT_EQ(
      "src/a.pb:1: warning: no entry documents the import \"Run.l()\": no entry is named "
      "\"Run.l\" (the type after the \".\" is part of the name) [binding.undocumented-import]\n",
      reportFor("[source path]\nsrc\n[accept files]\n*.pb\n[output path]\nout\\\n"
                "[output format]\nIMPORTFILE\n[items]\nNAME\n",
                "#PBIMPORT:Run.l()\n#PBIMPORT:Stop(x.l)\n/****f* Run\n* NAME\n* Run - runs\n****\n"
                "/****f* Stop\n* NAME\n* Stop - stops\n****\n"));
}

// Code often holds lines of capitals ("EOF", "END IF"); only text outside a source item can be a
// tag line that the configuration forgot.
TEST(CheckRun, LinesOfCapitalsInCodeAreNoForgottenTags) {
  EXPECT_EQ(
      "src/a.pb:7: warning: the line \"SEE ALSO\" looks like a tag line, but no key of tag "
      "names lists it; it is read as text [block.unlisted-tag]\n",
      reportFor(
          std::string(kPages) + "[source items]\nSOURCE\n",
          "/****f* G\n* NAME\n* G - a group\n* SOURCE\n* END IF\n* NAME\n* SEE ALSO\n****\n"));
}

// The reader of the comment-style keys tells the check its lines as the plain reader does.
TEST(CheckRun, TheCommentStyleReaderReportsLostBlocksAndTags) {
  EXPECT_EQ(
      "src/a.pb:3: warning: the line \"RETURN VALUE\" looks like a tag line, but no key of tag "
      "names lists it; it is read as text [block.unlisted-tag]\n"
      "src/a.pb:5: warning: the block opened here is still open at the end of the file; it has no "
      "block-end line [block.open-at-end]\n",
      reportFor(std::string(kPages) + "[options]\nwhole tag names\n",
                "/****f* G\n* NAME\n* RETURN VALUE\n****\n/****f* H\n* NAME\n"));
}

}  // namespace
}  // namespace inkwright
