#include "html/pagelinks.h"

#include <gtest/gtest.h>

#include "config/settings.h"
#include "model/document.h"

namespace inkwright {
namespace {

TEST(PageLinks, EscapesEveryByteThatNeedsIt) {
  EXPECT_EQ("a &lt;type(t)&gt; &amp;&amp; &quot;b&quot; 'c'",
            escapeHtml("a <type(t)> && \"b\" 'c'"));
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

}  // namespace
}  // namespace inkwright
