// The automatic links of the pages: every blank followed by an entry name becomes a blank and a
// link to that entry's page.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace inkwright {

struct AutoLink {
  std::string searchText;
  std::string replacement;
};

// The link of one entry: " " + name, replaced by " <a href="name.html">name</a>". The name must be
// non-empty and hold no blank.
AutoLink autoLinkFor(const std::string& entryName);

// A list of automatic links, compiled so that a page is linked in time close to its length.
class AutoLinker {
 public:
  // Takes the links in the order they apply, which must be sorted by searchText (either direction,
  // so that equal and prefix-sharing texts stand together). Every searchText is a blank followed
  // by at least one byte that is no blank; every replacement begins with a blank.
  explicit AutoLinker(const std::vector<AutoLink>& links);

  // Exactly the text that replaceAll(text, searchText, replacement) gives when it is applied for
  // every link in order, each over the text the earlier ones produced.
  std::string applyTo(std::string_view page) const;

 private:
  // A node of the trie over the names: the bytes on the way to it from its parent (in labels_),
  // its children (one block of consecutive nodes, told apart by their first byte, and for many
  // children a table by that byte, numbered from 1) and the range of links whose name ends here.
  struct Node {
    std::uint32_t labelBegin = 0;
    std::uint32_t labelLength = 0;
    std::uint32_t firstChild = 0;
    std::uint32_t childCount = 0;
    std::uint32_t childTable = 0;
    std::uint32_t linkBegin = 0;
    std::uint32_t linkEnd = 0;
  };
  // A blank's run of bytes still to be linked, as a chain of pieces (-1 for none), and the first
  // link that may still apply there.
  struct PendingRun {
    std::int32_t chain;
    std::size_t firstLink;
  };
  struct Expansion;
  struct Match {
    std::size_t link;
    std::size_t nameLength;
  };

  void buildTrie(const std::vector<AutoLink>& links);
  void splitReplacements(const std::vector<AutoLink>& links);
  std::string_view replacementOf(std::size_t link) const;
  bool isInert(std::uint32_t first, std::uint32_t end) const;
  Match firstMatch(std::string_view run, std::size_t firstLink) const;
  std::size_t nextCandidate(std::string_view page, std::size_t from) const;
  void pushSegments(std::size_t link, std::int32_t rest, Expansion& expansion) const;
  void expandLink(std::size_t link, std::string_view rest, std::string& result,
                  Expansion& expansion) const;

  std::size_t maxNameLength_ = 0;
  std::vector<Node> nodes_;
  std::string labels_;
  std::vector<unsigned char> firstByte_;
  std::vector<std::array<std::uint8_t, 256>> childTables_;
  std::uint32_t rootChild_[256] = {};
  // The replacements, those of link k from replacementStart_[k] on, and the pieces between their
  // blanks, those of link k from segmentStart_[k] on.
  std::string replacements_;
  std::vector<std::uint32_t> replacementStart_;
  std::vector<std::string_view> segments_;
  std::vector<std::uint32_t> segmentStart_;
  std::vector<bool> isInert_;
};

}  // namespace inkwright
