#include "html/autolinks.h"

#include <algorithm>
#include <cassert>
#include <cstring>
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

std::string_view nameOf(const AutoLink& link) {
  return std::string_view(link.searchText).substr(1);
}

}  // namespace

AutoLink autoLinkFor(const std::string& entryName) {
  return AutoLink{" " + entryName, " <a href=\"" + entryName + ".html\">" + entryName + "</a>"};
}

AutoLinker::AutoLinker(std::vector<AutoLink> links) : links_(std::move(links)) {
  for ([[maybe_unused]] const AutoLink& link : links_) {
    assert(link.searchText.size() >= 2 && link.searchText.find(' ', 1) == std::string::npos);
    assert(!link.replacement.empty() && link.replacement.front() == ' ');
  }
  buildTrie();
}

// The names are sorted, so the names below a node form a range of the list, and within it the
// names that end at the node and those that go on with one byte each stand together. Every node
// gets its children as one block of consecutive nodes.
void AutoLinker::buildTrie() {
  struct Pending {
    std::uint32_t node;
    std::uint32_t begin;
    std::uint32_t end;
    std::uint32_t depth;
  };
  nodes_.emplace_back();
  nodeByte_.push_back(0);
  std::vector<Pending> pending{{0, 0, static_cast<std::uint32_t>(links_.size()), 0}};
  while (!pending.empty()) {
    const Pending at = pending.back();
    pending.pop_back();
    nodes_[at.node].firstChild = static_cast<std::uint32_t>(nodes_.size());
    std::uint32_t i = at.begin;
    while (i < at.end) {
      const std::string_view name = nameOf(links_[i]);
      if (name.size() == at.depth) {
        if (nodes_[at.node].linkEnd == 0) {
          nodes_[at.node].linkBegin = i;
        }
        nodes_[at.node].linkEnd = ++i;
        continue;
      }
      const unsigned char byte = static_cast<unsigned char>(name[at.depth]);
      std::uint32_t groupEnd = i + 1;
      while (groupEnd < at.end && nameOf(links_[groupEnd]).size() > at.depth &&
             static_cast<unsigned char>(nameOf(links_[groupEnd])[at.depth]) == byte) {
        ++groupEnd;
      }
      const auto child = static_cast<std::uint32_t>(nodes_.size());
      nodes_.emplace_back();
      nodeByte_.push_back(byte);
      ++nodes_[at.node].childCount;
      if (at.node == 0) {
        rootChild_[byte] = child;
      }
      pending.push_back(Pending{child, i, groupEnd, at.depth + 1});
      i = groupEnd;
    }
  }
}

// The first link at or after firstLink whose name begins the run; kNoLink when there is none.
std::size_t AutoLinker::firstMatch(std::string_view run, std::size_t firstLink) const {
  std::size_t best = kNoLink;
  std::uint32_t node = 0;
  for (const char c : run) {
    const auto byte = static_cast<unsigned char>(c);
    if (node == 0) {
      node = rootChild_[byte];
    } else {
      const Node& parent = nodes_[node];
      const void* const found = std::memchr(&nodeByte_[parent.firstChild], byte, parent.childCount);
      node = found == nullptr ? 0
                              : static_cast<std::uint32_t>(
                                    static_cast<const unsigned char*>(found) - nodeByte_.data());
    }
    if (node == 0) {
      break;
    }
    const Node& reached = nodes_[node];
    const std::size_t candidate = std::max<std::size_t>(reached.linkBegin, firstLink);
    if (candidate < reached.linkEnd && candidate < best) {
      best = candidate;
    }
  }
  return best;
}

// Pushes the runs that the blanks of the link's replacement start, the last one followed by rest,
// so that they come off the stack in text order.
void AutoLinker::pushSegments(std::size_t link, std::string_view rest,
                              std::vector<PendingRun>& stack) const {
  const std::string_view replacement = links_[link].replacement;
  std::size_t blank = replacement.rfind(' ');
  std::string last(replacement.substr(blank + 1));
  last += rest;
  stack.push_back(PendingRun{std::move(last), link + 1});
  while (blank > 0) {
    const std::size_t previous = replacement.rfind(' ', blank - 1);
    stack.push_back(
        PendingRun{std::string(replacement.substr(previous + 1, blank - previous - 1)), link + 1});
    blank = previous;
  }
}

// Appends what a blank becomes once `link` matched there and rest followed its name in the run.
void AutoLinker::expandLink(std::size_t link, std::string_view rest, std::string& result,
                            std::vector<PendingRun>& stack) const {
  pushSegments(link, rest, stack);
  while (!stack.empty()) {
    const PendingRun pending = std::move(stack.back());
    stack.pop_back();
    const std::size_t next = firstMatch(pending.run, pending.firstLink);
    if (next == kNoLink) {
      result += ' ';
      result += pending.run;
      continue;
    }
    pushSegments(next, std::string_view(pending.run).substr(nameOf(links_[next]).size()), stack);
  }
}

std::string AutoLinker::applyTo(std::string_view page) const {
  std::string result;
  result.reserve(page.size() + page.size() / 4);
  std::vector<PendingRun> stack;
  std::size_t copied = 0;
  std::size_t blank = page.find(' ');
  while (blank != std::string_view::npos) {
    const std::size_t link = firstMatch(page.substr(blank + 1), 0);
    if (link == kNoLink) {
      blank = page.find(' ', blank + 1);
      continue;
    }
    const std::size_t restBegin = blank + 1 + nameOf(links_[link]).size();
    const std::size_t runEnd = std::min(page.find(' ', restBegin), page.size());
    result.append(page.substr(copied, blank - copied));
    expandLink(link, page.substr(restBegin, runEnd - restBegin), result, stack);
    copied = runEnd;
    blank = runEnd < page.size() ? runEnd : std::string_view::npos;
  }
  result.append(page.substr(copied));
  return result;
}

}  // namespace inkwright
