#include "html/pagewriter.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "model/document.h"
#include "scan/ordering.h"
#include "tempdir.h"
#include "text/outputsink.h"

namespace inkwright {
namespace {

// The golden cases always pass a folder ending in a separator and start from an empty out/, so
// they cannot show these two: a folder given without its separator still gets the pages, and a
// name holding "\" gets no page even where the folder it names exists.
TEST(PageWriter, WritesPagesOfPlainNamesOnlyIntoTheGivenFolder) {
  Document document;
  document.entries.emplace_back().headerPath = "Lib/Bad\\Name";
  document.entries.emplace_back().headerPath = "Lib/Plain";
  deriveEntryNames(document);
  TempDir out;
  FileSink files;
  std::filesystem::create_directory(out.path() / "Bad");
  pageWriter(Configuration(Settings{}), document, out.path().string(), {}, files);
  EXPECT_TRUE(std::filesystem::is_empty(out.path() / "Bad"));
  EXPECT_EQ((std::set<std::string>{"Bad", "Plain.html"}), out.files());
}

// See note [last writer]: a page is written by the last entry of its file name, and by none when a
// later output writes that file.
TEST(PageWriter, OnlyTheLastWriterOfAPageFileWritesIt) {
  Document document;
  for (const char* name : {"A", "#B", "A", "toc", "x\\y", "B", "Ref"}) {
    document.entries.push_back(DocEntry{.headerPath = name, .entryName = name});
  }
  const PageNames names(Options{}, document);
  EXPECT_EQ((std::vector<bool>{false, false, true, false, false, true, false}),
            lastPageWriters(names, document.entries.size(), {"toc.html", "Ref.html", "LB.hhc"}));
  EXPECT_EQ((std::vector<std::string>{"A.html", "B.html", "toc.html", "Ref.html"}),
            pageFiles(names, document.entries.size()));
}

DocEntry pageEntry(const std::string& headerPath, const std::string& headerType,
                   std::initializer_list<TagPair> tags) {
  DocEntry entry{.headerPath = headerPath, .headerType = headerType};
  entry.tags = tags;
  return entry;
}

// With every switch of the pages on: names and values are escaped and still linked, a tag of
// blanks and line ends leaves no block, and links lead only to written pages by their file names.
TEST(PageWriter, WithSwitchesEscapesSkipsEmptyTagsAndLinksWrittenPagesOnly) {
  Document document;
  document.entries = {
      pageEntry("Lib", "h", {{"NAME", "\nLib - a<b & #Flags, Lib/Gone"}}),
      pageEntry("Lib/#Flags", "f", {{"NAME", "\n#Flags - see a<b"}, {"NOTES", " \t\r\n "}}),
      pageEntry("Lib/a<b", "f", {{"NAME", "\na<b - see #Flags"}}),
      pageEntry("Lib/Gone\\x", "f", {{"NAME", "\nnever written"}}),
  };
  Settings settings{
      .templateList = {{.name = "page", .text = "<title>@@NAME@@</title>@@TAGS@@"},
                       {.name = "tag", .text = "<@@TAG-LOWER@@>@@VALUE@@|"}},
      .options = Options{.escapeHtml = true, .existingLinksOnly = true, .skipEmptyTags = true}};
  deriveEntryNames(document);
  TempDir out;
  FileSink files;
  pageWriter(Configuration(std::move(settings)), document, out.folder(), {}, files);
  EXPECT_EQ((std::set<std::string>{"Flags.html", "Lib.html", "a<b.html"}), out.files());
  EXPECT_EQ("<title>#Flags</title><name>#Flags - see <a href=\"a%3Cb.html\">a&lt;b</a>|",
            out.read("Flags.html"));
  EXPECT_EQ(
      "<title>Lib</title><name>Lib - <a href=\"a%3Cb.html\">a&lt;b</a> &amp; <a "
      "href=\"Flags.html\">#Flags</a>, Lib/Gone|Contents=<br /><ul><li><a href=\"Lib.html\">Lib</a>"
      "</li><li><a href=\"Flags.html\">#Flags</a></li><li><a href=\"a%3Cb.html\">a&lt;b</a></li>"
      "<li>Gone\\x</li></ul>",
      out.read("Lib.html"));
}

// Under readable text the lists carry markup of their own: an entry named "start" is linked in the
// text of a paragraph, an item and an example, and never inside <ol start="3">, with the plain
// automatic links as with word links.
TEST(PageWriter, ReadableTextKeepsItsMarkupWholeUnderLinks) {
  Document document;
  document.entries = {
      pageEntry("Lib/start", "f", {{"NAME", "\n  start - begins the run"}}),
      pageEntry("Lib/Steps", "f",
                {{"FUNCTION",
                  "\n  How to start:\n\n  3. Go to start now.\n  4. Rest.\n\n    x = start(3)"}}),
  };
  deriveEntryNames(document);
  const std::string linked =
      "<div><p>How to <a href=\"start.html\">start</a>:</p>\n<ol start=\"3\"><li>Go to <a "
      "href=\"start.html\">start</a> now.</li><li>Rest.</li></ol>\n<pre>x = <a "
      "href=\"start.html\">start</a>(3)</pre></div>";
  for (const bool wordLinks : {false, true}) {
    Settings settings{.templateList = {{.name = "page", .text = "@@TAGS@@"},
                                       {.name = "tag", .text = "<div>@@VALUE@@</div>"}},
                      .options = Options{.wordLinks = wordLinks, .readableText = true}};
    TempDir out;
    FileSink files;
    pageWriter(Configuration(std::move(settings)), document, out.folder(), {}, files);
    EXPECT_EQ(linked, out.read("Steps.html")) << (wordLinks ? "word links" : "automatic links");
  }
}

// Under styled pages the values are linked apart from their templates, and then filled in as
// without the switch: @@TAG-LOWER@@ in a value is replaced, a template may hold @@VALUE@@ twice,
// and names are linked in the values only, never in the template's text.
TEST(PageWriter, StyledPagesFillTagTemplatesAsEverywhereAndLinkOnlyValues) {
  Document document;
  document.entries = {
      pageEntry("Lib/Open", "f", {{"NAME", "\nOpen @@TAG-LOWER@@ Close"}, {"NOTES", "\nOpen"}}),
      pageEntry("Lib/Close", "f", {{"NAME", "\nClose"}}),
  };
  deriveEntryNames(document);
  for (const bool wordLinks : {false, true}) {
    for (const bool styled : {false, true}) {
      Settings settings{
          .configList = {{.key = "template:#NOTES", .value = "[@@VALUE@@|@@VALUE@@]"}},
          .templateList = {{.name = "page", .text = "@@TAGS@@"},
                           {.name = "tag", .text = "<Close @@TAG-LOWER@@>@@VALUE@@|"}},
          .options = Options{.wordLinks = wordLinks, .styledPages = styled}};
      TempDir out;
      FileSink files;
      pageWriter(Configuration(std::move(settings)), document, out.folder(), {}, files);
      const std::string open = wordLinks ? "<a href=\"Open.html\">Open</a>" : "Open";
      EXPECT_EQ("<Close name>" + open + " name <a href=\"Close.html\">Close</a>|[" + open + "|" +
                    open + "]",
                out.read("Open.html"))
          << styled << wordLinks;
    }
  }
}

// A styled page is filled in one pass, but gives the bytes of filling its placeholders in turns:
// a value holding @@SECTION@@ has it replaced, whether the template is cut or, with an "@" of its
// own, is not.
TEST(PageWriter, StyledPagesGiveTheBytesOfFillingInTurns) {
  Document document;
  document.entries = {
      pageEntry("Lib/Open", "f", {{"NAME", "\nOpen here"}}),
      pageEntry("Lib/Mail", "f", {{"NAME", "\nmail x@y @@SECTION@@"}}),
  };
  deriveEntryNames(document);
  for (const std::string_view end : {"", "<!--@-->"}) {
    Settings settings{
        .templateList = {{.name = "page",
                          .text = "<h1>@@NAME@@</h1>@@TAGS@@<p>@@SECTION@@</p>" + std::string(end)},
                         {.name = "tag", .text = "<div>@@VALUE@@</div>"}},
        .options = Options{.styledPages = true}};
    TempDir out;
    FileSink files;
    pageWriter(Configuration(std::move(settings)), document, out.folder(), {}, files);
    EXPECT_EQ("<h1>Open</h1><div>Open here</div><p>Lib</p>" + std::string(end),
              out.read("Open.html"));
    EXPECT_EQ("<h1>Mail</h1><div>mail x@y Lib</div><p>Lib</p>" + std::string(end),
              out.read("Mail.html"));
  }
}

}  // namespace
}  // namespace inkwright
