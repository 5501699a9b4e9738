#include "html/autolinks.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "text/text.h"

namespace inkwright {
namespace {

std::vector<AutoLink> sortedLinks(const std::vector<std::string>& names) {
  std::vector<AutoLink> links;
  for (const std::string& name : names) {
    links.push_back(autoLinkFor(name));
  }
  std::sort(links.begin(), links.end(),
            [](const AutoLink& a, const AutoLink& b) { return a.searchText > b.searchText; });
  return links;
}

// The links as they are defined: one replaceAll over the whole text per link, in order.
std::string linkOneByOne(std::string text, const std::vector<AutoLink>& links) {
  for (const AutoLink& link : links) {
    text = replaceAll(text, link.searchText, link.replacement);
  }
  return text;
}

TEST(AutoLinks, LinkIsBlankThenAnchorToPage) {
  const AutoLink link = autoLinkFor("Begin");
  EXPECT_EQ(" Begin", link.searchText);
  EXPECT_EQ(" <a href=\"Begin.html\">Begin</a>", link.replacement);
}

TEST(AutoLinks, LongerNameIsLinkedFirstAndPrefixLinksWholeWords) {
  const AutoLinker linker(sortedLinks({"Video", "VideoDriver"}));
  EXPECT_EQ(
      "use <a href=\"Video.html\">Video</a> or <a href=\"VideoDriver.html\">VideoDriver</a>; "
      "<a href=\"Video.html\">Video</a>s, video,Video",
      linker.applyTo("use Video or VideoDriver; Videos, video,Video"));
}

TEST(AutoLinks, LaterNamesLinkInsideEarlierLinks) {
  // " X" comes before " <a" in descending order, so each "<a" link rewrites the blank before the
  // anchor that the previous one left.
  const std::vector<std::string> names = {"X", "<a", "<a", "<a"};
  const std::string expected =
      " <a href=\"<a.html\"><a</a> href=\"<a.html\"><a</a> href=\"<a.html\"><a</a> "
      "href=\"X.html\">X</a>";
  EXPECT_EQ(expected, linkOneByOne(" X", sortedLinks(names)));
  EXPECT_EQ(expected, AutoLinker(sortedLinks(names)).applyTo(" X"));
}

TEST(AutoLinks, DeepChainOfDuplicateNamesNeedsNoRecursion) {
  std::vector<std::string> names(10000, "<a");
  names.push_back("X");
  std::string expected = " <a";
  for (int i = 0; i < 10000; ++i) {
    expected += " href=\"<a.html\"><a</a>";
  }
  expected += " href=\"X.html\">X</a> end";
  EXPECT_EQ(expected, AutoLinker(sortedLinks(names)).applyTo(" X end"));
}

// Each link to "h" cuts into the anchor the previous one left, so every run is the previous one
// minus its first byte plus a new anchor: the text grows linearly, and so must the work.
TEST(AutoLinks, ManyLinksCuttingIntoEachOtherCostTheirTextOnly) {
  const int count = 20000;
  const std::vector<std::string> names(count, "h");
  std::string expected;
  for (int i = 0; i < count; ++i) {
    expected += " <a";
  }
  expected += " href=\"h.html\">h</a>";
  for (int i = 1; i < count; ++i) {
    expected += "ref=\"h.html\">h</a>";
  }
  EXPECT_EQ(expected, AutoLinker(sortedLinks(names)).applyTo(" h"));
}

TEST(AutoLinks, NoLinksLeavePageAsItIs) {
  EXPECT_EQ(" a  b ", AutoLinker({}).applyTo(" a  b "));
  EXPECT_EQ("", AutoLinker(sortedLinks({"a"})).applyTo(""));
}

// Names and pages over the bytes of the link markup, so that links land inside links, with
// duplicate names, prefixes of names and of the markup; compared with the one-by-one definition.
// Every other round uses replacements of other shapes, as long as they begin with a blank.
TEST(AutoLinks, SameTextAsLinkingOneByOne) {
  const std::string alphabet = "<ahref=\">/.Xx";
  std::mt19937 random(20240607);
  const auto pick = [&](std::size_t bound) {
    return std::uniform_int_distribution<std::size_t>(0, bound - 1)(random);
  };
  const auto word = [&](std::size_t maxLength) {
    std::string text;
    for (std::size_t n = 1 + pick(maxLength); n > 0; --n) {
      text += alphabet[pick(alphabet.size())];
    }
    return text;
  };
  for (int round = 0; round < 4000; ++round) {
    std::vector<std::string> pool;
    for (std::size_t n = 1 + pick(4); n > 0; --n) {
      pool.push_back(word(3));
    }
    std::vector<std::string> names;
    for (std::size_t n = pick(8); n > 0; --n) {
      names.push_back(pool[pick(pool.size())]);
    }
    std::string page;
    for (std::size_t n = pick(40); n > 0; --n) {
      page += pick(3) == 0 ? std::string(" ") : std::string(1, alphabet[pick(alphabet.size())]);
    }
    std::vector<AutoLink> links = sortedLinks(names);
    if (round % 2 == 1) {
      // Any replacement that begins with a blank, blanks inside it included.
      for (AutoLink& link : links) {
        link.replacement =
            " " + word(3) + (pick(2) == 0 ? " " + word(4) : "") + (pick(2) == 0 ? " " : "");
      }
    }
    ASSERT_EQ(linkOneByOne(page, links), AutoLinker(links).applyTo(page))
        << "page \"" << page << "\", round " << round;
  }
}

}  // namespace
}  // namespace inkwright
