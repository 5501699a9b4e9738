#include "html/links/markup.h"

#include <gtest/gtest.h>

#include <string>

namespace inkwright {
namespace {

TEST(Markup, FindsTheFirstLessThanThatBeginsMarkup) {
  const struct {
    const char* page;
    std::size_t from;
    std::size_t markup;
  } cases[] = {
      {"<p>", 0, 0},         {"a<p>", 0, 1},      {"ab<p>", 0, 2},
      {"\n<li>", 0, 1},      {"a < b <p>", 0, 6}, {"<1<p>", 0, 2},
      {"<<p>", 0, 1},        {"< <", 0, 3},       {"x<", 0, 2},
      {"<", 0, 1},           {"<p><b>", 1, 3},    {"<p>", 1, 3},
      {"a<!-- c -->", 0, 1}, {"a<?x?>", 0, 1},    {"a</x>", 0, 1},
      {"a<Ax>", 0, 1},       {"", 0, 0},          {"text only", 0, 9},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.markup, nextMarkup(c.page, c.from)) << '"' << c.page << "\" from " << c.from;
  }
}

// A tag ends after its first ">", whatever its length and wherever it stands in the page: short
// tags are read a word at a time, others searched, and a tag near the end of the page has fewer
// bytes after it than a word.
TEST(Markup, EndsATagAfterItsFirstGreaterThanWhateverItsLength) {
  for (std::size_t length = 1; length <= 14; ++length) {
    const std::string tag = "<" + std::string(length, 'i') + ">";
    for (const std::string after : {"", "c", "> and more text"}) {
      const std::string page = "ab" + tag + after;
      EXPECT_EQ(2 + tag.size(), tagEnd(page, 2)) << '"' << page << '"';
    }
    const std::string unclosed = "ab" + tag.substr(0, tag.size() - 1);
    EXPECT_EQ(unclosed.size(), tagEnd(unclosed, 2)) << '"' << unclosed << '"';
  }
}

TEST(Markup, EndsACommentAtItsCloseOnly) {
  const struct {
    const char* page;
    std::size_t end;
  } cases[] = {
      {"<!-- > -->x", 10},         {"<!-->-->", 8},          {"<!-- a > b > c -->", 18},
      {"<!-- never closed >", 19}, {"<!DOCTYPE html>x", 15}, {"<!x>", 4},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.end, tagEnd(c.page, 0)) << '"' << c.page << '"';
  }
}

}  // namespace
}  // namespace inkwright
