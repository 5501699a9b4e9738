#include "html/links/nametrie.h"

#include <algorithm>
#include <cassert>
#include <functional>

namespace inkwright {

// note [name trie]
// The names are sorted, so the names below a node form a range of the list, and so do the equal
// names that end at one node, whichever the direction. Within a node's range, the names that end
// at the node and the names that go on with one byte each stand together, and the bytes that all
// names of such a group share are those the first and the last of them share: the label of the
// group's child. Every node gets its children as one block of consecutive nodes.
// Every walk begins at the root, so the root finds a child in a table by byte. Every other node
// searches its children's first bytes one by one: the names of a library share their prefix, and
// the nodes after it have dozens of children, yet those bytes, one array of a byte per node, stay
// in the cache, where a hash table of edges was a miss in memory at every step. In
// bench/autolinks.sh at 20,000 names, the word links took 27 ms this way and 34 ms with one hash
// table of all edges below the root, though that ran a twentieth fewer instructions under
// callgrind; the default links took 23 ms against 28 ms.

namespace {

// The end of the group of names from begin on (before end) that go on with the same byte at depth
// as the name at begin, which is longer than depth.
std::uint32_t groupEnd(std::span<const std::string_view> names, std::uint32_t begin,
                       std::uint32_t end, std::size_t depth) {
  const char byte = names[begin][depth];
  std::uint32_t i = begin + 1;
  while (i < end && names[i].size() > depth && names[i][depth] == byte) {
    ++i;
  }
  return i;
}

}  // namespace

NameTrie::NameTrie(std::span<const std::string_view> names) {
  assert(std::is_sorted(names.begin(), names.end()) ||
         std::is_sorted(names.begin(), names.end(), std::greater<>()));
  assert(
      std::none_of(names.begin(), names.end(), [](std::string_view name) { return name.empty(); }));
  for (const std::string_view name : names) {
    longestName_ = std::max(longestName_, name.size());
  }
  nodes_.emplace_back();
  firstByte_.push_back(0);
  std::vector<Unbuilt> unbuilt{{0, 0, static_cast<std::uint32_t>(names.size()), 0}};
  while (!unbuilt.empty()) {
    const Unbuilt parent = unbuilt.back();
    unbuilt.pop_back();
    addChildren(names, parent, unbuilt);
  }
  if (nodes_[0].childCount == 1) {
    soleFirstByte_ = static_cast<unsigned char>(names.front()[0]);
  }
}

// See note [name trie].
void NameTrie::addChildren(std::span<const std::string_view> names, const Unbuilt& parent,
                           std::vector<Unbuilt>& unbuilt) {
  nodes_[parent.node].firstChild = static_cast<std::uint32_t>(nodes_.size());
  std::uint32_t i = parent.begin;
  while (i < parent.end) {
    const std::string_view name = names[i];
    if (name.size() == parent.depth) {
      Node& node = nodes_[parent.node];
      if (node.namesBegin == node.namesEnd) {
        node.namesBegin = i;
      }
      node.namesEnd = ++i;
      continue;
    }
    const std::uint32_t end = groupEnd(names, i, parent.end, parent.depth);
    const std::string_view last = names[end - 1];
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

}  // namespace inkwright
