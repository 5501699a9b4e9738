#include "html/links/autolinks.h"

#include <algorithm>
#include <array>
#include <cassert>
#include <cstdint>
#include <cstring>
#include <limits>
#include <span>
#include <unordered_map>

#include "html/links/markup.h"
#include "html/links/nametrie.h"
#include "text/text.h"

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
// the same done for each blank of its replacement. A trie over the names (NameTrie) finds that
// first link by walking the run once; links of one name form a range of the sorted list, kept at
// its node.
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
// bench/autolinks.sh, with 100 of 20,000 names holding a blank, linking 4,000 pages took 1,200 ms
// in stages and 57 ms with the shortcut.

// note [link overrides]
// A page may link some names otherwise than the others do: a name shared by entries of several
// sections leads to the entry of the page's own section, and under "no self links" the page's own
// name stays text. Such a page hands over overrides, which stand in for the links of their search
// texts on that page alone; the compiled links stay as they are, shared by every page.
// A name that stays text must also keep later links out of it: "smooth" on its own page must not
// become a link to "smo". So its occurrences are first replaced by a mark, a blank and a control
// byte that begins no name, holds no link's byte and stands nowhere in the page, with the number
// of the override; no later link can apply at a byte that begins no name, and once every link is
// applied, each mark becomes the name again. Where every such byte is taken (never in real text),
// the name is left in place, and a shorter name inside it may still be linked.

