#include "html/searchindex.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "config/options.h"
#include "model/document.h"

namespace inkwright {
namespace {

TEST(DecodeHtml, ReadsBackWhatEscapeHtmlWrites) {
  const char* const cases[][2] = {
      {"", ""},
      {"plain", "plain"},
      {"R&amp;D.html", "R&D.html"},
      {"&lt;/script&gt;", "</script>"},
      {"say &quot;hi&quot;", "say \"hi\""},
      {"&amp;lt;", "&lt;"},
      {"&amp;amp;", "&amp;"},
      // Only the four references that escapeHtml writes are read; any other "&" stays.
      {"a & b", "a & b"},
      {"&nbsp;&#60;&apos;", "&nbsp;&#60;&apos;"},
      {"&", "&"},
      {"&amp", "&amp"},
      {"x&", "x&"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c[1], decodeHtml(c[0])) << c[0];
  }
  for (const char* const text : {"a <b> & \"c\" &amp; d", "&&&", "&quot&quot;"}) {
    EXPECT_EQ(text, decodeHtml(escapeHtml(text))) << text;
  }
}

DocEntry entry(const std::string& name, const std::string& section) {
  return DocEntry{.entryName = name, .sectionName = section, .headerType = "f"};
}

struct Listing {
  std::vector<DocEntry> entries;
  std::vector<std::string> descriptions;
};

std::string indexOf(const Options& options, const Listing& listing,
                    Charset charset = Charset::utf8) {
  Document document;
  document.entries = listing.entries;
  const PageLinks links{options, document};
  return searchIndexScript(document, links, listing.descriptions, charset);
}

// Hostile names and descriptions come out as inert ASCII text, and an entry without a name is left
// out.
TEST(SearchIndexScript, WritesHostileTextAsInertAscii) {
  const Listing listing{
      {entry("", "Lab"), entry("</script>", "Lab"), entry("<img src=x onerror=alert(1)>", "R&D"),
       entry("say \"hi\"", "Lab"), entry("x\\y", "R&D")},
      {"unnamed", "ends <script>", "joins\xE2\x80\xA8lines", "quotes 'both' \"ways\"",
       "back\\slash \xF0\x9F\x98\x80"}};
  EXPECT_EQ(
      "var inkwrightIndex = {entries: 4,\n"
      "sections: \"Lab\\u000AR\\u0026D\",\n"
      "names: \"\\u003C/script\\u003E\\u000A\\u003Cimg src=x onerror=alert(1)\\u003E\\u000A"
      "say \\u0022hi\\u0022\\u000Ax\\u005Cy\",\n"
      "sectionOf: \"0,1,0,1\",\n"
      "descriptions: \"ends \\u003Cscript\\u003E\\u000Ajoins\\u2028lines\\u000A"
      "quotes \\u0027both\\u0027 \\u0022ways\\u0022\\u000Aback\\u005Cslash \\uD83D\\uDE00\",\n"
      "hrefs: \"\"};\n",
      indexOf(Options{.escapeHtml = true}, listing));
}

// Under "existing links only" a link is the percent-encoded file name, kept where it is not the
// name and ".html", and an entry whose page is not written is left out.
TEST(SearchIndexScript, KeepsTheLinksOfPagesNamedOtherwise) {
  const Listing listing{{entry("a/b", "Lab"), entry("Mix&Match", "Lab"), entry("Plain", "Lab"),
                         entry("say \"hi\"", "Lab")},
                        {"no page", "", "", ""}};
  EXPECT_EQ(
      "var inkwrightIndex = {entries: 3,\n"
      "sections: \"Lab\",\n"
      "names: \"Mix\\u0026Match\\u000APlain\\u000Asay \\u0022hi\\u0022\",\n"
      "sectionOf: \"0,0,0\",\n"
      "descriptions: \"\\u000A\\u000A\",\n"
      "hrefs: \"Mix%26Match.html\\u000A\\u000Asay%20%22hi%22.html\"};\n",
      indexOf(Options{.escapeHtml = true, .existingLinksOnly = true}, listing));
}

// Escaped or not, a browser follows R&D.html; a name that holds a reference reads as its
// character, in its text and in its link alike, unless "escape html" shows the reference.
TEST(SearchIndexScript, StoresNamesAndLinksAsTheBrowserReadsThem) {
  const Listing listing{{entry("R&D", "Lab"), entry("a&amp;b", "Lab"), entry("#Flags", "Lab")},
                        {"", "", ""}};
  const char* const plainNames = "names: \"R\\u0026D\\u000Aa\\u0026b\\u000A#Flags\",\n";
  EXPECT_NE(std::string::npos, indexOf(Options{}, listing).find(plainNames));
  EXPECT_NE(std::string::npos, indexOf(Options{}, listing).find("hrefs: \"\"};"));
  EXPECT_NE(std::string::npos, indexOf(Options{.escapeHtml = true}, listing)
                                   .find("names: \"R\\u0026D\\u000Aa\\u0026amp;b\\u000A#Flags\""));
  EXPECT_NE(std::string::npos, indexOf(Options{.escapeHtml = true}, listing).find("hrefs: \"\"};"));
  // Pages named after the file name alone: "#Flags" is on Flags.html.
  EXPECT_NE(std::string::npos,
            indexOf(Options{.existingLinksOnly = true}, listing)
                .find("hrefs: \"R%26D.html\\u000Aa%26amp%3Bb.html\\u000AFlags.html\"};"));
}

// Where two entries share a name, each is listed under its own section with its own page.
TEST(SearchIndexScript, ListsEachEntryOfASharedNameWithItsPage) {
  const Listing listing{{entry("smooth", "Tests"), entry("smooth", "Tools")}, {"a", "b"}};
  EXPECT_EQ(
      "var inkwrightIndex = {entries: 2,\n"
      "sections: \"Tests\\u000ATools\",\n"
      "names: \"smooth\\u000Asmooth\",\n"
      "sectionOf: \"0,1\",\n"
      "descriptions: \"a\\u000Ab\",\n"
      "hrefs: \"\\u000ATools-smooth.html\"};\n",
      indexOf(Options{.onePagePerEntry = true}, listing));
}

// A line end would split a value in two: it reads as the blank a browser shows.
TEST(SearchIndexScript, KeepsEveryValueOnItsLine) {
  const Listing listing{{entry("Two\nLines", "Lab"), entry("b", "Sec\r\ntion")},
                        {"spans\nlines\r\n", ""}};
  const std::string script = indexOf(Options{}, listing);
  EXPECT_NE(std::string::npos, script.find("names: \"Two Lines\\u000Ab\"")) << script;
  EXPECT_NE(std::string::npos, script.find("sections: \"Lab\\u000ASec  tion\"")) << script;
  EXPECT_NE(std::string::npos, script.find("descriptions: \"spans lines  \\u000A\"")) << script;
}

TEST(SearchIndexScript, ReadsTheBytesAsTheRunsCharset) {
  const Listing listing{{entry("caf\xE9", "\x93Q\x94")}, {"\x80 5"}};
  EXPECT_EQ(
      "var inkwrightIndex = {entries: 1,\n"
      "sections: \"\\u201CQ\\u201D\",\n"
      "names: \"caf\\u00E9\",\n"
      "sectionOf: \"0\",\n"
      "descriptions: \"\\u20AC 5\",\n"
      "hrefs: \"\"};\n",
      indexOf(Options{}, listing, Charset::windows1252));
}

TEST(SearchIndexScript, WritesAnEmptyIndex) {
  EXPECT_EQ(
      "var inkwrightIndex = {entries: 0,\n"
      "sections: \"\",\n"
      "names: \"\",\n"
      "sectionOf: \"\",\n"
      "descriptions: \"\",\n"
      "hrefs: \"\"};\n",
      indexOf(Options{}, Listing{{entry("", "Lab")}, {"x"}}));
}

}  // namespace
}  // namespace inkwright
