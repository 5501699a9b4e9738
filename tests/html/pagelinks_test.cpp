#include "html/pagelinks.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "config/settings.h"
#include "model/document.h"

namespace inkwright {
namespace {

TEST(PageLinks, EscapesEveryByteThatNeedsIt) {
  EXPECT_EQ("a &lt;type(t)&gt; &amp;&amp; &quot;b&quot; 'c'",
            escapeHtml("a <type(t)> && \"b\" 'c'"));
}

// Pieces written in the order of the text, with bytes passed over between them, come out as each
// piece escaped on its own would; a byte to escape that is passed over is not written.
TEST(PageLinks, EscapesPiecesOfATextAsEachOnItsOwn) {
  const std::string_view text = "a<b & \"c\" >d&&";
  const struct {
    std::vector<std::pair<std::size_t, std::size_t>> pieces;
    bool escape;
  } cases[] = {
      {{{0, text.size()}}, true},
      {{{0, 1}, {2, 3}, {9, 12}}, true},
      {{{0, 0}, {1, 2}, {2, 2}, {3, 4}, {12, 14}}, true},
      {{{5, 6}, {11, 14}}, true},
      {{{0, 1}, {2, 3}, {9, 12}}, false},
      {{}, true},
  };
  for (const auto& c : cases) {
    HtmlEscaper escaper(text, c.escape);
    std::string written;
    std::string expected;
    for (const auto& [begin, end] : c.pieces) {
      escaper.append(written, begin, end);
      const std::string_view piece = text.substr(begin, end - begin);
      expected += c.escape ? escapeHtml(piece) : std::string(piece);
    }
    EXPECT_EQ(expected, written);
  }
}

// Without the switches every name is linked as it is, "#" and all, whether written or not.
TEST(PageLinks, WithoutSwitchesLinksEveryNameUnchanged) {
  const PageLinks links{Options{}, Document{}};
  EXPECT_EQ("<a href=\"#Flags.html\">#Flags</a>", links.linkOrText("#Flags"));
  EXPECT_EQ("<a href=\"a<b.html\">a<b</a>", links.linkOrText("a<b"));
  EXPECT_EQ("<a href=\"Nobody.html\">Nobody</a>", links.linkOrText("Nobody"));
}

TEST(PageLinks, EscapesNamesInTextAndHref) {
  const PageLinks links{Options{.escapeHtml = true}, Document{}};
  EXPECT_EQ("a&amp;b&quot;", links.shown("a&b\""));
  EXPECT_EQ("<a href=\"a&lt;b.html\">a&lt;b</a>", links.linkOrText("a<b"));
}

// Which pages exist follows from the names of the entries alone: a name whose file name holds a
// separator gets no page, "#Name" is written as Name.html, and a group links only when some entry
// writes the page of its name.
TEST(PageLinks, LinksOnlyWrittenPagesByTheirFileNames) {
  Document document;
  for (const char* const name : {"#Flags", "OpenSM:", "a/b", "c\\d", "Core", "x<y"}) {
    document.entries.emplace_back().entryName = name;
  }
  const PageLinks links{Options{.escapeHtml = true, .existingLinksOnly = true}, document};
  const char* const cases[][2] = {
      {"#Flags", "<a href=\"Flags.html\">#Flags</a>"},
      {"Flags", "<a href=\"Flags.html\">Flags</a>"},
      {"OpenSM:", "<a href=\"OpenSM%3A.html\">OpenSM:</a>"},
      {"x<y", "<a href=\"x%3Cy.html\">x&lt;y</a>"},
      {"Core", "<a href=\"Core.html\">Core</a>"},
      {"a/b", "a/b"},
      {"c\\d", "c\\d"},
      {"Video", "Video"},
      {"#Core", "<a href=\"Core.html\">#Core</a>"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c[1], links.linkOrText(c[0])) << c[0];
  }
  EXPECT_FALSE(isPageWritten("#a/b"));
  EXPECT_TRUE(isPageWritten(""));
}

// No file system takes a file name of more than 255 bytes, so such a page is not written, on any
// system, and a link to it stays text; the leading "#" is not part of the file name.
TEST(PageLinks, APageNameOfMoreThan255BytesIsNotWritten) {
  const std::string longest(250, 'n');
  EXPECT_TRUE(isPageWritten(longest));
  EXPECT_TRUE(isPageWritten("#" + longest));
  EXPECT_FALSE(isPageWritten(longest + "n"));
  Document document;
  document.entries.emplace_back().entryName = longest + "n";
  const PageLinks links{Options{.existingLinksOnly = true}, document};
  EXPECT_EQ(longest + "n", links.linkOrText(longest + "n"));
}

// Under "no self links" a link to the page it stands on is text; every other link stays. Pages
// named as the original format names them are found by the file name: "#Flags" and "Flags" lead
// to one page.
TEST(PageLinks, NoSelfLinksLeavesOnlyTheLinksToThePageItselfAsText) {
  Document document;
  for (const char* const name : {"Flags", "#Flags", "Other"}) {
    document.entries.emplace_back().entryName = name;
  }
  const PageLinks links{Options{.noSelfLinks = true}, document};
  EXPECT_EQ("Flags", links.linkOrText("Flags", "Flags.html"));
  EXPECT_EQ("<a href=\"Other.html\">Other</a>", links.linkOrText("Other", "Flags.html"));
  EXPECT_EQ("<a href=\"Flags.html\">Flags</a>", links.linkOrText("Flags"));
  std::vector<std::string> names;
  for (const PageLinks::NameOnPage& name : links.namesOnPage(0, document)) {
    EXPECT_TRUE(name.file.empty());
    names.push_back(name.name);
  }
  EXPECT_EQ((std::vector<std::string>{"Flags", "#Flags"}), names);
}

// Under "one page per entry" the lists link each entry to its own page and name the section of a
// shared name; a page of the section Tests links "smooth" to its own section's entry.
TEST(PageLinks, SharedNamesLinkEachEntryAndTheirOwnSection) {
  Document document;
  const auto add = [&](const char* section, const char* name) {
    DocEntry& entry = document.entries.emplace_back();
    entry.sectionName = section;
    entry.entryName = name;
  };
  add("Lib", "smooth");
  add("Tests", "smooth");
  add("Tests", "check");
  const PageLinks links{Options{.onePagePerEntry = true}, document};
  EXPECT_EQ("<a href=\"smooth.html\">smooth</a>", links.linkOrText("smooth"));
  EXPECT_EQ("smooth (Tests)", links.listedName(document.entries[1], 1));
  EXPECT_EQ("check", links.listedName(document.entries[2], 2));
  EXPECT_EQ("<a href=\"Tests-smooth.html\">x</a>",
            links.entryLinkOrText(document.entries[1], 1, "x"));
  const std::vector<PageLinks::NameOnPage> onCheck = links.namesOnPage(2, document);
  ASSERT_EQ(1u, onCheck.size());
  EXPECT_EQ("smooth", onCheck[0].name);
  EXPECT_EQ("Tests-smooth.html", onCheck[0].file);
  EXPECT_TRUE(links.namesOnPage(0, document).empty());
}

}  // namespace
}  // namespace inkwright
