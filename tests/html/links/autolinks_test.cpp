#include "html/links/autolinks.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
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

std::string repeated(const std::string& text, int count) {
  std::string result;
  for (int i = 0; i < count; ++i) {
    result += text;
  }
  return result;
}

TEST(AutoLinks, LongerNameIsLinkedFirstAndPrefixLinksWholeWords) {
  const AutoLinker linker(sortedLinks({"Video", "VideoDriver"}));
  EXPECT_EQ(
      "use <a href=\"Video.html\">Video</a> or <a href=\"VideoDriver.html\">VideoDriver</a>; "
      "<a href=\"Video.html\">Video</a>s, video,Video",
      linker.applyTo("use Video or VideoDriver; Videos, video,Video"));
}

// The worked example of note [automatic links]: a later name, "href", links inside the anchors
// the earlier ones left, and "play" links only the blank "playsound" left alone.
TEST(AutoLinks, LaterNameLinksInsideEarlierAnchors) {
  const AutoLinker linker(sortedLinks({"playsound", "play", "href"}));
  EXPECT_EQ(
      "use <a <a href=\"href.html\">href</a>=\"playsound.html\">playsound</a> or "
      "<a <a href=\"href.html\">href</a>=\"play.html\">play</a>.",
      linker.applyTo("use playsound or play."));
}

// A name with a blank links only where the links before it in the order left it whole: " Something"
// comes first and cuts " Do Something" apart, unless no entry is called "Something".
TEST(AutoLinks, NameWithBlankLinksAtItsPlaceInTheOrder) {
  EXPECT_EQ("call <a href=\"Do Something.html\">Do Something</a>, <a href=\"Do.html\">Do</a> it",
            AutoLinker(sortedLinks({"Do", "Do Something"})).applyTo("call Do Something, Do it"));
  EXPECT_EQ(
      "call <a href=\"Do.html\">Do</a> <a href=\"Something.html\">Something</a>, "
      "<a href=\"Do.html\">Do</a> it",
      AutoLinker(sortedLinks({"Do", "Do Something", "Something"}))
          .applyTo("call Do Something, Do it"));
}

// A name with a blank may apply where only the links before it made its first word a run between
// blanks: "<a" of their markup, or the rest of their markup and what followed their name. And the
// links after it apply only after it, also inside the links before it: here " <a" comes last.
TEST(AutoLinks, NameWithBlankLinksInsideMarkupThatEarlierLinksMade) {
  const struct {
    std::vector<std::string> names;
    std::string page;
    std::string linked;
  } cases[] = {
      {{"X", "<a href"}, "see X", "see <a href=\"<a href.html\"><a href</a>=\"X.html\">X</a>"},
      {{"x", "href=\"x.html\">x</a>, y"},
       "see x, y",
       "see <a <a href=\"href=\"x.html\">x</a>, y.html\">href=\"x.html\">x</a>, y</a>"},
      {{"X", "Do Something", "<a"},
       "see X, Do Something",
       "see <a href=\"<a.html\"><a</a> href=\"X.html\">X</a>, <a href=\"<a.html\"><a</a> "
       "href=\"Do Something.html\">Do Something</a>"},
  };
  for (const auto& example : cases) {
    const std::vector<AutoLink> links = sortedLinks(example.names);
    EXPECT_EQ(example.linked, linkOneByOne(example.page, links));
    EXPECT_EQ(example.linked, AutoLinker(links).applyTo(example.page)) << example.page;
  }
}

// Later names link inside the anchors earlier ones left: " X" comes before " <a" in descending
// order, and every "<a" rewrites the blank before the anchor the previous one left. Each link to
// "h" cuts into the anchor the previous one left, its run growing by a piece each time. Chains
// this long must need neither recursion nor memory beyond the text they make.
TEST(AutoLinks, RepeatedNamesLinkInsideEarlierLinks) {
  const int count = 20000;
  std::vector<std::string> anchors(count, "<a");
  anchors.push_back("X");
  EXPECT_EQ(" <a" + repeated(" href=\"<a.html\"><a</a>", count) + " href=\"X.html\">X</a> end",
            AutoLinker(sortedLinks(anchors)).applyTo(" X end"));
  EXPECT_EQ(repeated(" <a", count) + " href=\"h.html\">h</a>" +
                repeated("ref=\"h.html\">h</a>", count - 1),
            AutoLinker(sortedLinks(std::vector<std::string>(count, "h"))).applyTo(" h"));
}

