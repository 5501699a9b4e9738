// The names of the entries as one compressed trie: what both kinds of automatic links walk, from a
// place in a page, to learn which names begin there.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace inkwright {

// A compressed trie over a sorted list of names. Built once, then only read, so any number of
// threads may walk it at once.
class NameTrie {
 public:
  // Takes the names sorted by their bytes, in either direction, none of them empty. A name may
  // stand in the list more than once: sorting puts equal names together.
  explicit NameTrie(std::span<const std::string_view> names);

  // Whether some name begins with byte.
  bool beginsName(unsigned char byte) const { return rootChild_[byte] != 0; }

  // The byte that every name begins with, where they all begin with one; -1 otherwise, and for an
  // empty list.
  int soleFirstByte() const { return soleFirstByte_; }

  // The length of the longest name; 0 for an empty list.
  std::size_t longestName() const { return longestName_; }

  // Calls found(first, end, length) for every length at which text begins with a name, shorter
  // lengths first: the names at the positions from first to end (not included) of the list are
  // the length bytes that begin text. Inlined, since each engine calls it for every place of a
  // page where a name may begin.
  template <class Found>
  void forEachPrefix(std::string_view text, Found&& found) const {
    std::uint32_t node = 0;
    std::size_t at = 0;
    while (at < text.size()) {
      node = childOf(node, static_cast<unsigned char>(text[at]));
      if (node == 0 || !holdsLabelAt(text, at, nodes_[node])) {
        return;
      }
      at += nodes_[node].labelLength;
      if (nodes_[node].namesBegin != nodes_[node].namesEnd) {
        found(nodes_[node].namesBegin, nodes_[node].namesEnd, at);
      }
    }
  }

 private:
  // A node: the bytes on the way to it from its parent (in labels_), its children (one block of
  // consecutive nodes) and the positions of the names that end here (an empty range where none
  // does).
  struct Node {
    std::uint32_t labelBegin = 0;
    std::uint32_t labelLength = 0;
    std::uint32_t firstChild = 0;
    std::uint32_t childCount = 0;
    std::uint32_t namesBegin = 0;
    std::uint32_t namesEnd = 0;
  };
  // A node still to get its children: the names from begin to end, which share depth bytes.
  struct Unbuilt {
    std::uint32_t node;
    std::uint32_t begin;
    std::uint32_t end;
    std::size_t depth;
  };

  void addChildren(std::span<const std::string_view> names, const Unbuilt& parent,
                   std::vector<Unbuilt>& unbuilt);

  // The child of node whose label begins with byte; 0 when there is none. See note [name trie].
  std::uint32_t childOf(std::uint32_t node, unsigned char byte) const {
    if (node == 0) {
      return rootChild_[byte];
    }
    const std::uint32_t end = nodes_[node].firstChild + nodes_[node].childCount;
    for (std::uint32_t child = nodes_[node].firstChild; child < end; ++child) {
      if (firstByte_[child] == byte) {
        return child;
      }
    }
    return 0;
  }

  // Whether text holds node's label at `at`, whose first byte is known to match. Labels are a few
  // bytes long, too short for a call of memcmp to pay.
  bool holdsLabelAt(std::string_view text, std::size_t at, const Node& node) const {
    if (text.size() - at < node.labelLength) {
      return false;
    }
    const char* const label = labels_.data() + node.labelBegin;
    for (std::size_t i = 1; i < node.labelLength; ++i) {
      if (text[at + i] != label[i]) {
        return false;
      }
    }
    return true;
  }

  std::vector<Node> nodes_;
  std::string labels_;
  // The first byte of each node's label, apart from the nodes, so that a search along the children
  // reads a few bytes that stay in the cache.
  std::vector<unsigned char> firstByte_;
  std::array<std::uint32_t, 256> rootChild_ = {};
  int soleFirstByte_ = -1;
  std::size_t longestName_ = 0;
};

}  // namespace inkwright
