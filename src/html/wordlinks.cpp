#include "html/wordlinks.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <limits>
#include <tuple>

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
// trie, walked from each place where a word may begin; at other places, a look into a table or two
// decides. In bench/autolinks.sh, five runs of the best of ten, linking 4,000
// pages (12.7 MB) took 41 to 53 ms with 20,000 names, against 28 to 34 ms for the default links,
// and 64 to 81 ms with 50,000 names, against 35 to 48. Building the trie took 5 ms instead of 2,
// and 15 to 19 ms instead of 6. Those times predate the changes that follow.
// Counted with callgrind over a whole run of the bench library (generate.py) with every page
// switch on, the first engine made a run cost 1.27 times the instructions of a run with none
// (445 M against 351 M at 2,000 entries; 4,594 M against 3,650 M at 20,000), where the four
// switches other than word links cost 1.09 times. Most of it went to looking at every byte for
// the first byte of a name, to tags ended with a search for the string ">" (memchr and memcmp),
// to memcmp calls on labels of a few bytes, and to walks along the dozens of children that the
// nodes after a shared prefix have. So: where every name begins with one byte, memchr finds the
// next place to try; labels are compared in a loop; a tag ends at the next ">" found as a byte;
// and the children of every node but the root are found in one hash table of edges. With every
// switch on, a run now costs 1.07 times one with none at 2,000 entries (377 M against 353 M) and
// 1.06 times at 20,000 (3,863 M against 3,650 M): less than the four other switches cost with the
// default links (385 M; 3,986 M). Every name of the bench library begins with "lb"; forced to look
// each byte up in the table instead, as names with many first bytes make it, the 2,000-entry run
// costs 397 M (1.13 times).

namespace {

constexpr std::uint32_t kNoLink = std::numeric_limits<std::uint32_t>::max();
// Longer runs of name bytes after "&" are no entity as far as linking is concerned.
constexpr std::size_t kMaxEntityName = 32;

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

char lowerAscii(char byte) { return byte >= 'A' && byte <= 'Z' ? byte - 'A' + 'a' : byte; }

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
    if (lowerAscii(page[at + i]) != name[i]) {
      return false;
    }
  }
  const std::size_t after = at + name.size();
  return after == page.size() || page[after] == '>' || page[after] == '/' || page[after] == ' ' ||
         page[after] == '\t' || page[after] == '\n' || page[after] == '\r';
}

// The first "<" at or after `from` that begins markup; page.size() when there is none.
std::size_t nextMarkup(std::string_view page, std::size_t from) {
  for (std::size_t at = page.find('<', from); at != std::string_view::npos;
       at = page.find('<', at + 1)) {
    if (at + 1 < page.size()) {
      const char next = page[at + 1];
      if (isAsciiLetter(next) || next == '/' || next == '!' || next == '?') {
        return at;
      }
    }
  }
  return page.size();
}

// The end of the tag or comment that begins at `at`.
std::size_t tagEnd(std::string_view page, std::size_t at) {
  if (page[at + 1] == '!' && page.substr(at, 4) == "<!--") {
    const std::size_t close = page.find("-->", at + 4);
    return close == std::string_view::npos ? page.size() : close + 3;
  }
  const std::size_t close = page.find('>', at + 1);
  return close == std::string_view::npos ? page.size() : close + 1;
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
  const char first = lowerAscii(page[at + 1]);
  if (first == 'a' && isElementNameAt(page, at + 1, "a")) {
    return closingTagEnd(page, end, "a");
  }
  if (first == 't' && isElementNameAt(page, at + 1, "title")) {
    return closingTagEnd(page, end, "title");
  }
  return end;
}

}  // namespace

WordLinker::WordLinker(std::vector<WordLink> links) : links_(std::move(links)) {
  std::erase_if(links_, [](const WordLink& link) { return link.searchName.empty(); });
  std::sort(links_.begin(), links_.end(), [](const WordLink& a, const WordLink& b) {
    return std::tie(a.searchName, a.replacement) < std::tie(b.searchName, b.replacement);
  });
  const auto duplicates = std::unique(
      links_.begin(), links_.end(),
      [](const WordLink& a, const WordLink& b) { return a.searchName == b.searchName; });
  links_.erase(duplicates, links_.end());
  addNodes();
}

// The names are sorted and distinct, so the names below a node form a range of the list, at most
// one of them ends at the node, and the bytes that all names of a child's range share are those
// the first and the last of them share: the child's label. Every node gets its children as one
// block of consecutive nodes.
void WordLinker::addNodes() {
  struct Unbuilt {
    std::uint32_t node;
    std::uint32_t begin;
    std::uint32_t end;
    std::size_t depth;
  };
  nodes_.push_back(Node{0, 0, 0, 0, kNoLink});
  firstByte_.push_back(0);
  std::vector<Unbuilt> unbuilt{{0, 0, static_cast<std::uint32_t>(links_.size()), 0}};
  while (!unbuilt.empty()) {
    const Unbuilt parent = unbuilt.back();
    unbuilt.pop_back();
    nodes_[parent.node].firstChild = static_cast<std::uint32_t>(nodes_.size());
    std::uint32_t i = parent.begin;
    if (i < parent.end && links_[i].searchName.size() == parent.depth) {
      nodes_[parent.node].link = i++;
    }
    while (i < parent.end) {
      const std::string_view first = links_[i].searchName;
      std::uint32_t end = i + 1;
      while (end < parent.end && links_[end].searchName[parent.depth] == first[parent.depth]) {
        ++end;
      }
      const std::string_view last = links_[end - 1].searchName;
      const std::size_t shared = std::mismatch(first.begin() + parent.depth, first.end(),
                                               last.begin() + parent.depth, last.end())
                                     .first -
                                 first.begin();
      const auto child = static_cast<std::uint32_t>(nodes_.size());
      nodes_.push_back(Node{static_cast<std::uint32_t>(labels_.size()),
                            static_cast<std::uint32_t>(shared - parent.depth), 0, 0, kNoLink});
      labels_ += first.substr(parent.depth, shared - parent.depth);
      firstByte_.push_back(static_cast<unsigned char>(first[parent.depth]));
      ++nodes_[parent.node].childCount;
      if (parent.node == 0) {
        rootChild_[static_cast<unsigned char>(first[0])] = child;
      }
      unbuilt.push_back(Unbuilt{child, i, end, shared});
      i = end;
    }
  }
  addEdges();
  if (nodes_[0].childCount == 1) {
    soleFirstByte_ = firstByte_[nodes_[0].firstChild];
  }
}

