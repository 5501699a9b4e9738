// The automatic links that match whole words: an entry name is linked where it stands as a word of
// its own in the text of the page, outside its markup.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace inkwright {

struct WordLink {
  // The name as it stands in the text of a page.
  std::string searchName;
  // What the name is replaced by, the whole link markup.
  std::string replacement;
};

// A list of word links, compiled into a trie so that a page is linked in one pass. Linking only
// reads the compiled list, so pages may be linked on any thread.
class WordLinker {
 public:
  // Takes the links in any order: the result is the same for every order. Links with an empty
  // searchName are dropped; of several links with one searchName, the one with the least
  // replacement (by bytes) is kept.
  explicit WordLinker(std::vector<WordLink> links);

  // The page with every whole-word occurrence of a searchName replaced, as note [word links]
  // describes: left to right, the longest name at each place, only in text outside markup, the
  // title and existing links, and never inside an entity.
  std::string applyTo(std::string_view page) const;

 private:
  // A node of the trie: the bytes on the way from its parent (in labels_), its children (one block
  // of consecutive nodes) and the link whose name ends here, kNoLink when none does.
  struct Node {
    std::uint32_t labelBegin = 0;
    std::uint32_t labelLength = 0;
    std::uint32_t firstChild = 0;
    std::uint32_t childCount = 0;
    std::uint32_t link = 0;
  };
  struct Match {
    std::uint32_t link;
    std::size_t end;
  };

  // An edge from a node other than the root to its child: the key is edgeKey of the node and the
  // first byte of the child's label, 0 in an empty slot.
  struct Edge {
    std::uint64_t key = 0;
    std::uint32_t child = 0;
  };
  static std::uint64_t edgeKey(std::uint32_t node, unsigned char byte) {
    return (std::uint64_t{node} << 8 | byte) + 1;
  }

  void addNodes();
  void addEdges();
  std::size_t edgeSlot(std::uint64_t key) const;
  std::uint32_t childOf(std::uint32_t node, unsigned char byte) const;
  std::size_t nextNameByte(std::string_view page, std::size_t at, std::size_t end) const;
  Match longestMatch(std::string_view page, std::size_t begin, std::size_t end) const;
  void linkText(std::string_view page, std::size_t begin, std::size_t end, std::string& result,
                std::size_t& copied) const;

  std::vector<WordLink> links_;
  std::vector<Node> nodes_;
  std::string labels_;
  std::vector<unsigned char> firstByte_;
  std::array<std::uint32_t, 256> rootChild_ = {};
  // The byte every name begins with, when they all begin with one; else -1.
  int soleFirstByte_ = -1;
  std::vector<Edge> edges_;
  int edgeShift_ = 64;
};

}  // namespace inkwright