namespace {

constexpr std::size_t kNoLink = std::numeric_limits<std::size_t>::max();

// Whether the tag at `at` opens a block whose text "readable text" trimmed: a paragraph, an item,
// an item's term or an example.
bool opensTextBlock(std::string_view page, std::size_t at) {
  for (const std::string_view tag : {"<p>", "<li>", "<code>", "<pre>"}) {
    if (page.substr(at, tag.size()) == tag) {
      return true;
    }
  }
  return false;
}

// The first blank or line feed of text from `from` on; npos when there is none. As
// find_first_of(" \n") finds it, but without a call to memchr for every byte.
std::size_t nextBlankOrLineFeed(std::string_view text, std::size_t from) {
  for (; from < text.size(); ++from) {
    if (text[from] == ' ' || text[from] == '\n') {
      return from;
    }
  }
  return std::string_view::npos;
}

// Whether the trie can take the link: its search text is a blank and a name without blanks, and
// its replacement keeps the blank.
bool isTrieLink(const AutoLink& link) {
  return link.searchText.size() >= 2 && link.searchText[0] == ' ' &&
         link.searchText.find(' ', 1) == std::string::npos && !link.replacement.empty() &&
         link.replacement[0] == ' ';
}

// The names of the links: their search texts without the blank.
std::vector<std::string_view> namesOf(std::span<const AutoLink> links) {
  std::vector<std::string_view> names;
  names.reserve(links.size());
  for (const AutoLink& link : links) {
    names.push_back(std::string_view(link.searchText).substr(1));
  }
  return names;
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

// An override of the links of one name, found in a pass's list: the links from begin to end.
struct AutoLinker::Resolved {
  std::uint32_t begin;
  std::uint32_t end;
  std::string_view replacement;
  std::vector<std::string_view> segments;
  bool isInert;
};

// A run of links that the trie takes: one pass over a page, in time close to its length, with
// exactly the bytes that applying the links one after the other gives. Built once, then only read.
class AutoLinker::TriePass {
 public:
  // Takes links that isTrieLink accepts, sorted by searchText in either direction.
  explicit TriePass(std::span<const AutoLink> links);
  std::size_t linkCount() const { return replacementStart_.size() - 1; }

  // The page linked by the links from firstLink to endLink alone, in order, the overrides in place
  // of their links.
  std::string applyTo(std::string_view page, std::size_t firstLink, std::size_t endLink,
                      std::span<const Resolved> overrides = {}) const;

  // The overrides of links of this pass: those whose search text is a blank and a name of it.
  std::vector<Resolved> resolve(std::span<const AutoLink> overrides) const;

  // The same, linking only in the text between tags, each link put in as it stands.
  std::string applyOutsideMarkup(std::string_view page, std::size_t firstLink, std::size_t endLink,
                                 std::span<const Resolved> overrides) const;

 private:
  struct Match {
    std::size_t link;
    std::size_t nameLength;
  };
  // What a link puts in place of its search text, and the pieces between its blanks.
  struct Replacement {
    std::string_view text;
    std::span<const std::string_view> segments;
    bool isInert;
  };

  Replacement replacementFor(std::size_t link, std::span<const Resolved> overrides) const;

  void splitReplacements(std::span<const AutoLink> links);
  std::string_view replacementOf(std::size_t link) const;
  bool isInert(std::uint32_t first, std::uint32_t end) const;
  Match firstMatch(std::string_view run, std::size_t firstLink, std::size_t endLink) const;
  std::size_t nextCandidate(std::string_view page, std::size_t from) const;
  std::size_t nextSeparatorBeforeName(std::string_view text, std::size_t from) const;
  static void pushSegments(const Replacement& replacement, std::size_t nextLink, std::int32_t rest,
                           Expansion& expansion);
  void expandLink(std::size_t link, std::size_t endLink, std::string_view rest, std::string& result,
                  Expansion& expansion, std::span<const Resolved> overrides) const;
  std::vector<std::string_view> splitAtBlanks(std::string_view replacement) const;

  NameTrie names_;
  // The replacements, those of link k from replacementStart_[k] on, and the pieces between their
  // blanks, those of link k from segmentStart_[k] on.
  std::string replacements_;
  std::vector<std::uint32_t> replacementStart_;
  std::vector<std::string_view> segments_;
  std::vector<std::uint32_t> segmentStart_;
  std::vector<bool> isInert_;
};

AutoLinker::TriePass::TriePass(std::span<const AutoLink> links) : names_(namesOf(links)) {
  assert(std::all_of(links.begin(), links.end(), isTrieLink));
  splitReplacements(links);
}

// The replacements stand one after the other in one text, in the order of the links, so that
// copying one into a page does not first fetch it from wherever the list's text happens to be.
void AutoLinker::TriePass::splitReplacements(std::span<const AutoLink> links) {
  replacementStart_.reserve(links.size() + 1);
  for (const AutoLink& link : links) {
    replacementStart_.push_back(static_cast<std::uint32_t>(replacements_.size()));
    replacements_ += link.replacement;
  }
  replacementStart_.push_back(static_cast<std::uint32_t>(replacements_.size()));
  segmentStart_.reserve(links.size() + 1);
  for (std::size_t link = 0; link < links.size(); ++link) {
    segmentStart_.push_back(static_cast<std::uint32_t>(segments_.size()));
    const std::vector<std::string_view> pieces = splitAtBlanks(replacementOf(link));
    segments_.insert(segments_.end(), pieces.begin(), pieces.end());
  }
  segmentStart_.push_back(static_cast<std::uint32_t>(segments_.size()));
  isInert_.reserve(links.size());
  for (std::size_t link = 0; link < links.size(); ++link) {
    isInert_.push_back(isInert(segmentStart_[link], segmentStart_[link + 1]));
  }
}

// The pieces after each blank of a replacement that begins with a blank.
std::vector<std::string_view> AutoLinker::TriePass::splitAtBlanks(
    std::string_view replacement) const {
  std::vector<std::string_view> pieces;
  std::size_t blank = 0;
  while (blank != std::string_view::npos) {
    const std::size_t next = replacement.find(' ', blank + 1);
    pieces.push_back(replacement.substr(blank + 1, next - blank - 1));
    blank = next;
  }
  return pieces;
}

std::vector<AutoLinker::Resolved> AutoLinker::TriePass::resolve(
    std::span<const AutoLink> overrides) const {
  std::vector<Resolved> resolved;
  for (const AutoLink& link : overrides) {
    if (!isTrieLink(link)) {
      continue;
    }
    const std::string_view name = std::string_view(link.searchText).substr(1);
    names_.forEachPrefix(name, [&](std::uint32_t begin, std::uint32_t end, std::size_t length) {
      if (length == name.size()) {
        resolved.push_back(Resolved{begin, end, link.replacement, {}, false});
      }
    });
  }
  for (Resolved& link : resolved) {
    link.segments = splitAtBlanks(link.replacement);
    link.isInert = std::none_of(link.segments.begin(), link.segments.end(),
                                [&](std::string_view piece) {
                                  return !piece.empty() &&
                                         names_.beginsName(static_cast<unsigned char>(piece[0]));
                                }) &&
                   !link.segments.back().empty();
  }
  return resolved;
}

AutoLinker::TriePass::Replacement AutoLinker::TriePass::replacementFor(
    std::size_t link, std::span<const Resolved> overrides) const {
  for (const Resolved& other : overrides) {
    if (link >= other.begin && link < other.end) {
      return Replacement{other.replacement, other.segments, other.isInert};
    }
  }
  return Replacement{
      replacementOf(link),
      std::span<const std::string_view>(segments_.data() + segmentStart_[link],
                                        segmentStart_[link + 1] - segmentStart_[link]),
      isInert_[link]};
}

std::string_view AutoLinker::TriePass::replacementOf(std::size_t link) const {
  return std::string_view(replacements_)
      .substr(replacementStart_[link], replacementStart_[link + 1] - replacementStart_[link]);
}

// Whether no name can begin at a blank of the replacement whose segments are those from first to
// end, whatever follows it: then the replacement stands in the page as it is. Of the link markup
// " <a href=...", that holds unless some name begins with "<" or "h".
bool AutoLinker::TriePass::isInert(std::uint32_t first, std::uint32_t end) const {
  for (std::uint32_t segment = first; segment < end; ++segment) {
    const std::string_view piece = segments_[segment];
    const bool isLast = segment + 1 == end;
    if (piece.empty() ? isLast : names_.beginsName(static_cast<unsigned char>(piece[0]))) {
      return false;
    }
  }
  return true;
}

// The first link from firstLink to endLink whose name begins the run, with the name's length; the
// link is kNoLink when there is none.
AutoLinker::TriePass::Match AutoLinker::TriePass::firstMatch(std::string_view run,
                                                             std::size_t firstLink,
                                                             std::size_t endLink) const {
  Match best{kNoLink, 0};
  names_.forEachPrefix(run, [&](std::uint32_t begin, std::uint32_t end, std::size_t length) {
    const std::size_t candidate = std::max<std::size_t>(begin, firstLink);
    if (candidate < std::min<std::size_t>(end, endLink) && candidate < best.link) {
      best = Match{candidate, length};
    }
  });
  return best;
}

// Pushes the runs that the blanks of the link's replacement start, the last one followed by the
// chain rest, so that they come off the stack in text order.
void AutoLinker::TriePass::pushSegments(const Replacement& replacement, std::size_t nextLink,
                                        std::int32_t rest, Expansion& expansion) {
  std::size_t segment = replacement.segments.size() - 1;
  expansion.stack.push_back(
      PendingRun{expansion.prepend(replacement.segments[segment], rest), nextLink});
  while (segment > 0) {
    --segment;
    expansion.stack.push_back(
        PendingRun{expansion.prepend(replacement.segments[segment], -1), nextLink});
  }
}

// Appends what a blank becomes once `link` matched there and rest followed its name in the run.
// A run that a later name cuts into again keeps its bytes as a chain of pieces, so a name
// repeated many times costs as much as the text it makes, never more.
void AutoLinker::TriePass::expandLink(std::size_t link, std::size_t endLink, std::string_view rest,
                                      std::string& result, Expansion& expansion,
                                      std::span<const Resolved> overrides) const {
  pushSegments(replacementFor(link, overrides), link + 1, expansion.prepend(rest, -1), expansion);
  while (!expansion.stack.empty()) {
    const PendingRun run = expansion.stack.back();
    expansion.stack.pop_back();
    Match match{kNoLink, 0};
    if (run.chain >= 0 &&
        names_.beginsName(static_cast<unsigned char>(expansion.pieces[run.chain].bytes[0]))) {
      match =
          firstMatch(expansion.frontOf(run.chain, names_.longestName()), run.firstLink, endLink);
    }
    if (match.link == kNoLink) {
      result += ' ';
      expansion.appendTo(result, run.chain);
      continue;
    }
    const std::int32_t after = expansion.dropFront(run.chain, match.nameLength);
    const Replacement replacement = replacementFor(match.link, overrides);
    if (replacement.isInert) {
      result += replacement.text;
      expansion.appendTo(result, after);
    } else {
      pushSegments(replacement, match.link + 1, after, expansion);
    }
  }
  expansion.pieces.clear();
}

// The first blank at or after from that is followed by a byte that begins some name;
// page.size() when there is none. Most blanks of a page are not.
std::size_t AutoLinker::TriePass::nextCandidate(std::string_view page, std::size_t from) const {
  for (std::size_t at = page.find(' ', from); at != std::string_view::npos && at + 1 < page.size();
       at = page.find(' ', at + 1)) {
    if (names_.beginsName(static_cast<unsigned char>(page[at + 1]))) {
      return at;
    }
  }
  return page.size();
}

// The first blank or line feed of text from `from` on that is followed by a byte that begins some
// name; npos when there is none. Where every name begins with one byte, memchr finds that byte,
// which stands in text far more rarely than blanks do.
std::size_t AutoLinker::TriePass::nextSeparatorBeforeName(std::string_view text,
                                                          std::size_t from) const {
  if (names_.soleFirstByte() >= 0) {
    for (std::size_t at = from + 1; at < text.size(); ++at) {
      const void* const found =
          std::memchr(text.data() + at, names_.soleFirstByte(), text.size() - at);
      if (found == nullptr) {
        break;
      }
      at = static_cast<const char*>(found) - text.data();
      if (text[at - 1] == ' ' || text[at - 1] == '\n') {
        return at - 1;
      }
    }
    return std::string_view::npos;
  }
  for (std::size_t at = from; at + 1 < text.size(); ++at) {
    if ((text[at] == ' ' || text[at] == '\n') &&
        names_.beginsName(static_cast<unsigned char>(text[at + 1]))) {
      return at;
    }
  }
  return std::string_view::npos;
}

std::string AutoLinker::TriePass::applyTo(std::string_view page, std::size_t firstLink,
                                          std::size_t endLink,
                                          std::span<const Resolved> overrides) const {
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
    const Replacement replacement = replacementFor(match.link, overrides);
    if (replacement.isInert) {
      result += replacement.text;
      result += rest;
    } else {
      expandLink(match.link, endLink, rest, result, expansion, overrides);
    }
    copied = runEnd;
    blank = nextCandidate(page, runEnd);
  }
  result.append(page.substr(copied));
  return result;
}

// Between two tags the blanks are taken one by one as applyTo takes them, but a name must end
// before the next tag, and what a link puts in is not looked into again: it is markup too. The
// text of a paragraph, an item or an example is trimmed where the original text had blanks at the
// start of each line, so a name may also begin right after the start tag of such a block, or at
// the start of a line: there the link goes in without its blank.
std::string AutoLinker::TriePass::applyOutsideMarkup(std::string_view page, std::size_t firstLink,
                                                     std::size_t endLink,
                                                     std::span<const Resolved> overrides) const {
  std::string result;
  result.reserve(page.size() + page.size() / 2);
  std::size_t copied = 0;
  std::size_t previousTag = std::string_view::npos;
  for (std::size_t at = 0; at < page.size();) {
    const std::size_t markup = nextMarkup(page, at);
    const std::string_view text = page.substr(0, markup);
    bool atBlockStart = previousTag != std::string_view::npos && opensTextBlock(page, previousTag);
    for (std::size_t next = at; next < text.size();) {
      std::size_t nameBegin = next;
      bool afterBlank = false;
      if (!atBlockStart) {
        const std::size_t separator = nextSeparatorBeforeName(text, next);
        if (separator == std::string_view::npos) {
          break;
        }
        nameBegin = separator + 1;
        afterBlank = text[separator] == ' ';
      }
      atBlockStart = false;
      next = nameBegin;
      if (nameBegin >= text.size() ||
          !names_.beginsName(static_cast<unsigned char>(text[nameBegin]))) {
        continue;
      }
      const Match match = firstMatch(text.substr(nameBegin), firstLink, endLink);
      if (match.link == kNoLink) {
        continue;
      }
      const std::size_t restBegin = nameBegin + match.nameLength;
      const std::size_t runEnd = std::min(nextBlankOrLineFeed(text, restBegin), text.size());
      const std::string_view replacement = replacementFor(match.link, overrides).text;
      const std::size_t from = afterBlank ? nameBegin - 1 : nameBegin;
      result.append(page.substr(copied, from - copied));
      result += afterBlank ? replacement : replacement.substr(1);
      result.append(page.substr(restBegin, runEnd - restBegin));
      copied = runEnd;
      next = runEnd;
    }
    previousTag = markup;
    at = markup < page.size() ? tagEnd(page, markup) : markup;
  }
  result.append(page.substr(copied));
  return result;
}

// Where the page shows which names with blanks may apply, those alone are applied, around the other
// links in one trie. See note [automatic links].
class AutoLinker::Shortcut {
 public:
  // Null when some name with a blank could apply on any page, as far as its first word shows.
  static std::unique_ptr<const Shortcut> of(const std::vector<AutoLink>& links,
                                            const std::vector<std::string>& otherReplacements);