// Random words over the bytes of the link markup, so that links land inside links.
class MarkupWords {
 public:
  explicit MarkupWords(unsigned seed) : random_(seed) {}

  std::size_t pick(std::size_t bound) {
    return std::uniform_int_distribution<std::size_t>(0, bound - 1)(random_);
  }

  char letter() {
    static constexpr std::string_view kAlphabet = "<ahref=\">/.Xx";
    return kAlphabet[pick(kAlphabet.size())];
  }

  std::string word(std::size_t maxLength) {
    std::string text;
    for (std::size_t n = 1 + pick(maxLength); n > 0; --n) {
      text += letter();
    }
    return text;
  }

 private:
  std::mt19937 random_;
};

// Names and pages over the bytes of the link markup, so that links land inside links, with
// duplicate names, prefixes of names and of the markup; compared with the one-by-one definition.
// Every other round uses replacements of other shapes; every third round has names that hold
// blanks, anywhere in them.
TEST(AutoLinks, SameTextAsLinkingOneByOne) {
  MarkupWords words(20240607);
  const auto pick = [&](std::size_t bound) { return words.pick(bound); };
  const auto word = [&](std::size_t maxLength) { return words.word(maxLength); };
  for (int round = 0; round < 4000; ++round) {
    // Every fourth round has many names, so that trie nodes have many children.
    const bool isCrowded = round % 4 == 0;
    const bool hasBlanks = round % 3 == 2;
    std::vector<std::string> pool;
    for (std::size_t n = 1 + pick(isCrowded ? 200 : 4); n > 0; --n) {
      std::string name = word(3);
      if (hasBlanks && pick(3) == 0) {
        name.insert(pick(name.size() + 1), 1, ' ');
      }
      pool.push_back(std::move(name));
    }
    std::vector<std::string> names;
    for (std::size_t n = pick(isCrowded ? 300 : 8); n > 0; --n) {
      names.push_back(pool[pick(pool.size())]);
    }
    std::string page;
    for (std::size_t n = pick(40); n > 0; --n) {
      page += pick(3) == 0 ? std::string(" ") : std::string(1, words.letter());
    }
    std::vector<AutoLink> links = sortedLinks(names);
    if (round % 2 == 1) {
      for (AutoLink& link : links) {
        // Now and then one without its blank, which only the literal stages can take.
        std::string replacement(pick(8) == 0 ? 0 : 1, ' ');
        replacement += word(3);
        if (pick(2) == 0) {
          replacement += ' ';
          replacement += word(4);
        }
        if (pick(2) == 0) {
          replacement += ' ';
        }
        link.replacement = std::move(replacement);
      }
    }
    ASSERT_EQ(linkOneByOne(page, links), AutoLinker(links).applyTo(page))
        << "page \"" << page << "\", round " << round;
  }
}

