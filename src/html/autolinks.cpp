#include "html/autolinks.h"

#include <algorithm>
#include <array>
#include <cassert>
#include <cstdint>
#include <limits>
#include <span>
#include <unordered_map>

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
//
// For example, take the names "playsound", "play" and "href", in the order they apply (0, 1, 2:
// descending), and the page "use playsound or play.". Done literally:
//   0 " playsound": use <a href="playsound.html">playsound</a> or play.
//   1 " play":      ... or <a href="play.html">play</a>.   (the first blank is now before "<a")
//   2 " href":      use <a <a href="href.html">href</a>="playsound.html">playsound</a> or
//                   <a <a href="href.html">href</a>="play.html">play</a>.
// The trie has two children at its root, "href" (link 2) and "play" (link 1), and "play" has one,
// "sound" (link 0). The page has three blanks, taken one by one:
// - " playsound": the walk passes "play" (link 1) and ends at "playsound" (link 0); the first is
//   link 0, and nothing of the run is left over. Its replacement has two blanks, now open to links
//   after 0 only. " <a": no name begins with "<", so it stays. " href="playsound.html">playsound
//   </a>": link 2 matches, leaving "="playsound.html">playsound</a>"; of the two blanks of its
//   replacement, open to no link at all, " <a" stays and " href="href.html">href</a>" takes the
//   rest. So " playsound" becomes " <a <a href="href.html">href</a>="playsound.html">playsound
//   </a>" (without the line breaks), as in pass 2 above.
// - " or": no name begins with "o"; the blank and its run are copied.
// - " play.": link 1 matches and leaves "."; its replacement goes the same way through link 2.
//
// The walk finds a child by searching its parent's children one by one, and the next blank by
// string_view::find. A table by byte for nodes of many children, and a search for blanks eight
// bytes at a time, paid no more than the spread between runs: bench/autolinks_bench.cpp, 4,000
// pages (12.7 MB) naming other entries, best processor time of five runs of ten, linking took
// 33 ms with neither, 32 ms with the tables alone, 37 ms with the blank search alone and 38 ms
// with both for 20,000 names; 42, 38, 41 and 44 ms for 50,000. Runs of one variant differed by a
// quarter and more.
//
// All of this rests on names without blanks. A name with a blank (" Do Something") can match
// across the run of its blank, and two of its matches can overlap, so no blank can be handled on
// its own. Such a link is applied as it stands, a replaceAll over the page, at its place in the
// order; the links between two such links form a stage that the trie takes in one pass, over the
// page the stage before it left. A list of k such names then costs up to 2k + 1 passes over a page
// rather than one, and a list without them is one stage, linked exactly as before.
// Most pages name few of these names or none, and then the other links can go in fewer passes.
// While every replacement begins with a blank, a blank's run changes only when a link applies at
// that blank (or at a blank before it, for a name with a blank), and then becomes the pieces of
// the replacement between its blanks, the last one followed by what the name left of the run. So
// " Do Something" can apply only where a blank's run is "Do": where the page holds " Do ", or
// where "Do" is a piece of some replacement, or some replacement's last piece begins it. Where no
// replacement can make the first word of any such name, the page alone shows which of them may
// apply: a link that cannot apply changes nothing, and the trie links around it go in one pass,
// as one trie over all of them taken from one link to another (Shortcut). A page then costs
// 2p + 1 passes, p being the names with blanks whose first word it holds between blanks. In
// bench/autolinks.sh (BLANK_NAMES), where the pages name 20,000 entries, 10 names with a blank
// made linking the 4,000 pages take 240 ms instead of 30 in stages, 100 of them 1,200 ms and 1,000
// of them 9.4 s; with the shortcut, 40 ms, 57 ms and 1.4 s. (Those names share 21 first words, so
// a page that names one of them may apply some fifty.)

