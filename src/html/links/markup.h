// Where a page's markup stands: what both kinds of automatic links must leave alone.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace inkwright {

// nextMarkup and tagEnd are inlined, since both kinds of links call them for every tag of every
// page; a page of readable text holds a tag for every few words. Their common cases are taken
// here, the rest by searchMarkup and searchTagEnd.

// Whether the "<" at `at` begins markup: a letter, "/", "!" or "?" follows it.
inline bool beginsMarkup(std::string_view page, std::size_t at) {
  if (at + 1 >= page.size()) {
    return false;
  }
  const char next = page[at + 1];
  return (next >= 'A' && next <= 'Z') || (next >= 'a' && next <= 'z') || next == '/' ||
         next == '!' || next == '?';
}

// nextMarkup by memchr alone.
std::size_t searchMarkup(std::string_view page, std::size_t from);

// The first "<" at or after `from` that begins markup: one followed by a letter, "/", "!" or "?";
// any other "<" is text. page.size() when there is none. Tags often follow one another
// ("</li><li>") or stand a line feed apart, so the two bytes at `from` are looked at first.
inline std::size_t nextMarkup(std::string_view page, std::size_t from) {
  for (std::size_t at = from; at < from + 2 && at < page.size(); ++at) {
    if (page[at] == '<' && beginsMarkup(page, at)) {
      return at;
    }
  }
  return searchMarkup(page, from);
}

// The place of the first ">" among the eight bytes at p, or 8 when none is one. Most tags are
// short ("<p>", "</li>", "<code>"), and the bytes after their "<" are read as one word, each byte
// compared at once, at less cost than a call to memchr or a loop over them. A byte equal to ">"
// turns to zero under the exclusive or, and the subtraction sets the top bit of the lowest zero
// byte; a borrow can set the bit of a byte above it too, never below, so the lowest bit is right.
inline std::size_t closeAmongEight(const char* p) {
  std::uint64_t word;
  std::memcpy(&word, p, sizeof word);
  const std::uint64_t x = word ^ 0x3e3e3e3e3e3e3e3eULL;
  const std::uint64_t zeros = (x - 0x0101010101010101ULL) & ~x & 0x8080808080808080ULL;
  return zeros == 0 ? 8 : static_cast<std::size_t>(std::countr_zero(zeros)) / 8;
}

// tagEnd without the look at a short tag's bytes.
std::size_t searchTagEnd(std::string_view page, std::size_t at);

// The end of the tag or comment ("<!--" to "-->") that begins at `at`; page.size() when it is not
// closed.
inline std::size_t tagEnd(std::string_view page, std::size_t at) {
  if constexpr (std::endian::native == std::endian::little) {
    if (page[at + 1] != '!' && page.size() - at > 8) {
      const std::size_t close = closeAmongEight(page.data() + at + 1);
      if (close < 8) {
        return at + close + 2;
      }
    }
  }
  return searchTagEnd(page, at);
}

// text with every searchText that begins outside markup replaced, as replaceAll replaces them.
std::string replaceAllOutsideMarkup(std::string_view text, std::string_view searchText,
                                    std::string_view replacement);

}  // namespace inkwright
