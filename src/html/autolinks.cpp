#include "html/autolinks.h"

#include <algorithm>
#include <array>
#include <cassert>
#include <cstdint>
#include <limits>
#include <span>
#include <unordered_map>

#include "html/linktrie.h"
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

  LinkTrie trieLinks_;
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
    stages_.push_back(Stage{std::make_unique<const LinkTrie>(links), AutoLink{}});
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
          std::make_unique<const LinkTrie>(std::span<const AutoLink>(begin, end)), AutoLink{}});
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
    if (stage.compiled) {
      text = stage.compiled->applyTo(text, 0, stage.compiled->linkCount());
    } else {
      replaceAllIn(text, stage.literal.searchText, stage.literal.replacement);
    }
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
    text = trieLinks_.applyTo(text, firstLink, link.trieLinksBefore);
    replaceAllIn(text, link.link.searchText, link.link.replacement);
    firstLink = link.trieLinksBefore;
  }
  return trieLinks_.applyTo(text, firstLink, trieLinks_.linkCount());
}

}  // namespace inkwright