namespace {

constexpr std::size_t kNoLink = std::numeric_limits<std::size_t>::max();

// Whether the trie can take the link: its search text is a blank and a name without blanks, and
// its replacement keeps the blank.
bool isTrieLink(const AutoLink& link) {
  return link.searchText.size() >= 2 && link.searchText[0] == ' ' &&
         link.searchText.find(' ', 1) == std::string::npos && !link.replacement.empty() &&
         link.replacement[0] == ' ';
}

// Every occurrence of link's search text, left to right and without overlaps, replaced; what is
// inserted is not searched again. Kept here so that the bench can build this file alone.
std::string replacedAll(std::string_view text, const AutoLink& link) {
  const std::string_view search = link.searchText;
  std::size_t found = search.empty() ? std::string_view::npos : text.find(search);
  if (found == std::string_view::npos) {
    return std::string(text);
  }
  std::string result;
  result.reserve(text.size() + text.size() / 8);
  std::size_t kept = 0;
  for (; found != std::string_view::npos; found = text.find(search, kept)) {
    result.append(text.substr(kept, found - kept));
    result += link.replacement;
    kept = found + search.size();
  }
  result.append(text.substr(kept));
  return result;
}

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

// The runs still to be linked, on a stack in text order, and the pieces of their bytes.
struct Expansion {
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

}  // namespace

// The trie over the names and the replacements cut at their blanks. Built once, then only read.
class AutoLinker::Compiled {
 public:
  explicit Compiled(std::span<const AutoLink> links);
  std::size_t linkCount() const { return replacementStart_.size() - 1; }

  // The page linked by the links from firstLink to endLink alone, in order.
  std::string applyTo(std::string_view page, std::size_t firstLink, std::size_t endLink) const;

 private:
  // A node of the trie: the bytes on the way to it from its parent (in labels_), its children
  // (one block of consecutive nodes, told apart by their first byte) and the range of links whose
  // name ends here.
  struct Node {
    std::uint32_t labelBegin = 0;
    std::uint32_t labelLength = 0;
    std::uint32_t firstChild = 0;
    std::uint32_t childCount = 0;
    std::uint32_t linkBegin = 0;
    std::uint32_t linkEnd = 0;
  };
  // A node still to get its children: the names from begin to end, which share depth bytes.
  struct Unbuilt {
    std::uint32_t node;
    std::uint32_t begin;
    std::uint32_t end;
    std::size_t depth;
  };
  struct Match {
    std::size_t link;
    std::size_t nameLength;
  };

  void addNodes(std::span<const AutoLink> links);
  void addChildren(std::span<const AutoLink> links, const Unbuilt& parent,
                   std::vector<Unbuilt>& unbuilt);
  void splitReplacements(std::span<const AutoLink> links);
  std::string_view replacementOf(std::size_t link) const;
  bool isInert(std::uint32_t first, std::uint32_t end) const;
  std::uint32_t childOf(std::uint32_t node, unsigned char byte) const;
  Match firstMatch(std::string_view run, std::size_t firstLink, std::size_t endLink) const;
  std::size_t nextCandidate(std::string_view page, std::size_t from) const;
  void pushSegments(std::size_t link, std::int32_t rest, Expansion& expansion) const;
  void expandLink(std::size_t link, std::size_t endLink, std::string_view rest, std::string& result,
                  Expansion& expansion) const;

  std::size_t maxNameLength_ = 0;
  std::vector<Node> nodes_;
  std::string labels_;
  std::vector<unsigned char> firstByte_;
  std::array<std::uint32_t, 256> rootChild_ = {};
  // The replacements, those of link k from replacementStart_[k] on, and the pieces between their
  // blanks, those of link k from segmentStart_[k] on.
  std::string replacements_;
  std::vector<std::uint32_t> replacementStart_;
  std::vector<std::string_view> segments_;
  std::vector<std::uint32_t> segmentStart_;
  std::vector<bool> isInert_;
};

// The links whose names hold blanks, found by the first word of each name, and all the other
// links in one trie. See note [automatic links].
class AutoLinker::Shortcut {
 public:
  // Null when some name with a blank could apply on any page, as far as its first word shows.
  static std::unique_ptr<const Shortcut> of(const std::vector<AutoLink>& links);

  std::string applyTo(std::string_view page) const;

 private:
  struct NameWithBlank {
    AutoLink link;
    // The links of the trie that come before it in the order.
    std::size_t trieLinksBefore;
  };

  Shortcut(std::span<const AutoLink> trieLinks, std::vector<NameWithBlank> namesWithBlanks);
  std::vector<std::size_t> namesThatMayApply(std::string_view page) const;

