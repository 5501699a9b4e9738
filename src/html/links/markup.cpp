#include "html/links/markup.h"

#include <bit>
#include <cstdint>
#include <cstring>

namespace inkwright {

namespace {

bool isAsciiLetter(char byte) {
  return (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z');
}

// Whether the "<" at `at` begins markup.
bool beginsMarkup(std::string_view page, std::size_t at) {
  if (at + 1 >= page.size()) {
    return false;
  }
  const char next = page[at + 1];
  return isAsciiLetter(next) || next == '/' || next == '!' || next == '?';
}

// The place of the first ">" among the eight bytes at p, or 8 when none is one. Most tags are
// short ("<p>", "</li>", "<code>"), and the bytes after their "<" are read as one word, each byte
// compared at once, at less cost than a call to memchr or a loop over them. A byte equal to ">"
// turns to zero under the exclusive or, and the subtraction sets the top bit of the lowest zero
// byte; a borrow can set the bit of a byte above it too, never below, so the lowest bit is right.
std::size_t closeAmongEight(const char* p) {
  std::uint64_t word;
  std::memcpy(&word, p, sizeof word);
  const std::uint64_t x = word ^ 0x3e3e3e3e3e3e3e3eULL;
  const std::uint64_t zeros = (x - 0x0101010101010101ULL) & ~x & 0x8080808080808080ULL;
  return zeros == 0 ? 8 : static_cast<std::size_t>(std::countr_zero(zeros)) / 8;
}

}  // namespace

// Tags often follow one another ("</li><li>") or stand a line feed apart, as the blocks of
// readable text do, so the two bytes at `from` are looked at before memchr is called.
std::size_t nextMarkup(std::string_view page, std::size_t from) {
  for (const std::size_t at : {from, from + 1}) {
    if (at < page.size() && page[at] == '<' && beginsMarkup(page, at)) {
      return at;
    }
  }
  for (std::size_t at = page.find('<', from); at != std::string_view::npos;
       at = page.find('<', at + 1)) {
    if (beginsMarkup(page, at)) {
      return at;
    }
  }
  return page.size();
}

std::size_t tagEnd(std::string_view page, std::size_t at) {
  if (page[at + 1] == '!' && page.substr(at, 4) == "<!--") {
    const std::size_t close = page.find("-->", at + 4);
    return close == std::string_view::npos ? page.size() : close + 3;
  }
  std::size_t from = at + 1;
  if constexpr (std::endian::native == std::endian::little) {
    if (page.size() - from >= 8) {
      const std::size_t close = closeAmongEight(page.data() + from);
      if (close < 8) {
        return from + close + 1;
      }
      from += 8;
    }
  }
  const std::size_t close = page.find('>', from);
  return close == std::string_view::npos ? page.size() : close + 1;
}

std::string replaceAllOutsideMarkup(std::string_view text, std::string_view searchText,
                                    std::string_view replacement) {
  std::string result;
  std::size_t copied = 0;
  std::size_t markup = nextMarkup(text, 0);
  for (std::size_t at = text.find(searchText); !searchText.empty() && at != std::string::npos;) {
    while (markup < at) {
      const std::size_t end = tagEnd(text, markup);
      if (at < end) {
        break;
      }
      markup = nextMarkup(text, end);
    }
    if (markup <= at) {
      at = text.find(searchText, tagEnd(text, markup));
      continue;
    }
    result.append(text, copied, at - copied);
    result += replacement;
    copied = at + searchText.size();
    at = text.find(searchText, copied);
  }
  result.append(text, copied);
  return result;
}

}  // namespace inkwright
