#include "html/links/nametrie.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <random>
#include <string>
#include <vector>

namespace inkwright {
namespace {

// Appends one reported prefix as "first-end:length", so that cases read at a glance.
void addPrefix(std::string& found, std::size_t first, std::size_t end, std::size_t length) {
  if (!found.empty()) {
    found += ' ';
  }
  found += std::to_string(first) + "-" + std::to_string(end) + ":" + std::to_string(length);
}

std::string prefixesOf(const NameTrie& trie, std::string_view text) {
  std::string found;
  trie.forEachPrefix(text, [&](std::uint32_t first, std::uint32_t end, std::size_t length) {
    addPrefix(found, first, end, length);
  });
  return found;
}

NameTrie trieOf(const std::vector<std::string_view>& names) { return NameTrie(names); }

// The worked example of note [automatic links], in both directions: the positions change with the
// direction, the names found do not; a label cut short by the text or by another byte ends the
// walk.
TEST(NameTrie, ReportsEveryNameThatBeginsTheTextShortestFirst) {
  const NameTrie ascending = trieOf({"href", "play", "playsound"});
  const NameTrie descending = trieOf({"playsound", "play", "href"});
  const struct {
    std::string_view text;
    const char* ascending;
    const char* descending;
  } cases[] = {
      {"playsound or", "1-2:4 2-3:9", "1-2:4 0-1:9"},
      {"plays", "1-2:4", "1-2:4"},
      {"playsOund", "1-2:4", "1-2:4"},
      {"pla", "", ""},
      {"href=", "0-1:4", "2-3:4"},
      {" play", "", ""},
      {"", "", ""},
  };
  for (const auto& example : cases) {
    EXPECT_EQ(example.ascending, prefixesOf(ascending, example.text)) << example.text;
    EXPECT_EQ(example.descending, prefixesOf(descending, example.text)) << example.text;
  }
}

TEST(NameTrie, EqualNamesEndAtOneNodeAsOneRange) {
  EXPECT_EQ("0-1:1 1-4:2 4-5:3", prefixesOf(trieOf({"a", "ab", "ab", "ab", "abc"}), "abcd"));
  EXPECT_EQ("4-5:1 1-4:2 0-1:3", prefixesOf(trieOf({"abc", "ab", "ab", "ab", "a"}), "abcd"));
  EXPECT_EQ("0-3:1", prefixesOf(trieOf({"x", "x", "x"}), "xx"));
}

TEST(NameTrie, TellsTheBytesThatBeginNames) {
  const NameTrie shared = trieOf({"lbPlay", "lbStop", "lbStopAll"});
  EXPECT_EQ('l', shared.soleFirstByte());
  EXPECT_TRUE(shared.beginsName('l'));
  EXPECT_FALSE(shared.beginsName('b'));
  EXPECT_EQ(9u, shared.longestName());
  // A byte from 128 up is a byte like any other, not a negative number.
  EXPECT_EQ(0xE9, trieOf({"\xE9t\xE9", "\xE9tat"}).soleFirstByte());
  EXPECT_EQ(-1, trieOf({"a", "b"}).soleFirstByte());
  const NameTrie empty = trieOf({});
  EXPECT_EQ(-1, empty.soleFirstByte());
  EXPECT_EQ(0u, empty.longestName());
  EXPECT_EQ("", prefixesOf(empty, "a"));
}

// The slow way: for every length, the positions of the names equal to that many bytes of text.
std::string prefixesByHand(const std::vector<std::string>& names, std::string_view text) {
  std::string found;
  for (std::size_t length = 1; length <= text.size(); ++length) {
    const auto equal = [&](const std::string& name) { return name == text.substr(0, length); };
    const auto first = std::find_if(names.begin(), names.end(), equal);
    if (first != names.end()) {
      const auto end = std::find_if_not(first, names.end(), equal);
      addPrefix(found, first - names.begin(), end - names.begin(), length);
    }
  }
  return found;
}

// Names over a few bytes (one from 128 up), so that they share prefixes, repeat and end inside
// one another's labels. Every fourth round takes many names over many bytes, most behind one
// prefix, so that nodes below the root have dozens of children.
TEST(NameTrie, SameAsComparingEveryName) {
  const std::string narrow = "ab\xE9<";
  std::string wide = narrow;
  for (char byte = 'A'; byte <= 'z'; ++byte) {
    wide += byte;
  }
  std::mt19937 random(20240901);
  const auto pick = [&](std::size_t bound) {
    return std::uniform_int_distribution<std::size_t>(0, bound - 1)(random);
  };
  for (int round = 0; round < 2000; ++round) {
    const bool isCrowded = round % 4 == 0;
    const std::string& alphabet = isCrowded ? wide : narrow;
    const auto word = [&](std::size_t maxLength) {
      std::string text = isCrowded && pick(4) != 0 ? "ab" : "";
      for (std::size_t n = pick(maxLength + 1); n > 0; --n) {
        text += alphabet[pick(alphabet.size())];
      }
      return text;
    };
    std::vector<std::string> names;
    for (std::size_t n = pick(isCrowded ? 400 : 8); n > 0; --n) {
      std::string name = word(isCrowded ? 3 : 5);
      if (!name.empty()) {
        names.push_back(std::move(name));
      }
    }
    if (round % 2 == 0) {
      std::sort(names.begin(), names.end());
    } else {
      std::sort(names.begin(), names.end(), std::greater<>());
    }
    const NameTrie trie(std::vector<std::string_view>(names.begin(), names.end()));
    for (int text = 0; text < 10; ++text) {
      // Half of the texts begin with a name, so that most walks go deep.
      const std::string page =
          !names.empty() && pick(2) == 0 ? names[pick(names.size())] + word(3) : word(7);
      ASSERT_EQ(prefixesByHand(names, page), prefixesOf(trie, page))
          << "text \"" << page << "\", round " << round;
    }
  }
}

}  // namespace
}  // namespace inkwright
