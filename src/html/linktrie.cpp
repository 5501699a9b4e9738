#include "html/linktrie.h"

#include <algorithm>
#include <cassert>
#include <limits>

namespace inkwright {

namespace {

constexpr std::size_t kNoLink = std::numeric_limits<std::size_t>::max();

std::string_view nameOf(const AutoLink& link) {
  return std::string_view(link.searchText).substr(1);
}

// Whether text holds the length bytes of label at position at. Labels are a few bytes, too short
// for a call to memcmp.
bool startsAt(std::string_view text, std::size_t at, const char* label, std::size_t length) {
  if (text.size() - at < length) {
    return false;
  }
  for (std::size_t i = 0; i < length; ++i) {
    if (text[at + i] != label[i]) {
      return false;
    }
  }
  return true;
}

// The end of the group of names from begin on (before end) that go on with the same byte at depth
// as the name at begin, which is longer than depth.
std::uint32_t groupEnd(std::span<const AutoLink> links, std::uint32_t begin, std::uint32_t end,
                       std::size_t depth) {
  const char byte = nameOf(links[begin])[depth];
  std::uint32_t i = begin + 1;
  while (i < end && nameOf(links[i]).size() > depth && nameOf(links[i])[depth] == byte) {
    ++i;
  }
  return i;
}

// A blank's run of bytes still to be linked, as a chain of pieces (-1 for none), and the first
// link that may still apply there.
struct PendingRun {
  std::int32_t chain;
  std::size_t firstLink;
};

}  // namespace

bool isTrieLink(const AutoLink& link) {
  return link.searchText.size() >= 2 && link.searchText[0] == ' ' &&
         link.searchText.find(' ', 1) == std::string::npos && !link.replacement.empty() &&
         link.replacement[0] == ' ';
}

// The runs still to be linked, on a stack in text order, and the pieces of their bytes.
struct LinkTrie::Expansion {
  struct Piece {
    std::string_view bytes;
    std::int32_t next;
  };

  std::vector<PendingRun> stack;
  std::vector<Piece> pieces;
  std::string front;

  // The chain of bytes, then the chain next. Pieces are never empty.
  std::int32_t prepend(std::string_view bytes, std::int32_t next) {
    if (bytes.empty()) {
      return next;
    }
    pieces.push_back(Piece{bytes, next});
    return static_cast<std::int32_t>(pieces.size() - 1);
  }

  // The chain without its first count bytes (which it holds).
  std::int32_t dropFront(std::int32_t chain, std::size_t count) {
    while (count > 0) {
      const Piece piece = pieces[chain];
      if (count < piece.bytes.size()) {
        return prepend(piece.bytes.substr(count), piece.next);
      }
      count -= piece.bytes.size();
      chain = piece.next;
    }
    return chain;
  }

  // The first bytes of the chain, at most limit of them.
  std::string_view frontOf(std::int32_t chain, std::size_t limit) {
    front.clear();
    for (; chain >= 0 && front.size() < limit; chain = pieces[chain].next) {
      front += pieces[chain].bytes.substr(0, limit - front.size());
    }
    return front;
  }

