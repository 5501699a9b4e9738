// The trie that links the names without blanks: one pass over a page, in time close to its
// length, with exactly the bytes that applying the links one after the other gives (note
// [automatic links] in autolinks.cpp says why that holds). AutoLinker builds it for every run of
// links that it can take.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "html/autolinks.h"

namespace inkwright {

// Whether the trie can take the link: its search text is a blank and a name without blanks, and
// its replacement keeps the blank.
bool isTrieLink(const AutoLink& link);

// The trie over the names and the replacements cut at their blanks. Built once, then only read.
class LinkTrie {
 public:
  explicit LinkTrie(std::span<const AutoLink> links);
  std::size_t linkCount() const { return replacementStart_.size() - 1; }

  // The page linked by the links from firstLink to endLink alone, in order.
  std::string applyTo(std::string_view page, std::size_t firstLink, std::size_t endLink) const;

 private:
  struct Expansion;
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

}  // namespace inkwright
