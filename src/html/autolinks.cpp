#include "html/autolinks.h"

#include <algorithm>
#include <bit>
#include <cassert>
#include <limits>

namespace inkwright {

// note [automatic links]
// The links apply one after the other, each a replaceAll over the whole page as the earlier ones
// left it, so a link inserted for one name can itself be linked by a later name. Done literally,
// that is one pass over every page for every entry: quadratic in the entries. We get the same
// bytes by looking only where a link can apply:
// - A search text is a blank and a name without blanks, so it matches only at a blank, and two
//   matches of one search text never overlap: every pass links every blank whose run (the bytes
//   up to the next blank) begins with its name.
// - A replacement only rewrites the blank it matched at and that blank's run. What happens at one
//   blank therefore depends on its run alone, and the blanks of the page can be handled one by one.
// - Link k rewrites " name rest" into its replacement followed by rest. The replacement's blanks
//   are new blanks; their runs are its pieces between blanks, the last one followed by rest. Pass
//   k does not search what it inserted, and passes before k are over, so only links after k can
//   apply at these blanks.
// So a blank with its run, and the first link that may still apply there, becomes: a blank and
// the run unchanged when no later link's name begins the run; otherwise, for the first such link,
// the same done for each blank of its replacement. A trie over the names finds that first link by
// walking the run once; links of one name form a range of the sorted list, kept at its node.
// Pathological names (such as "<a" many times over) chain these steps deeply, so they run on an
// explicit stack rather than by recursion.

namespace {

constexpr std::size_t kNoLink = std::numeric_limits<std::size_t>::max();

// Up to this many children are searched one by one.
constexpr std::uint32_t kSearchedChildren = 6;

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

// Eight bytes at once, the first one lowest: the high bit of every byte that is a blank is set in
// the result (and possibly that of a byte after a blank that is none, so every hit must be
// checked). Compilers read the eight bytes with one load.
std::uint64_t blankBits(const char* bytes) {
  std::uint64_t word = 0;
  for (int i = 7; i >= 0; --i) {
    word = word << 8 | static_cast<unsigned char>(bytes[i]);
  }
  const std::uint64_t blanksZeroed = word ^ 0x2020202020202020ULL;
  return (blanksZeroed - 0x0101010101010101ULL) & ~blanksZeroed & 0x8080808080808080ULL;
}

// The offset of the first byte that a hit of blankBits stands for, and the hits without it.
std::size_t takeFirstHit(std::uint64_t& hits) {
  const std::size_t offset = static_cast<std::size_t>(std::countr_zero(hits)) / 8;
  hits &= hits - 1;
  return offset;
}

}  // namespace

AutoLink autoLinkFor(const std::string& entryName) {
  return AutoLink{" " + entryName, " <a href=\"" + entryName + ".html\">" + entryName + "</a>"};
}

AutoLinker::AutoLinker(const std::vector<AutoLink>& links) {
  assert(std::is_sorted(
             links.begin(), links.end(),
             [](const AutoLink& a, const AutoLink& b) { return a.searchText < b.searchText; }) ||
         std::is_sorted(links.begin(), links.end(), [](const AutoLink& a, const AutoLink& b) {
           return a.searchText > b.searchText;
         }));
  for ([[maybe_unused]] const AutoLink& link : links) {
    assert(link.searchText.size() >= 2 && link.searchText.find(' ', 1) == std::string::npos);
    assert(!link.replacement.empty() && link.replacement.front() == ' ');
  }
  for (const AutoLink& link : links) {
    maxNameLength_ = std::max(maxNameLength_, nameOf(link).size());
  }
  buildTrie(links);
  splitReplacements(links);
}

// The names are sorted, so the names below a node form a range of the list; within it, the names
// that end at the node and the names that go on with one byte each stand together, and the bytes
// that all names of such a group share are those the first and the last of them share. Every node
// gets its children as one block of consecutive nodes.
void AutoLinker::buildTrie(const std::vector<AutoLink>& links) {
  struct Pending {
    std::uint32_t node;
    std::uint32_t begin;
    std::uint32_t end;
    std::size_t depth;
  };
  nodes_.emplace_back();
  firstByte_.push_back(0);
  std::vector<Pending> pending{{0, 0, static_cast<std::uint32_t>(links.size()), 0}};
  while (!pending.empty()) {
    const Pending at = pending.back();
    pending.pop_back();
    nodes_[at.node].firstChild = static_cast<std::uint32_t>(nodes_.size());
    std::uint32_t i = at.begin;
    while (i < at.end) {
      const std::string_view name = nameOf(links[i]);
      if (name.size() == at.depth) {
        if (nodes_[at.node].linkEnd == 0) {
          nodes_[at.node].linkBegin = i;
        }
        nodes_[at.node].linkEnd = ++i;
        continue;
      }
      std::uint32_t groupEnd = i + 1;
      while (groupEnd < at.end && nameOf(links[groupEnd]).size() > at.depth &&
             nameOf(links[groupEnd])[at.depth] == name[at.depth]) {
        ++groupEnd;
      }
      const std::string_view last = nameOf(links[groupEnd - 1]);
      const std::size_t shared =
          std::mismatch(name.begin() + at.depth, name.end(), last.begin() + at.depth, last.end())
              .first -
          name.begin();
      const auto child = static_cast<std::uint32_t>(nodes_.size());
      nodes_.push_back(Node{static_cast<std::uint32_t>(labels_.size()),
                            static_cast<std::uint32_t>(shared - at.depth), 0, 0, 0, 0, 0});
      labels_ += name.substr(at.depth, shared - at.depth);
      const auto byte = static_cast<unsigned char>(name[at.depth]);
      firstByte_.push_back(byte);
      ++nodes_[at.node].childCount;
      if (at.node == 0) {
        rootChild_[byte] = child;
      }
      pending.push_back(Pending{child, i, groupEnd, shared});
      i = groupEnd;
    }
  }
  // A node with many children finds the right one through a table by byte rather than a search.
  // The table holds the child's place in its block, plus one, so that a table takes a quarter of
  // the room and more of them stay in the cache; a blank begins no name, so the places fit a byte.
  for (Node& node : nodes_) {
    if (node.childCount > kSearchedChildren) {
      auto& table = childTables_.emplace_back();
      table.fill(0);
      for (std::uint32_t place = 0; place < node.childCount; ++place) {
        table[firstByte_[node.firstChild + place]] = static_cast<std::uint8_t>(place + 1);
      }
      node.childTable = static_cast<std::uint32_t>(childTables_.size());
    }
  }
}

// The replacements stand one after the other in one text, in the order of the links, so that
// copying one into a page does not first fetch it from wherever the list's text happens to be.
void AutoLinker::splitReplacements(const std::vector<AutoLink>& links) {
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

std::string_view AutoLinker::replacementOf(std::size_t link) const {
  return std::string_view(replacements_)
      .substr(replacementStart_[link], replacementStart_[link + 1] - replacementStart_[link]);
}

// Whether no name can begin at a blank of the replacement whose segments are those from first to
// end, whatever follows it: then the replacement stands in the page as it is. Of the link markup
// " <a href=...", that holds unless some name begins with "<" or "h".
bool AutoLinker::isInert(std::uint32_t first, std::uint32_t end) const {
  for (std::uint32_t segment = first; segment < end; ++segment) {
    const std::string_view piece = segments_[segment];
    const bool isLast = segment + 1 == end;
    if (piece.empty() ? isLast : rootChild_[static_cast<unsigned char>(piece[0])] != 0) {
      return false;
    }
  }
  return true;
}

// The first link at or after firstLink whose name begins the run, with the name's length; the link
// is kNoLink when there is none.
AutoLinker::Match AutoLinker::firstMatch(std::string_view run, std::size_t firstLink) const {
  Match best{kNoLink, 0};
  std::uint32_t node = 0;
  std::size_t at = 0;
  while (at < run.size()) {
    const auto byte = static_cast<unsigned char>(run[at]);
    std::uint32_t child = 0;
    if (node == 0) {
      child = rootChild_[byte];
    } else if (nodes_[node].childTable != 0) {
      const std::uint8_t place = childTables_[nodes_[node].childTable - 1][byte];
      child = place == 0 ? 0 : nodes_[node].firstChild + place - 1;
    } else {
      const std::uint32_t end = nodes_[node].firstChild + nodes_[node].childCount;
      for (std::uint32_t candidate = nodes_[node].firstChild; candidate < end; ++candidate) {
        if (firstByte_[candidate] == byte) {
          child = candidate;
          break;
        }
      }
    }
    if (child == 0 ||
        !startsAt(run, at, labels_.data() + nodes_[child].labelBegin, nodes_[child].labelLength)) {
      break;
    }
    node = child;
    at += nodes_[node].labelLength;
    const std::size_t candidate = std::max<std::size_t>(nodes_[node].linkBegin, firstLink);
    if (candidate < nodes_[node].linkEnd && candidate < best.link) {
      best = Match{candidate, at};
    }
  }
  return best;
}

// The runs still to be linked, on a stack in text order, and the pieces of their bytes.
struct AutoLinker::Expansion {
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

// Pushes the runs that the blanks of the link's replacement start, the last one followed by the
// chain rest, so that they come off the stack in text order.
void AutoLinker::pushSegments(std::size_t link, std::int32_t rest, Expansion& expansion) const {
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
void AutoLinker::expandLink(std::size_t link, std::string_view rest, std::string& result,
                            Expansion& expansion) const {
  pushSegments(link, expansion.prepend(rest, -1), expansion);
  while (!expansion.stack.empty()) {
    const PendingRun run = expansion.stack.back();
    expansion.stack.pop_back();
    Match match{kNoLink, 0};
    if (run.chain >= 0 &&
        rootChild_[static_cast<unsigned char>(expansion.pieces[run.chain].bytes[0])] != 0) {
      match = firstMatch(expansion.frontOf(run.chain, maxNameLength_), run.firstLink);
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
std::size_t AutoLinker::nextCandidate(std::string_view page, std::size_t from) const {
  const auto isCandidate = [&](std::size_t at) {
    return page[at] == ' ' && rootChild_[static_cast<unsigned char>(page[at + 1])] != 0;
  };
  std::size_t at = from;
  // Every byte of a block of eight must have a byte after it.
  for (; at + 8 < page.size(); at += 8) {
    for (std::uint64_t hits = blankBits(page.data() + at); hits != 0;) {
      const std::size_t blank = at + takeFirstHit(hits);
      if (isCandidate(blank)) {
        return blank;
      }
    }
  }
  for (; at + 1 < page.size(); ++at) {
    if (isCandidate(at)) {
      return at;
    }
  }
  return page.size();
}

std::string AutoLinker::applyTo(std::string_view page) const {
  std::string result;
  // Links make a page of prose about a third longer.
  result.reserve(page.size() + page.size() / 2);
  Expansion expansion;
  std::size_t copied = 0;
  for (std::size_t blank = nextCandidate(page, 0); blank < page.size();) {
    const Match match = firstMatch(page.substr(blank + 1), 0);
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
      expandLink(match.link, rest, result, expansion);
    }
    copied = runEnd;
    blank = nextCandidate(page, runEnd);
  }
  result.append(page.substr(copied));
  return result;
}

}  // namespace inkwright