// The child of node whose label begins with byte; 0 when there is none. The root, where every
// walk begins, has a table by byte; the other nodes have few children.
std::uint32_t WordLinker::childOf(std::uint32_t node, unsigned char byte) const {
  if (node == 0) {
    return rootChild_[byte];
  }
  const std::uint64_t key = edgeKey(node, byte);
  for (std::size_t slot = edgeSlot(key);; slot = (slot + 1) & (edges_.size() - 1)) {
    if (edges_[slot].key == key) {
      return edges_[slot].child;
    }
    if (edges_[slot].key == 0) {
      return 0;
    }
  }
}

// One table of every edge below the root, open addressed and at most half full, so that finding
// a child takes a probe or two instead of a walk along the children: the names of a library
// share their prefix, and the nodes after it have dozens of children.
void WordLinker::addEdges() {
  std::size_t size = 2;
  while (size < 2 * nodes_.size()) {
    size *= 2;
  }
  edgeShift_ = 64 - std::countr_zero(size);
  edges_.assign(size, Edge{});
  for (std::uint32_t node = 1; node < nodes_.size(); ++node) {
    const Node& parent = nodes_[node];
    for (std::uint32_t child = parent.firstChild; child < parent.firstChild + parent.childCount;
         ++child) {
      const std::uint64_t key = edgeKey(node, firstByte_[child]);
      std::size_t slot = edgeSlot(key);
      while (edges_[slot].key != 0) {
        slot = (slot + 1) & (size - 1);
      }
      edges_[slot] = Edge{key, child};
    }
  }
}

std::size_t WordLinker::edgeSlot(std::uint64_t key) const {
  return static_cast<std::size_t>((key * 0x9E3779B97F4A7C15ULL) >> edgeShift_);
}

// The longest name that begins at `begin`, ends at a word end and stays before `end`; its link is
// kNoLink when there is none.
WordLinker::Match WordLinker::longestMatch(std::string_view page, std::size_t begin,
                                           std::size_t end) const {
  Match best{kNoLink, begin};
  std::uint32_t node = 0;
  std::size_t at = begin;
  while (at < end) {
    const std::uint32_t child = childOf(node, static_cast<unsigned char>(page[at]));
    if (child == 0) {
      break;
    }
    // Labels are a few bytes long, and their first byte is already known to match: a loop beats
    // a call of memcmp.
    const std::size_t length = nodes_[child].labelLength;
    if (end - at < length) {
      break;
    }
    const char* label = labels_.data() + nodes_[child].labelBegin;
    std::size_t same = 1;
    while (same < length && page[at + same] == label[same]) {
      ++same;
    }
    if (same < length) {
      break;
    }
    node = child;
    at += length;
    if (nodes_[node].link != kNoLink && isWordEnd(page, at)) {
      best = Match{nodes_[node].link, at};
    }
  }
  return best;
}

// The first place from `at` on, before end, whose byte begins some name; end when there is none.
// Where every name begins with one byte (as the names of a library often share a prefix), memchr
// finds it many bytes at a time.
std::size_t WordLinker::nextNameByte(std::string_view page, std::size_t at, std::size_t end) const {
  if (soleFirstByte_ >= 0) {
    const void* found = std::memchr(page.data() + at, soleFirstByte_, end - at);
    return found == nullptr ? end : static_cast<const char*>(found) - page.data();
  }
  while (at < end && rootChild_[static_cast<unsigned char>(page[at])] == 0) {
    ++at;
  }
  return at;
}

// Links the text from begin to end (no markup in between) into result, which holds the page up to
// `copied`.
void WordLinker::linkText(std::string_view page, std::size_t begin, std::size_t end,
                          std::string& result, std::size_t& copied) const {
  std::size_t at = begin;
  while (at < end) {
    at = nextNameByte(page, at, end);
    if (at == end) {
      break;
    }
    if (!isWordStart(page, at)) {
      ++at;
      continue;
    }
    const Match match = longestMatch(page, at, end);
    if (match.link == kNoLink) {
      ++at;
      continue;
    }
    result.append(page.substr(copied, at - copied));
    result += links_[match.link].replacement;
    copied = at = match.end;
  }
}

std::string WordLinker::applyTo(std::string_view page) const {
  std::string result;
  // Links make a page of prose about a third longer.
  result.reserve(page.size() + page.size() / 2);
  std::size_t copied = 0;
  std::size_t at = 0;
  while (at < page.size()) {
    const std::size_t markup = nextMarkup(page, at);
    linkText(page, at, markup, result, copied);
    at = markup < page.size() ? markupEnd(page, markup) : markup;
  }
  result.append(page.substr(copied));
  return result;
}

}  // namespace inkwright