  std::string applyTo(std::string_view page, std::span<const AutoLink> overrides,
                      bool outsideMarkupOnly) const;

 private:
  struct NameWithBlank {
    AutoLink link;
    // The links of the trie that come before it in the order.
    std::size_t trieLinksBefore;
  };

  Shortcut(std::span<const AutoLink> trieLinks, std::vector<NameWithBlank> namesWithBlanks);
  std::vector<std::size_t> namesThatMayApply(std::string_view page) const;

  TriePass trieLinks_;
  std::vector<NameWithBlank> namesWithBlanks_;
  std::unordered_map<std::string, std::vector<std::size_t>> byFirstWord_;
  std::array<bool, 256> isFirstByte_ = {};
  std::size_t longestFirstWord_ = 0;
};

AutoLink autoLinkFor(const std::string& entryName) {
  return AutoLink{" " + entryName, " <a href=\"" + entryName + ".html\">" + entryName + "</a>"};
}

AutoLinker::AutoLinker(const std::vector<AutoLink>& links,
                       const std::vector<std::string>& otherReplacements, bool outsideMarkupOnly)
    : outsideMarkupOnly_(outsideMarkupOnly) {
  for (const AutoLink& link : links) {
    for (const std::string_view text : {link.searchText, link.replacement}) {
      for (const char c : text) {
        isLinkByte_[static_cast<unsigned char>(c)] = true;
      }
    }
  }
  for (const std::string& replacement : otherReplacements) {
    for (const char c : replacement) {
      isLinkByte_[static_cast<unsigned char>(c)] = true;
    }
  }
  if (std::all_of(links.begin(), links.end(), isTrieLink)) {
    stages_.push_back(Stage{std::make_unique<const TriePass>(links), AutoLink{}});
    return;
  }
  shortcut_ = Shortcut::of(links, otherReplacements);
  if (shortcut_) {
    return;
  }
  auto begin = links.begin();
  while (begin != links.end()) {
    const auto end = std::find_if_not(begin, links.end(), isTrieLink);
    if (end != begin) {
      stages_.push_back(Stage{
          std::make_unique<const TriePass>(std::span<const AutoLink>(begin, end)), AutoLink{}});
    }
    if (end != links.end()) {
      stages_.push_back(Stage{nullptr, *end});
    }
    begin = end == links.end() ? end : end + 1;
  }
}

AutoLinker::~AutoLinker() = default;

std::string AutoLinker::applyTo(std::string_view page,
                                std::span<const LinkOverride> overrides) const {
  if (overrides.empty()) {
    return applyLinks(page, {});
  }
  // See note [link overrides]: a name that stays text becomes a mark first.
  char mark = 0;
  const bool needsMarks = std::any_of(overrides.begin(), overrides.end(),
                                      [](const LinkOverride& o) { return !o.replacement; });
  if (needsMarks) {
    std::array<bool, 256> inPage = {};
    for (const char c : page) {
      inPage[static_cast<unsigned char>(c)] = true;
    }
    for (int byte = 1; byte < 32 && mark == 0; ++byte) {
      if (!inPage[byte] && !isLinkByte_[byte]) {
        mark = static_cast<char>(byte);
      }
    }
  }
  std::vector<AutoLink> links;
  links.reserve(overrides.size());
  for (std::size_t k = 0; k < overrides.size(); ++k) {
    const LinkOverride& o = overrides[k];
    if (o.replacement) {
      links.push_back(AutoLink{o.searchText, *o.replacement});
    } else if (mark != 0) {
      links.push_back(
          AutoLink{o.searchText, " " + std::string(1, mark) + std::to_string(k) + mark});
    } else {
      links.push_back(AutoLink{o.searchText, o.searchText});
    }
  }
  std::string text = applyLinks(page, links);
  if (mark == 0) {
    return text;
  }
  std::string restored;
  restored.reserve(text.size());
  std::size_t copied = 0;
  for (std::size_t at = text.find(mark); at != std::string::npos; at = text.find(mark, copied)) {
    const std::size_t close = text.find(mark, at + 1);
    restored.append(text, copied, at - copied);
    restored.append(overrides[std::stoul(text.substr(at + 1, close - at - 1))].searchText, 1);
    copied = close + 1;
  }
  restored.append(text, copied);
  return restored;
}

std::string AutoLinker::applyLinks(std::string_view page,
                                   std::span<const AutoLink> overrides) const {
  const auto literalOf = [&](const AutoLink& link) -> const AutoLink& {
    for (const AutoLink& other : overrides) {
      if (other.searchText == link.searchText) {
        return other;
      }
    }
    return link;
  };
  if (shortcut_) {
    return shortcut_->applyTo(page, overrides, outsideMarkupOnly_);
  }
  const auto applyPass = [this](const TriePass& pass, std::string_view text,
                                std::span<const AutoLink> overrides) {
    return outsideMarkupOnly_
               ? pass.applyOutsideMarkup(text, 0, pass.linkCount(), pass.resolve(overrides))
               : pass.applyTo(text, 0, pass.linkCount(), pass.resolve(overrides));
  };
  if (stages_.size() == 1 && stages_.front().compiled) {
    return applyPass(*stages_.front().compiled, page, overrides);
  }
  std::string text(page);
  for (const Stage& stage : stages_) {
    if (stage.compiled) {
      text = applyPass(*stage.compiled, text, overrides);
    } else {
      const AutoLink& link = literalOf(stage.literal);
      if (outsideMarkupOnly_) {
        text = replaceAllOutsideMarkup(text, link.searchText, link.replacement);
      } else {
        replaceAllIn(text, link.searchText, link.replacement);
      }
    }
  }
  return text;
}

std::unique_ptr<const AutoLinker::Shortcut> AutoLinker::Shortcut::of(
    const std::vector<AutoLink>& links, const std::vector<std::string>& otherReplacements) {
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
  std::vector<std::string_view> replacements;
  for (const AutoLink& link : links) {
    replacements.push_back(link.replacement);
  }
  replacements.insert(replacements.end(), otherReplacements.begin(), otherReplacements.end());
  for (const std::string_view replacement : replacements) {
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
std::string AutoLinker::Shortcut::applyTo(std::string_view page,
                                          std::span<const AutoLink> overrides,
                                          bool outsideMarkupOnly) const {
  const std::vector<Resolved> resolved = trieLinks_.resolve(overrides);
  const auto applyTrie = [&](std::string_view text, std::size_t first, std::size_t end) {
    return outsideMarkupOnly ? trieLinks_.applyOutsideMarkup(text, first, end, resolved)
                             : trieLinks_.applyTo(text, first, end, resolved);
  };
  const std::vector<std::size_t> names = namesThatMayApply(page);
  if (names.empty()) {
    return applyTrie(page, 0, trieLinks_.linkCount());
  }
  std::string text(page);
  std::size_t firstLink = 0;
  for (const std::size_t name : names) {
    const NameWithBlank& link = namesWithBlanks_[name];
    text = applyTrie(text, firstLink, link.trieLinksBefore);
    const auto other = std::find_if(overrides.begin(), overrides.end(), [&](const AutoLink& o) {
      return o.searchText == link.link.searchText;
    });
    const std::string& replacement =
        other == overrides.end() ? link.link.replacement : other->replacement;
    if (outsideMarkupOnly) {
      text = replaceAllOutsideMarkup(text, link.link.searchText, replacement);
    } else {
      replaceAllIn(text, link.link.searchText, replacement);
    }
    firstLink = link.trieLinksBefore;
  }
  return applyTrie(text, firstLink, trieLinks_.linkCount());
}

}  // namespace inkwright