// A page's overrides stand in for the links of their names on that page alone: another
// replacement, or, with none, the name left as text with no shorter name linked inside it, also
// where the name holds a blank. Overrides of names the list does not hold change nothing. Each
// list goes through another of the linker's ways: one trie; the trie around names with blanks
// that the page shows; and stages, where a replacement holds the first word ("<a") of a name
// with a blank.
TEST(AutoLinks, OverridesStandInForTheLinksOfTheirNamesOnOnePage) {
  const std::string elsewhere = " <a href=\"Tests-smooth.html\">smooth</a>";
  const struct {
    std::vector<std::string> names;
    std::vector<LinkOverride> overrides;
    std::string page;
    std::string linked;
  } cases[] = {
      {{"smooth", "smo"},
       {{" smooth", elsewhere}},
       " smooth smo x",
       elsewhere + " <a href=\"smo.html\">smo</a> x"},
      {{"smooth", "smo"}, {{" smooth", std::nullopt}}, " smooth x", " smooth x"},
      {{"smooth", "smo"},
       {{" smooth", std::nullopt}},
       " smo smooth smoothly",
       " <a href=\"smo.html\">smo</a> smooth smoothly"},
      {{"smooth", "smo"},
       {{" smo", std::nullopt}},
       " smo smooth",
       " smo <a href=\"smooth.html\">smooth</a>"},
      {{"smooth", "smo"},
       {{" Nobody", std::nullopt}, {" Other", elsewhere}},
       " smooth Nobody Other",
       " <a href=\"smooth.html\">smooth</a> Nobody Other"},
      {{"Do", "Do Something"},
       {{" Do Something", std::nullopt}},
       "call Do Something, Do it",
       "call Do Something, <a href=\"Do.html\">Do</a> it"},
      {{"Do", "Do Something"},
       {{" Do", std::nullopt}},
       "call Do Something, Do it",
       "call <a href=\"Do Something.html\">Do Something</a>, Do it"},
      {{"Do", "Do Something", "<a b"},
       {{" Do Something", std::nullopt}},
       "call Do Something, Do it",
       "call Do Something, <a href=\"Do.html\">Do</a> it"},
      {{"Do", "Do Something", "<a b"},
       {{" Do Something", " [Do Something]"}},
       "call Do Something, Do it",
       "call [Do Something], <a href=\"Do.html\">Do</a> it"},
  };
  for (const auto& c : cases) {
    std::vector<std::string> otherReplacements;
    for (const LinkOverride& o : c.overrides) {
      if (o.replacement) {
        otherReplacements.push_back(*o.replacement);
      }
    }
    const AutoLinker linker(sortedLinks(c.names), otherReplacements);
    EXPECT_EQ(c.linked, linker.applyTo(c.page, c.overrides)) << c.page;
  }
}

// The overrides by their definition: the links applied one by one, each override's link in place
// of its name's, where a name left as text becomes a byte that no link holds, made the name again
// once every link is applied. Names, pages and replacements as in SameTextAsLinkingOneByOne.
TEST(AutoLinks, OverridesGiveTheTextOfLinkingOneByOneWithTheirLinks) {
  MarkupWords words(20261208);
  const auto pick = [&](std::size_t bound) { return words.pick(bound); };
  const auto word = [&](std::size_t maxLength) { return words.word(maxLength); };
  for (int round = 0; round < 3000; ++round) {
    const bool hasBlanks = round % 3 == 2;
    std::vector<std::string> names;
    for (std::size_t n = 1 + pick(round % 4 == 0 ? 60 : 6); n > 0; --n) {
      std::string name = word(3);
      if (hasBlanks && pick(3) == 0) {
        name.insert(pick(name.size() + 1), 1, ' ');
      }
      names.push_back(std::move(name));
    }
    std::vector<LinkOverride> overrides;
    std::vector<std::string> otherReplacements;
    for (std::size_t n = 1 + pick(3); n > 0; --n) {
      // Now and then a name that has no link.
      const std::string name = pick(5) == 0 ? word(3) : names[pick(names.size())];
      const bool isListed =
          std::any_of(overrides.begin(), overrides.end(),
                      [&](const LinkOverride& o) { return o.searchText == " " + name; });
      if (isListed) {
        continue;
      }
      if (pick(2) == 0) {
        overrides.push_back(LinkOverride{" " + name, std::nullopt});
      } else {
        const std::string replacement = " <a href=\"" + word(2) + "\">" + name + "</a>";
        overrides.push_back(LinkOverride{" " + name, replacement});
        otherReplacements.push_back(replacement);
      }
    }
    std::string page;
    for (std::size_t n = pick(40); n > 0; --n) {
      page += pick(3) == 0 ? std::string(" ") : std::string(1, words.letter());
    }
    std::vector<AutoLink> links = sortedLinks(names);
    for (AutoLink& link : links) {
      for (std::size_t k = 0; k < overrides.size(); ++k) {
        if (overrides[k].searchText == link.searchText) {
          link.replacement =
              overrides[k].replacement.value_or(" \x01" + std::to_string(k) + "\x01");
        }
      }
    }
    std::string expected = linkOneByOne(page, links);
    for (std::size_t k = 0; k < overrides.size(); ++k) {
      expected =
          replaceAll(expected, " \x01" + std::to_string(k) + "\x01", overrides[k].searchText);
    }
    ASSERT_EQ(expected, AutoLinker(sortedLinks(names), otherReplacements).applyTo(page, overrides))
        << "page \"" << page << "\", round " << round;
  }
}

}  // namespace
}  // namespace inkwright