  Compiled trieLinks_;
  std::vector<NameWithBlank> namesWithBlanks_;
  std::unordered_map<std::string, std::vector<std::size_t>> byFirstWord_;
  std::array<bool, 256> isFirstByte_ = {};
  std::size_t longestFirstWord_ = 0;
};

AutoLink autoLinkFor(const std::string& entryName) {
  return AutoLink{" " + entryName, " <a href=\"" + entryName + ".html\">" + entryName + "</a>"};
}

AutoLinker::AutoLinker(const std::vector<AutoLink>& links) {
  if (std::all_of(links.begin(), links.end(), isTrieLink)) {
    stages_.push_back(Stage{std::make_unique<const Compiled>(links), AutoLink{}});
    return;
  }
  shortcut_ = Shortcut::of(links);
  if (shortcut_) {
    return;
  }
  auto begin = links.begin();
  while (begin != links.end()) {
    const auto end = std::find_if_not(begin, links.end(), isTrieLink);
    if (end != begin) {
      stages_.push_back(Stage{
          std::make_unique<const Compiled>(std::span<const AutoLink>(begin, end)), AutoLink{}});
    }
    if (end != links.end()) {
      stages_.push_back(Stage{nullptr, *end});
    }
    begin = end == links.end() ? end : end + 1;
  }
}

AutoLinker::~AutoLinker() = default;

std::string AutoLinker::applyTo(std::string_view page) const {
  if (shortcut_) {
    return shortcut_->applyTo(page);
  }
  if (stages_.size() == 1 && stages_.front().compiled) {
    return stages_.front().compiled->applyTo(page, 0, stages_.front().compiled->linkCount());
  }
  std::string text(page);
  for (const Stage& stage : stages_) {
    text = stage.compiled ? stage.compiled->applyTo(text, 0, stage.compiled->linkCount())
                          : replacedAll(text, stage.literal);
  }
  return text;
}

std::unique_ptr<const AutoLinker::Shortcut> AutoLinker::Shortcut::of(
    const std::vector<AutoLink>& links) {
  std::vector<AutoLink> trieLinks;
  std::vector<NameWithBlank> namesWithBlanks;
  std::vector<std::string_view> firstWords;
  for (const AutoLink& link : links) {
    if (link.replacement.empty() || link.replacement[0] != ' ') {
      return nullptr;
    }
    if (isTrieLink(link)) {
      trieLinks.push_back(link);
      continue;
    }
    const std::size_t blank = link.searchText.find(' ', 1);
    if (link.searchText[0] != ' ' || blank == 1 || blank == std::string::npos) {
      return nullptr;
    }
    namesWithBlanks.push_back(NameWithBlank{link, trieLinks.size()});
    firstWords.push_back(std::string_view(link.searchText).substr(1, blank - 1));
  }
  // The runs that links make: every piece of a replacement but the last is one, and the last one
  // begins one.
  std::sort(firstWords.begin(), firstWords.end());
  const auto isFirstWord = [&](std::string_view run) {
    return std::binary_search(firstWords.begin(), firstWords.end(), run);
  };
  for (const AutoLink& link : links) {
    const std::string_view replacement = link.replacement;
    const std::size_t lastBlank = replacement.rfind(' ');
    for (std::size_t blank = 0; blank < lastBlank;) {
      const std::size_t next = replacement.find(' ', blank + 1);
      if (isFirstWord(replacement.substr(blank + 1, next - blank - 1))) {
        return nullptr;
      }
      blank = next;
    }
    const std::string_view last = replacement.substr(lastBlank + 1);
    const auto next = std::lower_bound(firstWords.begin(), firstWords.end(), last);
    if (next != firstWords.end() && next->starts_with(last)) {
      return nullptr;
    }
  }
  return std::unique_ptr<const Shortcut>(new Shortcut(trieLinks, std::move(namesWithBlanks)));
}

AutoLinker::Shortcut::Shortcut(std::span<const AutoLink> trieLinks,
                               std::vector<NameWithBlank> namesWithBlanks)
    : trieLinks_(trieLinks), namesWithBlanks_(std::move(namesWithBlanks)) {
  for (std::size_t i = 0; i < namesWithBlanks_.size(); ++i) {
    const std::string& searchText = namesWithBlanks_[i].link.searchText;
    std::string word = searchText.substr(1, searchText.find(' ', 1) - 1);
    isFirstByte_[static_cast<unsigned char>(word[0])] = true;
    longestFirstWord_ = std::max(longestFirstWord_, word.size());
    byFirstWord_[std::move(word)].push_back(i);
  }
}

// The names with blanks whose first word is a run of the page, in order. Only the runs that begin
// like a first word and are no longer than the longest are looked up.
std::vector<std::size_t> AutoLinker::Shortcut::namesThatMayApply(std::string_view page) const {
  std::vector<std::size_t> names;
  for (std::size_t blank = page.find(' '); blank != std::string_view::npos;) {
    const std::size_t next = page.find(' ', blank + 1);
    if (next == std::string_view::npos) {
      break;
    }
    const std::size_t length = next - blank - 1;
    if (length > 0 && length <= longestFirstWord_ &&
        isFirstByte_[static_cast<unsigned char>(page[blank + 1])]) {
      const auto found = byFirstWord_.find(std::string(page.substr(blank + 1, length)));
      if (found != byFirstWord_.end()) {
        names.insert(names.end(), found->second.begin(), found->second.end());
      }
    }
    blank = next;
  }
  std::sort(names.begin(), names.end());
  names.erase(std::unique(names.begin(), names.end()), names.end());
  return names;
}

// The names with blanks that cannot apply are left out, and the links of the trie between those
// that may go in one pass.
std::string AutoLinker::Shortcut::applyTo(std::string_view page) const {
  const std::vector<std::size_t> names = namesThatMayApply(page);
  if (names.empty()) {
    return trieLinks_.applyTo(page, 0, trieLinks_.linkCount());
  }
  std::string text(page);
  std::size_t firstLink = 0;
  for (const std::size_t name : names) {
    const NameWithBlank& link = namesWithBlanks_[name];
    text = replacedAll(trieLinks_.applyTo(text, firstLink, link.trieLinksBefore), link.link);
    firstLink = link.trieLinksBefore;
  }
  return trieLinks_.applyTo(text, firstLink, trieLinks_.linkCount());
}

AutoLinker::Compiled::Compiled(std::span<const AutoLink> links) {
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
void AutoLinker::Compiled::addNodes(std::span<const AutoLink> links) {
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
void AutoLinker::Compiled::addChildren(std::span<const AutoLink> links, const Unbuilt& parent,
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
void AutoLinker::Compiled::splitReplacements(std::span<const AutoLink> links) {
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

std::string_view AutoLinker::Compiled::replacementOf(std::size_t link) const {
  return std::string_view(replacements_)
      .substr(replacementStart_[link], replacementStart_[link + 1] - replacementStart_[link]);
}

// Whether no name can begin at a blank of the replacement whose segments are those from first to
// end, whatever follows it: then the replacement stands in the page as it is. Of the link markup
// " <a href=...", that holds unless some name begins with "<" or "h".
bool AutoLinker::Compiled::isInert(std::uint32_t first, std::uint32_t end) const {
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
std::uint32_t AutoLinker::Compiled::childOf(std::uint32_t node, unsigned char byte) const {
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
AutoLinker::Compiled::Match AutoLinker::Compiled::firstMatch(std::string_view run,
                                                             std::size_t firstLink,
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
void AutoLinker::Compiled::pushSegments(std::size_t link, std::int32_t rest,
                                        Expansion& expansion) const {
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
void AutoLinker::Compiled::expandLink(std::size_t link, std::size_t endLink, std::string_view rest,
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
std::size_t AutoLinker::Compiled::nextCandidate(std::string_view page, std::size_t from) const {
  for (std::size_t at = page.find(' ', from); at != std::string_view::npos && at + 1 < page.size();
       at = page.find(' ', at + 1)) {
    if (rootChild_[static_cast<unsigned char>(page[at + 1])] != 0) {
      return at;
    }
  }
  return page.size();
}

std::string AutoLinker::Compiled::applyTo(std::string_view page, std::size_t firstLink,
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