  void appendTo(std::string& result, std::int32_t chain) const {
    for (; chain >= 0; chain = pieces[chain].next) {
      result += pieces[chain].bytes;
    }
  }
};

LinkTrie::LinkTrie(std::span<const AutoLink> links) {
  assert(std::is_sorted(
             links.begin(), links.end(),
             [](const AutoLink& a, const AutoLink& b) { return a.searchText < b.searchText; }) ||
         std::is_sorted(links.begin(), links.end(), [](const AutoLink& a, const AutoLink& b) {
           return a.searchText > b.searchText;
         }));
  assert(std::all_of(links.begin(), links.end(), isTrieLink));
  for (const AutoLink& link : links) {
    maxNameLength_ = std::max(maxNameLength_, nameOf(link).size());
  }
  addNodes(links);
  splitReplacements(links);
}

// The names are sorted, so the names below a node form a range of the list. Every node gets its
// children as one block of consecutive nodes.
void LinkTrie::addNodes(std::span<const AutoLink> links) {
  nodes_.emplace_back();
  firstByte_.push_back(0);
  std::vector<Unbuilt> unbuilt{{0, 0, static_cast<std::uint32_t>(links.size()), 0}};
  while (!unbuilt.empty()) {
    const Unbuilt parent = unbuilt.back();
    unbuilt.pop_back();
    addChildren(links, parent, unbuilt);
  }
}

// Within the parent's range, the names that end at the parent and the names that go on with one
// byte each stand together, and the bytes that all names of such a group share are those the first
// and the last of them share: those are the label of the group's child.
void LinkTrie::addChildren(std::span<const AutoLink> links, const Unbuilt& parent,
                           std::vector<Unbuilt>& unbuilt) {
  nodes_[parent.node].firstChild = static_cast<std::uint32_t>(nodes_.size());
  std::uint32_t i = parent.begin;
  while (i < parent.end) {
    const std::string_view name = nameOf(links[i]);
    if (name.size() == parent.depth) {
      if (nodes_[parent.node].linkEnd == 0) {
        nodes_[parent.node].linkBegin = i;
      }
      nodes_[parent.node].linkEnd = ++i;
      continue;
    }
    const std::uint32_t end = groupEnd(links, i, parent.end, parent.depth);
    const std::string_view last = nameOf(links[end - 1]);
    const std::size_t shared = std::mismatch(name.begin() + parent.depth, name.end(),
                                             last.begin() + parent.depth, last.end())
                                   .first -
                               name.begin();
    const std::string_view label = name.substr(parent.depth, shared - parent.depth);
    const auto child = static_cast<std::uint32_t>(nodes_.size());
    nodes_.push_back(Node{static_cast<std::uint32_t>(labels_.size()),
                          static_cast<std::uint32_t>(label.size()), 0, 0, 0, 0});
    labels_ += label;
    firstByte_.push_back(static_cast<unsigned char>(label[0]));
    ++nodes_[parent.node].childCount;
    if (parent.node == 0) {
      rootChild_[static_cast<unsigned char>(label[0])] = child;
    }
    unbuilt.push_back(Unbuilt{child, i, end, shared});
    i = end;
  }
}

// The replacements stand one after the other in one text, in the order of the links, so that
// copying one into a page does not first fetch it from wherever the list's text happens to be.
void LinkTrie::splitReplacements(std::span<const AutoLink> links) {
  replacementStart_.reserve(links.size() + 1);
  for (const AutoLink& link : links) {
    replacementStart_.push_back(static_cast<std::uint32_t>(replacements_.size()));
    replacements_ += link.replacement;
  }
  replacementStart_.push_back(static_cast<std::uint32_t>(replacements_.size()));
  segmentStart_.reserve(links.size() + 1);
  for (std::size_t link = 0; link < links.size(); ++link) {
    segmentStart_.push_back(static_cast<std::uint32_t>(segments_.size()));
    const std::string_view replacement = replacementOf(link);
    std::size_t blank = 0;
    while (blank != std::string_view::npos) {
      const std::size_t next = replacement.find(' ', blank + 1);
      segments_.push_back(replacement.substr(blank + 1, next - blank - 1));
      blank = next;
    }
  }
  segmentStart_.push_back(static_cast<std::uint32_t>(segments_.size()));
  isInert_.reserve(links.size());
  for (std::size_t link = 0; link < links.size(); ++link) {
    isInert_.push_back(isInert(segmentStart_[link], segmentStart_[link + 1]));
  }
}

std::string_view LinkTrie::replacementOf(std::size_t link) const {
  return std::string_view(replacements_)
      .substr(replacementStart_[link], replacementStart_[link + 1] - replacementStart_[link]);
}

// Whether no name can begin at a blank of the replacement whose segments are those from first to
// end, whatever follows it: then the replacement stands in the page as it is. Of the link markup
// " <a href=...", that holds unless some name begins with "<" or "h".
bool LinkTrie::isInert(std::uint32_t first, std::uint32_t end) const {
  for (std::uint32_t segment = first; segment < end; ++segment) {
    const std::string_view piece = segments_[segment];
    const bool isLast = segment + 1 == end;
    if (piece.empty() ? isLast : rootChild_[static_cast<unsigned char>(piece[0])] != 0) {
      return false;
    }
  }
  return true;
}

// The child of node whose label begins with byte; 0 when there is none. The root, where every
// blank begins a walk, has a table by byte; the other nodes have few children.
std::uint32_t LinkTrie::childOf(std::uint32_t node, unsigned char byte) const {
  if (node == 0) {
    return rootChild_[byte];
  }
  const Node& parent = nodes_[node];
  const std::uint32_t end = parent.firstChild + parent.childCount;
  for (std::uint32_t candidate = parent.firstChild; candidate < end; ++candidate) {
    if (firstByte_[candidate] == byte) {
      return candidate;
    }
  }
  return 0;
}

// The first link from firstLink to endLink whose name begins the run, with the name's length; the
// link is kNoLink when there is none.
LinkTrie::Match LinkTrie::firstMatch(std::string_view run, std::size_t firstLink,
                                     std::size_t endLink) const {
  Match best{kNoLink, 0};
  std::uint32_t node = 0;
  std::size_t at = 0;
  while (at < run.size()) {
    const std::uint32_t child = childOf(node, static_cast<unsigned char>(run[at]));
    if (child == 0 ||
        !startsAt(run, at, labels_.data() + nodes_[child].labelBegin, nodes_[child].labelLength)) {
      break;
    }
    node = child;
    at += nodes_[node].labelLength;
    const std::size_t candidate = std::max<std::size_t>(nodes_[node].linkBegin, firstLink);
    if (candidate < std::min<std::size_t>(nodes_[node].linkEnd, endLink) && candidate < best.link) {
      best = Match{candidate, at};
    }
  }
  return best;
}

// Pushes the runs that the blanks of the link's replacement start, the last one followed by the
// chain rest, so that they come off the stack in text order.
void LinkTrie::pushSegments(std::size_t link, std::int32_t rest, Expansion& expansion) const {
  std::uint32_t segment = segmentStart_[link + 1] - 1;
  expansion.stack.push_back(PendingRun{expansion.prepend(segments_[segment], rest), link + 1});
  while (segment > segmentStart_[link]) {
    --segment;
    expansion.stack.push_back(PendingRun{expansion.prepend(segments_[segment], -1), link + 1});
  }
}

// Appends what a blank becomes once `link` matched there and rest followed its name in the run.
// A run that a later name cuts into again keeps its bytes as a chain of pieces, so a name
// repeated many times costs as much as the text it makes, never more.
void LinkTrie::expandLink(std::size_t link, std::size_t endLink, std::string_view rest,
                          std::string& result, Expansion& expansion) const {
  pushSegments(link, expansion.prepend(rest, -1), expansion);
  while (!expansion.stack.empty()) {
    const PendingRun run = expansion.stack.back();
    expansion.stack.pop_back();
    Match match{kNoLink, 0};
    if (run.chain >= 0 &&
        rootChild_[static_cast<unsigned char>(expansion.pieces[run.chain].bytes[0])] != 0) {
      match = firstMatch(expansion.frontOf(run.chain, maxNameLength_), run.firstLink, endLink);
    }
    if (match.link == kNoLink) {
      result += ' ';
      expansion.appendTo(result, run.chain);
      continue;
    }
    const std::int32_t after = expansion.dropFront(run.chain, match.nameLength);
    if (isInert_[match.link]) {
      result += replacementOf(match.link);
      expansion.appendTo(result, after);
    } else {
      pushSegments(match.link, after, expansion);
    }
  }
  expansion.pieces.clear();
}

// The first blank at or after from that is followed by a byte that begins some name;
// page.size() when there is none. Most blanks of a page are not.
std::size_t LinkTrie::nextCandidate(std::string_view page, std::size_t from) const {
  for (std::size_t at = page.find(' ', from); at != std::string_view::npos && at + 1 < page.size();
       at = page.find(' ', at + 1)) {
    if (rootChild_[static_cast<unsigned char>(page[at + 1])] != 0) {
      return at;
    }
  }
  return page.size();
}

std::string LinkTrie::applyTo(std::string_view page, std::size_t firstLink,
                              std::size_t endLink) const {
  std::string result;
  // Links make a page of prose about a third longer.
  result.reserve(page.size() + page.size() / 2);
  Expansion expansion;
  std::size_t copied = 0;
  for (std::size_t blank = nextCandidate(page, 0); blank < page.size();) {
    const Match match = firstMatch(page.substr(blank + 1), firstLink, endLink);
    if (match.link == kNoLink) {
      blank = nextCandidate(page, blank + 1);
      continue;
    }
    const std::size_t restBegin = blank + 1 + match.nameLength;
    const std::size_t runEnd = std::min(page.find(' ', restBegin), page.size());
    result.append(page.substr(copied, blank - copied));
    const std::string_view rest = page.substr(restBegin, runEnd - restBegin);
    if (isInert_[match.link]) {
      result += replacementOf(match.link);
      result += rest;
    } else {
      expandLink(match.link, endLink, rest, result, expansion);
    }
    copied = runEnd;
    blank = nextCandidate(page, runEnd);
  }
  result.append(page.substr(copied));
  return result;
}

}  // namespace inkwright
