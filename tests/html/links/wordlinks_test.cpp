#include "html/links/wordlinks.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <random>

namespace inkwright {
namespace {

// Links of the form [name], so that the examples read easily.
std::vector<WordLink> bracketLinks(const std::vector<std::string>& names) {
  std::vector<WordLink> links;
  for (const std::string& name : names) {
    links.push_back(WordLink{name, "[" + name + "]"});
  }
  return links;
}

TEST(WordLinks, LinksWholeWordsOnlyAndTheLongestNameAtEachPlace) {
  const WordLinker linker(
      bracketLinks({"Do", "Do Something", "metric", "lt", "a&lt;b", "OpenSM:", "#Flags", "x"}));
  const struct {
    const char* page;
    const char* linked;
  } cases[] = {
      {"Do", "[Do]"},
      {"(Do,Do)\tDo\nDo.", "([Do],[Do])\t[Do]\n[Do]."},
      {"metrics metric_x _metric 2metric metric2", "metrics metric_x _metric 2metric metric2"},
      {"metric\xC3\xA9 \xC3\xA9metric metric-x", "metric\xC3\xA9 \xC3\xA9metric [metric]-[x]"},
      {"Do Something, Do Somethings", "[Do Something], [Do] Somethings"},
      {"&lt; &lt;lt; lt&gt; &#60;x &#x3C;x", "&lt; &lt;[lt]; [lt]&gt; &#60;[x] &#x3C;[x]"},
      {"a&lt;b a&lt;bc &amp;a&lt;b", "[a&lt;b] a&lt;bc &amp;[a&lt;b]"},
      {"see OpenSM: and OpenSM:x, #Flags C#Flags",
       "see [OpenSM:] and OpenSM:[x], [#Flags] C#Flags"},
      {"x < Do > x <3 x", "[x] < [Do] > [x] <3 [x]"},
  };
  for (const auto& example : cases) {
    EXPECT_EQ(example.linked, linker.applyTo(example.page)) << example.page;
  }
}

TEST(WordLinks, LinksOnlyTextOutsideMarkupTitleAndExistingLinks) {
  const WordLinker linker(bracketLinks({"Do", "a", "title", "href"}));
  const struct {
    const char* page;
    const char* linked;
  } cases[] = {
      {"<title>Do a</title><h1 title=\"Do\">Do</h1>",
       "<title>Do a</title><h1 title=\"Do\">[Do]</h1>"},
      {"<TITLE lang=en>Do</Title >Do", "<TITLE lang=en>Do</Title >[Do]"},
      {"<a href=\"Do.html\">Do <b>Do</b></a> Do <abbr>Do</abbr>",
       "<a href=\"Do.html\">Do <b>Do</b></a> [Do] <abbr>[Do]</abbr>"},
      {"<!-- Do <b> Do -->Do<?x Do ?>", "<!-- Do <b> Do -->[Do]<?x Do ?>"},
      {"Do <a href=x>Do", "[Do] <a href=x>Do"},
      {"<b Do", "<b Do"},
  };
  for (const auto& example : cases) {
    EXPECT_EQ(example.linked, linker.applyTo(example.page)) << example.page;
  }
}

// The same rules, the slow way: a text without markup, its entities found from the front, every
// name tried at every place.
std::string linkByHand(const std::string& text, std::vector<std::string> names) {
  std::sort(names.begin(), names.end());
  const auto isWord = [](unsigned char byte) {
    return std::isalnum(byte) != 0 || byte == '_' || byte >= 128;
  };
  std::vector<bool> isInsideEntity(text.size() + 1, false);
  for (std::size_t at = 0; at < text.size(); ++at) {
    if (text[at] != '&') {
      continue;
    }
    std::size_t end = at + 1 + (at + 1 < text.size() && text[at + 1] == '#');
    const std::size_t nameBegin = end;
    while (end < text.size() && std::isalnum(static_cast<unsigned char>(text[end])) != 0) {
      ++end;
    }
    if (end > nameBegin && end < text.size() && text[end] == ';') {
      std::fill(isInsideEntity.begin() + at + 1, isInsideEntity.begin() + end + 1, true);
    }
  }
  std::string result;
  std::size_t at = 0;
  while (at < text.size()) {
    const std::string* best = nullptr;
    const bool isStart = (at == 0 || !isWord(text[at - 1])) && !isInsideEntity[at];
    for (const std::string& name : names) {
      const std::size_t end = at + name.size();
      if (isStart && !name.empty() && text.compare(at, name.size(), name) == 0 &&
          (end == text.size() || !isWord(text[end])) && !isInsideEntity[end] &&
          (best == nullptr || name.size() > best->size())) {
        best = &name;
      }
    }
    if (best == nullptr) {
      result += text[at++];
    } else {
      result += "[" + *best + "]";
      at += best->size();
    }
  }
  return result;
}

// Names that share prefixes, hold entities, blanks and word bytes at either end, over texts of the
// same bytes; the list in a shuffled order and with duplicates must not change the result.
TEST(WordLinks, SameTextAsTryingEveryNameEverywhere) {
  const std::vector<std::string> pieces = {"a",  "b", "_", " ",        ",",  "&lt;",  "&",
                                           "lt", ";", "#", "\xC3\xA9", "ab", "&#60;", "6"};
  std::mt19937 random(20240711);
  const auto pick = [&](std::size_t bound) {
    return std::uniform_int_distribution<std::size_t>(0, bound - 1)(random);
  };
  const auto word = [&](std::size_t maxPieces) {
    std::string text;
    for (std::size_t n = 1 + pick(maxPieces); n > 0; --n) {
      text += pieces[pick(pieces.size())];
    }
    return text;
  };
  for (int round = 0; round < 3000; ++round) {
    std::vector<std::string> names;
    for (std::size_t n = 1 + pick(round % 4 == 0 ? 100 : 6); n > 0; --n) {
      names.push_back(word(3));
    }
    const std::string page = word(20);
    std::vector<std::string> shuffled = names;
    shuffled.insert(shuffled.end(), names.begin(), names.begin() + pick(names.size()));
    std::shuffle(shuffled.begin(), shuffled.end(), random);
    const std::string expected = linkByHand(page, names);
    ASSERT_EQ(expected, WordLinker(bracketLinks(names)).applyTo(page)) << "page \"" << page << "\"";
    ASSERT_EQ(expected, WordLinker(bracketLinks(shuffled)).applyTo(page))
        << "page \"" << page << "\"";
  }
}

// A page's overrides stand in for the links of their names on that page alone: another
// replacement, or, with none, the name left as text, read past whole so that no shorter name is
// linked inside it. An override counts only where its name is the longest at a place, and
// overrides of names the list does not hold change nothing.
TEST(WordLinks, OverridesStandInForTheLinksOfTheirNamesOnOnePage) {
  const WordLinker linker(
      bracketLinks({"smooth", "smo", "Do", "Do Something", "Something", "a.b", "b"}));
  const struct {
    std::vector<LinkOverride> overrides;
    const char* page;
    const char* linked;
  } cases[] = {
      {{{"smooth", "{smooth}"}}, "smooth smo", "{smooth} [smo]"},
      {{{"smooth", std::nullopt}}, " smooth x smo", " smooth x [smo]"},
      {{{"Do Something", std::nullopt}}, "Do Something, Do", "Do Something, [Do]"},
      {{{"Do", std::nullopt}}, "Do Something, Do", "[Do Something], Do"},
      {{{"a.b", std::nullopt}}, "a.b b", "a.b [b]"},
      {{{"a.b", "{a.b}"}, {"b", std::nullopt}}, "a.b b", "{a.b} b"},
      {{{"Nobody", std::nullopt}, {"Other", "{Other}"}},
       "smooth Nobody Other",
       "[smooth] Nobody Other"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.linked, linker.applyTo(c.page, c.overrides)) << c.page;
  }
}

}  // namespace
}  // namespace inkwright
