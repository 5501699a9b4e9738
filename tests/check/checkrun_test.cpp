#include "check/checkrun.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "check/report.h"
#include "tempdir.h"

namespace inkwright {
namespace {

// Runs the check in a fresh folder holding the configuration, one source file and a text file
// beside it, and the given files in its output folder, and gives its report in compiler form.
std::string reportFor(const std::string& configuration, const std::string& source,
                      const std::vector<std::string>& outputs = {}) {
  const TempDir dir;
  dir.write("inkwright.cfg", configuration);
  dir.write("src/a.pb", source);
  dir.write("src/readme.txt", "");
  std::filesystem::create_directories(dir.path() / "out");
  for (const std::string& output : outputs) {
    dir.write("out/" + output, "");
  }
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
      "of that name; switch on \"safe page names\" [name.same-page]\n"
      "src/a.pb:3: warning: the page Masterindex.html differs from the index page "
      "masterindex.html only in case; on Windows both are one file; switch on \"safe page names\" "
      "[name.case-collision]\n",
      reportFor(kPages, "/****f* toc\n****\n/****f* Masterindex\n****\n"));
}

TEST(CheckRun, NamesThatBrowsersOrWindowsTreatSpeciallyAndLinksWithoutPages) {
  EXPECT_EQ(
      "src/a.pb:1: warning: the name \"a%20b\" holds \"%\", which a browser or Windows treats "
      "specially; switch on \"safe page names\" [name.special-character]\n"
      "src/a.pb:3: warning: the page con.html is a device on Windows, not a file; rename the "
      "entry or switch on \"safe page names\" [name.special-character]\n"
      "src/a.pb:5: warning: the page nul.txt.html is a device on Windows, not a file; rename the "
      "entry or switch on \"safe page names\" [name.special-character]\n"
      "src/a.pb:7: warning: links to \"#Flags\" from automatic links point to #Flags.html, which "
      "the run does not write [link.missing-page]\n"
      "src/a.pb:9: warning: the heading of the group \"Gui\" links to Gui.html, which no entry "
      "writes [link.missing-page]\n",
      reportFor(std::string(kPages) + "[template:masterindex]\n<ul>@@INDEX@@</ul>\n",
                "/****f* a%20b\n****\n/****f* con\n****\n/****f* nul.txt\n****\n"
                "/****f* #Flags\n****\n/****f* Gui/Open\n****\n"));
  // The built-in templates give a master index without groups, and so without their headings.
  EXPECT_EQ("", reportFor(kPages, "/****f* Gui/Open\n****\n"));
}

// Under "existing links only" the same links stay plain text; where pages are named otherwise, a
// name without a page is never linked. So nothing is reported of them.
TEST(CheckRun, NoLinkLeadsToAMissingPageUnderTheSwitchesThatLinkOnlyPages) {
  for (const char* option : {"existing links only", "safe page names", "one page per entry"}) {
    EXPECT_EQ("", reportFor(std::string(kPages) + "[template:masterindex]\n<ul>@@INDEX@@</ul>\n" +
                                "[options]\n" + option + "\n",
                            "/****f* #Flags\n****\n/****f* Gui/Open\n****\n"))
        << option;
  }
}

// A header's contents list links the entries of its section; under "no self links" it leaves as
// text the entry whose name leads to the header's own page, so only automatic links remain.
TEST(CheckRun, AContentsListLinksNoEntryToItsOwnPageUnderNoSelfLinks) {
  const std::string source = "/****h* Core\n****\n/****f* Core/#Core\n****\n";
  const std::string samePage =
      "src/a.pb:3: warning: the entry \"#Core\" writes the page Core.html, which the entry "
      "\"Core\" at src/a.pb:1 writes later; only that one is kept; switch on \"one page per "
      "entry\" [name.same-page]\n";
  EXPECT_EQ(samePage +
                "src/a.pb:3: warning: links to \"#Core\" from automatic links and contents lists "
                "point to #Core.html, which the run does not write [link.missing-page]\n",
            reportFor(kPages, source));
  EXPECT_EQ(samePage +
                "src/a.pb:3: warning: links to \"#Core\" from automatic links point to "
                "#Core.html, which the run does not write [link.missing-page]\n",
            reportFor(std::string(kPages) + "[options]\nno self links\n", source));
}

// Each name warning that a switch would have spared says so, and under that switch it is gone:
// "safe page names" makes every page name portable and keeps it off the index pages' names in
// any case, and "one page per entry" gives entries of one name a page each.
TEST(CheckRun, NameWarningsNameTheSwitchThatSparesThemAndGoUnderIt) {
  const std::string source =
      "/****f* What?\n****\n/****f* Core/Init\n****\n/****f* Gui/Init\n****\n"
      "/****f* Net/init\n****\n/****f* toc\n****\n/****f* com1\n****\n";
  const std::string what =
      "src/a.pb:1: warning: the name \"What?\" holds \"?\", which a browser or Windows treats "
      "specially; switch on \"safe page names\" [name.special-character]\n";
  const std::string samePage =
      "src/a.pb:5: warning: the entry \"Init\" writes the page Init.html, which the entry \"Init\" "
      "at src/a.pb:3 writes later; only that one is kept; switch on \"one page per entry\" "
      "[name.same-page]\n";
  const std::string caseOf =
      " warning: the page Init.html differs from the page init.html of the entry at src/a.pb:7 "
      "only in case; on Windows both are one file; switch on \"safe page names\" "
      "[name.case-collision]\n";
  const std::string tocAndCom1 =
      "src/a.pb:9: warning: the page toc.html of the entry \"toc\" is replaced by the index page "
      "of that name; switch on \"safe page names\" [name.same-page]\n"
      "src/a.pb:11: warning: the page com1.html is a device on Windows, not a file; rename the "
      "entry or switch on \"safe page names\" [name.special-character]\n";
  const struct {
    const char* options;
    std::string expected;
  } cases[] = {
      {"", what + samePage + "src/a.pb:5:" + caseOf + tocAndCom1},
      {"safe page names\n", samePage},
      {"one page per entry\n", what + "src/a.pb:3:" + caseOf + tocAndCom1},
      {"safe page names\none page per entry\n", ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.expected, reportFor(std::string(kPages) + "[options]\n" + c.options, source))
        << c.options;
  }
}

// "safe page names" keeps pages off the index pages' names, but not off the binding files' names,
// which the configuration gives; the warnings say so without naming a switch.
TEST(CheckRun, BindingFilesStillMeetSafePageNames) {
  const std::string keys =
      "[source path]\nsrc\n[accept files]\n*.pb\n[output path]\nout\\\n[output format]\n"
      "HTML JAPBE\n[items]\nNAME\n[options]\nsafe page names\n[japbefile]\n";
  EXPECT_EQ(
      "src/a.pb:1: warning: the page Init.html of the entry \"Init\" is replaced by the editor "
      "reference file of that name [name.same-page]\n",
      reportFor(keys + "Init.html\n", "/****f* Init\n****\n"));
  EXPECT_EQ(
      "src/a.pb:1: warning: the page Init.html differs from the editor reference file INIT.html "
      "only in case; on Windows both are one file [name.case-collision]\n",
      reportFor(keys + "INIT.html\n", "/****f* Init\n****\n"));
}

// No file system takes a file name of more than 255 bytes, ".html" included, or one holding a
// separator. The warning gives the true reason, from the name of the entry's own page: under "one
// page per entry" that can be made of its section.
TEST(CheckRun, NamesThatCannotBecomeFilesAreToldWhy) {
  const std::string longest(250, 'L');
  const std::string hashed = "#" + std::string(250, 'H');
  const std::string tooLong(251, 'T');
  const std::string shared(247, 'S');
  EXPECT_EQ(
      "src/a.pb:1: warning: the name \"A\\B\" holds \"\\\", so it cannot become a file; no page "
      "is written; switch on \"safe page names\" [name.unwritable]\n"
      "src/a.pb:5: warning: the page " +
          tooLong +
          ".html is longer than 255 bytes, so no file system takes it; no page is written; switch "
          "on \"safe page names\" [name.unwritable]\n",
      reportFor(std::string(kPages) + "[options]\nexisting links only\n",
                "/****f* A\\B\n****\n/****f* " + longest + "\n****\n/****f* " + tooLong +
                    "\n****\n/****f* " + hashed + "\n****\n"));
  // The entries of the section Core keep the plain names; the others' pages are named after
  // their sections.
  const std::string sharedNames =
      "/****f* Core/Open\n****\n/****f* Z\\B/Open\n****\n/****f* Core/" + shared +
      "\n****\n/****f* Gui/" + shared +
      "\n****\n/****f* Core/#Flags\n****\n/****f* Gui/#Flags\n****\n";
  EXPECT_EQ(
      "src/a.pb:3: warning: the page Z\\B-Open.html of the entry \"Open\" holds \"\\\", so it "
      "cannot become a file; no page is written; switch on \"safe page names\" "
      "[name.unwritable]\n"
      "src/a.pb:7: warning: the page Gui-" +
          shared + ".html of the entry \"" + shared +
          "\" is longer than 255 bytes, so no file system takes it; no page is written; switch "
          "on \"safe page names\" [name.unwritable]\n"
          "src/a.pb:11: warning: the page Gui-#Flags.html of the entry \"#Flags\" holds \"#\", "
          "which a browser or Windows treats specially; switch on \"safe page names\" "
          "[name.special-character]\n",
      reportFor(std::string(kPages) + "[options]\none page per entry\n", sharedNames));
  EXPECT_EQ("", reportFor(std::string(kPages) + "[options]\nsafe page names\none page per entry\n",
                          sharedNames + "/****f* A\\B\n****\n/****f* " + tooLong + "\n****\n"));
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

// Under "styled pages" the run writes its own files beside the pages, which are no stale files;
// an entry whose page the search page would replace is written and linked under a stand-in, and
// said so; the styled lists link only written pages, so a group without a page is no warning.
TEST(CheckRun, StyledPagesKnowTheirFilesAndTheSearchPagesStandIns) {
  const std::vector<std::string> written = {"inkwright.css", "search.html", "inkwright-search.js",
                                            "inkwright-index.js", "search-2.html"};
  const std::string styled = std::string(kPages) + "[options]\nstyled pages\n";
  EXPECT_EQ(
      "src/a.pb:1: warning: the page search.html of the entry \"search\" would be replaced by "
      "the search page; it is written as search-2.html instead [name.same-page]\n",
      reportFor(styled,
                "/****f* search\n****\n/****f* Gui/Open\n* NAME\n* Open - see search\n"
                "****\n",
                written));
  // Without the switch the same files are stale.
  const std::string plain = reportFor(kPages, "/****f* Open\n****\n", written);
  std::size_t stale = 0;
  for (std::size_t at = plain.find("[output.stale-file]"); at != std::string::npos;
       at = plain.find("[output.stale-file]", at + 1)) {
    ++stale;
  }
  EXPECT_EQ(written.size(), stale) << plain;
}

}  // namespace
}  // namespace inkwright
