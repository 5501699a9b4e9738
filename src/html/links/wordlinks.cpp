#include "html/links/wordlinks.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <limits>
#include <tuple>

#include "html/links/markup.h"
#include "text/text.h"

namespace inkwright {

// note [word links]
// A word link makes a link where a name stands as a word of its own, wherever that is: after a
// blank, a "(", a "," or a tab, or at the start of a line, but never inside a longer word.
// - A word byte is A-Z, a-z, 0-9, "_" or any byte from 128 up (so a word of UTF-8 letters stays
//   one word). A name matches where the byte before it and the byte after it are no word bytes,
//   or are the ends of the page. The name's own bytes are not asked: "a<b" and "OpenSM:" are
//   names like any other.
// - Only the text between tags is linked. A tag runs from a "<" followed by a letter, "/", "!"
//   or "?" to the next ">" (a comment "<!--" to the next "-->"); any other "<" is text. The
//   whole of a <title> element and of an <a> element is passed over, so that no link lands in
//   the page's title or inside a link that is already there.
// - An entity ("&lt;", "&#60;", "&#x3C;") is one character to the reader: a name may begin with
//   one or end with one when it holds one itself (escaped names do), but a match never begins or
//   ends inside one, so the name "lt" is not found in "&lt;".
// - The page is read once, left to right. At each place the longest name that matches is linked,
//   and the reading goes on after it: what a link inserts is never read again.
// So a match depends only on the set of names, never on their order. The names are kept in a
// trie (NameTrie), walked from each place where a word may begin; at other places, a look into a
// table or two decides. Where every name begins with one byte, as the names of a library often
// share a prefix, memchr finds the next place to try many bytes at a time: counted with callgrind
// over a whole run of the 2,000-entry bench library (every name begins with "lb") with every page
// switch on, a run costs 377 M instructions this way and 397 M looking each byte up in the table,
// as names with many first bytes make it.

namespace {

constexpr std::uint32_t kNoLink = std::numeric_limits<std::uint32_t>::max();
// Longer runs of name bytes after "&" are no entity as far as linking is concerned.
constexpr std::size_t kMaxEntityName = 32;
// Texts of at most this many bytes are searched for a name's first byte without memchr.
constexpr std::size_t kShortText = 8;

constexpr std::array<bool, 256> wordBytes() {
  std::array<bool, 256> table = {};
  for (int byte = 0; byte < 256; ++byte) {
    table[byte] = (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z') ||
                  (byte >= '0' && byte <= '9') || byte == '_' || byte >= 128;
  }
  return table;
}
constexpr std::array<bool, 256> kIsWordByte = wordBytes();

bool isWordByte(char byte) { return kIsWordByte[static_cast<unsigned char>(byte)]; }

bool isAsciiLetter(char byte) {
  return (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z');
}

bool isAsciiAlnum(char byte) { return isAsciiLetter(byte) || (byte >= '0' && byte <= '9'); }

// The end (after its ";") of the entity that begins at the "&" at `at`; 0 when none does.
std::size_t entityEnd(std::string_view page, std::size_t at) {
  std::size_t i = at + 1;
  if (i < page.size() && page[i] == '#') {
    ++i;
  }
  const std::size_t nameBegin = i;
  while (i < page.size() && i - nameBegin <= kMaxEntityName && isAsciiAlnum(page[i])) {
    ++i;
  }
  return i > nameBegin && i < page.size() && page[i] == ';' ? i + 1 : 0;
}

// Whether the place before page[at] lies inside an entity, past its "&" and before its end.
bool isInsideEntity(std::string_view page, std::size_t at) {
  for (std::size_t i = at; i > 0 && at - i <= kMaxEntityName + 1;) {
    --i;
    if (page[i] == '&') {
      return entityEnd(page, i) > at;
    }
    if (!isAsciiAlnum(page[i]) && page[i] != '#') {
      return false;
    }
  }
  return false;
}

// Whether a name may begin at `at`, given that page[at] begins some name.
bool isWordStart(std::string_view page, std::size_t at) {
  if (at == 0) {
    return true;
  }
  const char before = page[at - 1];
  return !isWordByte(before) && ((before != '&' && before != '#') || !isInsideEntity(page, at));
}

// Whether a name that began at a word start may end at `at`.
bool isWordEnd(std::string_view page, std::size_t at) {
  if (at == page.size()) {
    return true;
  }
  const char after = page[at];
  return !isWordByte(after) && ((after != ';' && after != '#') || !isInsideEntity(page, at));
}

// Whether page holds, at `at`, the element name `name` (any case) and nothing more of a name.
bool isElementNameAt(std::string_view page, std::size_t at, std::string_view name) {
  if (page.size() - at < name.size()) {
    return false;
  }
  for (std::size_t i = 0; i < name.size(); ++i) {
    if (asciiLower(page[at + i]) != name[i]) {
      return false;
    }
  }
  const std::size_t after = at + name.size();
  return after == page.size() || page[after] == '>' || page[after] == '/' || page[after] == ' ' ||
         page[after] == '\t' || page[after] == '\n' || page[after] == '\r';
}

// The end of the closing tag of the element `name` from `from` on; page.size() when it is not
// closed.
std::size_t closingTagEnd(std::string_view page, std::size_t from, std::string_view name) {
  for (std::size_t at = page.find("</", from); at != std::string_view::npos;
       at = page.find("</", at + 2)) {
    if (isElementNameAt(page, at + 2, name)) {
      return tagEnd(page, at);
    }
  }
  return page.size();
}

// The end of the markup that begins at `at`: the tag itself, or the whole element of a title or
// an existing link.
std::size_t markupEnd(std::string_view page, std::size_t at) {
  const std::size_t end = tagEnd(page, at);
  const char first = asciiLower(page[at + 1]);
  if (first == 'a' && isElementNameAt(page, at + 1, "a")) {
    return closingTagEnd(page, end, "a");
  }
  if (first == 't' && isElementNameAt(page, at + 1, "title")) {
    return closingTagEnd(page, end, "title");
  }
  return end;
}

// The links of non-empty names sorted by name, and of the links of one name only the one with the
// least replacement.
std::vector<WordLink> oneLinkPerName(std::vector<WordLink> links) {
  std::erase_if(links, [](const WordLink& link) { return link.searchName.empty(); });
  std::sort(links.begin(), links.end(), [](const WordLink& a, const WordLink& b) {
    return std::tie(a.searchName, a.replacement) < std::tie(b.searchName, b.replacement);
  });
  const auto duplicates = std::unique(
      links.begin(), links.end(),
      [](const WordLink& a, const WordLink& b) { return a.searchName == b.searchName; });
  links.erase(duplicates, links.end());
  return links;
}

std::vector<std::string_view> namesOf(const std::vector<WordLink>& links) {
  std::vector<std::string_view> names;
  names.reserve(links.size());
  for (const WordLink& link : links) {
    names.push_back(link.searchName);
  }
  return names;
}

}  // namespace

WordLinker::WordLinker(std::vector<WordLink> links)
    : links_(oneLinkPerName(std::move(links))), names_(namesOf(links_)) {}

// The longest name that begins at `begin`, ends at a word end and stays before `end`; its link is
// kNoLink when there is none.
WordLinker::Match WordLinker::longestMatch(std::string_view page, std::size_t begin,
                                           std::size_t end) const {
  Match best{kNoLink, begin};
  names_.forEachPrefix(page.substr(begin, end - begin),
                       [&](std::uint32_t link, std::uint32_t, std::size_t length) {
                         if (isWordEnd(page, begin + length)) {
                           best = Match{link, begin + length};
                         }
                       });
  return best;
}

// The first place from `at` on, before end, whose byte begins some name; end when there is none.
// Where every name begins with one byte (as the names of a library often share a prefix), memchr
// finds it many bytes at a time.
std::size_t WordLinker::nextNameByte(std::string_view page, std::size_t at, std::size_t end) const {
  if (names_.soleFirstByte() >= 0) {
    // The text between two tags is often a line feed or a few bytes, sooner read than handed to
    // memchr.
    if (end - at <= kShortText) {
      while (at < end && page[at] != static_cast<char>(names_.soleFirstByte())) {
        ++at;
      }
      return at;
    }
    const void* found = std::memchr(page.data() + at, names_.soleFirstByte(), end - at);
    return found == nullptr ? end : static_cast<const char*>(found) - page.data();
  }
  while (at < end && !names_.beginsName(static_cast<unsigned char>(page[at]))) {
    ++at;
  }
  return at;
}

// Links the text from `at`, a place whose byte begins some name, to end (no markup in between)
// into result, which holds the page up to `copied`.
void WordLinker::linkText(std::string_view page, std::size_t at, std::size_t end,
                          std::string& result, std::size_t& copied,
                          std::span<const Resolved> overrides) const {
  while (at < end) {
    const Match match = isWordStart(page, at) ? longestMatch(page, at, end) : Match{kNoLink, at};
    if (match.link == kNoLink) {
      at = nextNameByte(page, at + 1, end);
      continue;
    }
    const auto other = std::find_if(overrides.begin(), overrides.end(),
                                    [&](const Resolved& o) { return o.link == match.link; });
    if (other == overrides.end() || other->override->replacement) {
      result.append(page.substr(copied, at - copied));
      result +=
          other == overrides.end() ? links_[match.link].replacement : *other->override->replacement;
      copied = match.end;
    }
    at = nextNameByte(page, match.end, end);
  }
}

std::string WordLinker::applyTo(std::string_view page,
                                std::span<const LinkOverride> overrides) const {
  std::string result;
  // Links make a page of prose about a third longer.
  result.reserve(page.size() + page.size() / 2);
  appendTo(result, page, overrides);
  return result;
}

void WordLinker::appendTo(std::string& result, std::string_view page,
                          std::span<const LinkOverride> overrides) const {
  std::vector<Resolved> resolved;
  for (const LinkOverride& other : overrides) {
    const auto found = std::lower_bound(
        links_.begin(), links_.end(), other.searchText,
        [](const WordLink& link, const std::string& name) { return link.searchName < name; });
    if (found != links_.end() && found->searchName == other.searchText) {
      resolved.push_back(Resolved{static_cast<std::uint32_t>(found - links_.begin()), &other});
    }
  }
  std::size_t copied = 0;
  std::size_t at = 0;
  while (at < page.size()) {
    const std::size_t markup = nextMarkup(page, at);
    // Text without a byte that begins a name, as between two tags that follow one another, is
    // passed over without a call.
    const std::size_t name = nextNameByte(page, at, markup);
    if (name < markup) {
      linkText(page, name, markup, result, copied, resolved);
    }
    at = markup < page.size() ? markupEnd(page, markup) : markup;
  }
  result.append(page.substr(copied));
}

}  // namespace inkwright
