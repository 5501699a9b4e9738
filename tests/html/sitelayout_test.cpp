#include "html/sitelayout.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "config/settings.h"
#include "html/pagenames.h"
#include "html/toc.h"
#include "model/document.h"
#include "tempdir.h"
#include "text/outputsink.h"

namespace inkwright {
namespace {

DocEntry entry(const std::string& group, const std::string& name, const std::string& type = "f") {
  return DocEntry{.headerPath = group.empty() ? name : group + "/" + name,
                  .entryName = name,
                  .groupName = group,
                  .sectionName = group.empty() ? name : group,
                  .headerType = type};
}

Settings styledSettings() {
  Settings settings;
  settings.configList.push_back(ConfigPair{.key = "options", .value = "styled pages"});
  deriveSettings(settings);
  return settings;
}

std::string nav(const std::string& items) {
  return "<nav class=\"pages\"><a class=\"index\" href=\"masterindex.html\">Index</a> <a "
         "class=\"contents\" href=\"toc.html\">Contents</a>" +
         items + "</nav>";
}

// The group links its section header entry's page, the neighbours are the entries before and
// after in the group's sorted list, and no item links the page it stands on: the header's own
// page shows its group as text, and of two entries of one name the second's neighbour is its own
// page. An entry of no group, and a group without a header entry, link no group page.
TEST(SiteLayout, NavigatesTheGroupAndItsNeighboursAndNeverToItsOwnPage) {
  Document document;
  document.entries = {entry("", "3d"),         entry("Core", "Begin"), entry("", "Core", "h"),
                      entry("Core", "Core"),   entry("Core", "Stop"),  entry("Core", "Stop"),
                      entry("Util", "content")};
  document.groups = {"Core", "Util"};
  const Configuration config(styledSettings());
  const PageLinks links(config.settings().options, document);
  const SiteLayout site(config, document, links);
  EXPECT_EQ(nav(""), site.entryNavigation(0));
  EXPECT_EQ(nav(" <a class=\"group\" href=\"Core.html\">Core</a> <a class=\"next\" rel=\"next\" "
                "href=\"Core.html\">Core &rarr;</a>"),
            site.entryNavigation(1));
  EXPECT_EQ(nav(""), site.entryNavigation(2));
  EXPECT_EQ(nav(" <span class=\"group\">Core</span> <a class=\"prev\" rel=\"prev\" "
                "href=\"Begin.html\">&larr; Begin</a> <a class=\"next\" rel=\"next\" "
                "href=\"Stop.html\">Stop &rarr;</a>"),
            site.entryNavigation(3));
  EXPECT_EQ(nav(" <a class=\"group\" href=\"Core.html\">Core</a> <a class=\"prev\" rel=\"prev\" "
                "href=\"Core.html\">&larr; Core</a> <span class=\"next\">Stop &rarr;</span>"),
            site.entryNavigation(4));
  EXPECT_EQ(nav(" <a class=\"group\" href=\"Core.html\">Core</a> <span class=\"prev\">&larr; "
                "Stop</span>"),
            site.entryNavigation(5));
  EXPECT_EQ(nav(" <span class=\"group\">Util</span>"), site.entryNavigation(6));
}

// The header shows the title, linked to the master index from every page but that one, and every
// page declares the charset: windows-1252 as soon as one text of the run is not UTF-8.
TEST(SiteLayout, FramesEveryPageAndDeclaresOneCharsetForTheRun) {
  Settings settings = styledSettings();
  settings.documentTitle = "A & B";
  Document document;
  document.entries = {entry("G", "x")};
  document.entries[0].tags = {TagPair{"NAME", "\ncaf\xc3\xa9"}};
  {
    const Configuration config(settings);
    const PageLinks links(config.settings().options, document);
    const SiteLayout site(config, document, links);
    EXPECT_EQ("UTF-8|<a class=\"home\" href=\"masterindex.html\">A &amp; B</a>|" + nav(""),
              site.framed("@@CHARSET@@|@@HOMELINK@@|@@NAVIGATION@@", FramedPage::search));
    EXPECT_EQ("<span class=\"home\">A &amp; B</span>",
              site.framed("@@HOMELINK@@", FramedPage::masterIndex));
  }
  document.entries[0].tags[0].tagValue = "\ncaf\xe9";
  const Configuration config(settings);
  const PageLinks links(config.settings().options, document);
  EXPECT_EQ(Charset::windows1252, SiteLayout(config, document, links).charset());
  EXPECT_EQ("windows-1252",
            SiteLayout(config, document, links).framed("@@CHARSET@@", FramedPage::entry));
}

// Only letters that hold entries, then "Other" for every other first byte; no empty name.
TEST(SiteLayout, ContentsListOnlyTheLettersThatHoldEntriesThenOther) {
  Document document;
  for (const char* name : {"1st", "#Flags", "begin", "_x", "", "\xE9t\xE9", "Zed"}) {
    document.entries.push_back(entry("G", name));
  }
  const Configuration config(styledSettings());
  const PageLinks links(config.settings().options, document);
  const TempDir out;
  FileSink files;
  tocWriter(config, document, SiteLayout(config, document, links), out.folder() + "toc.html",
            files);
  const std::string page = out.read("toc.html");
  const std::string list = page.substr(page.find("<h1>Contents</h1>\n") + 18);
  EXPECT_EQ(
      "<p class=\"letters\"><a href=\"#B\">B</a> <a href=\"#Z\">Z</a> <a "
      "href=\"#other\">Other</a></p>\n"
      "<section class=\"letter\">\n<h2 id=\"B\">B</h2>\n<ul>\n<li><a "
      "href=\"begin.html\">begin</a></li>\n</ul>\n</section>\n"
      "<section class=\"letter\">\n<h2 id=\"Z\">Z</h2>\n<ul>\n<li><a "
      "href=\"Zed.html\">Zed</a></li>\n</ul>\n</section>\n"
      "<section class=\"letter\">\n<h2 id=\"other\">Other</h2>\n<ul>\n<li><a "
      "href=\"1st.html\">1st</a></li>\n<li><a href=\"Flags.html\">#Flags</a></li>\n<li><a "
      "href=\"_x.html\">_x</a></li>\n<li><a href=\"\xE9t\xE9.html\">\xE9t\xE9</a></li>\n</ul>\n"
      "</section>\n</main>\n</body>\n</html>\n",
      list);
}

// Under "styled pages" a page that would be search.html, in any case, is written under the first
// "-2", "-3", ... that no page has, ignoring case; links lead there, "#" or not.
TEST(PageNames, StyledPagesKeepEveryPageOffTheSearchPage) {
  Document document;
  for (const char* name : {"search", "#Search", "SEARCH-2", "searches"}) {
    document.entries.push_back(entry("G", name));
  }
  Options options;
  options.styledPages = true;
  const PageNames names(options, document);
  EXPECT_EQ("search-3.html", names.fileOf(0));
  EXPECT_EQ("Search-3.html", names.fileOf(1));
  EXPECT_EQ("SEARCH-2.html", names.fileOf(2));
  EXPECT_EQ("searches.html", names.fileOf(3));
  const PageLinks links(options, document);
  EXPECT_EQ("Search-3.html", links.href("#Search"));
  options.onePagePerEntry = true;
  EXPECT_EQ("search-2.html", PageNames(options, document).fileOf(0));
  EXPECT_EQ("Search-2.html", PageNames(options, document).fileOf(1));
  options.styledPages = false;
  EXPECT_EQ("search.html", PageNames(options, document).fileOf(0));
}

// A name that reads as a scheme is linked as a file of the output folder, so that no click runs
// it; the original format's links stay as they were.
TEST(PageLinks, StyledPagesNeverLinkANameAsAScheme) {
  Document document;
  document.entries.push_back(entry("G", "javascript:alert(1)"));
  Options options;
  EXPECT_EQ("javascript:alert(1).html", PageLinks(options, document).href("javascript:alert(1)"));
  options.styledPages = true;
  const PageLinks links(options, document);
  EXPECT_EQ("./javascript:alert(1).html", links.href("javascript:alert(1)"));
  EXPECT_EQ("./javascript:alert(1).html", links.entryHref(document.entries[0], 0));
}

}  // namespace
}  // namespace inkwright
