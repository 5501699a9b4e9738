// The automatic links of the pages: every blank followed by an entry name becomes a blank and a
// link to that entry's page.
#pragma once

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
  explicit AutoLinker(std::vector<AutoLink> links);

  // Exactly the text that replaceAll(text, searchText, replacement) gives when it is applied for
  // every link in order, each over the text the earlier ones produced.
  std::string applyTo(std::string_view page) const;

 private:
  struct Node {
    std::uint32_t firstChild = 0;
    std::uint32_t childCount = 0;
    std::uint32_t linkBegin = 0;
    std::uint32_t linkEnd = 0;
  };
  struct PendingRun {
    std::string run;
    std::size_t firstLink;
  };

  void buildTrie();
  std::size_t firstMatch(std::string_view run, std::size_t firstLink) const;
  void pushSegments(std::size_t link, std::string_view rest, std::vector<PendingRun>& stack) const;
  void expandLink(std::size_t link, std::string_view rest, std::string& result,
                  std::vector<PendingRun>& stack) const;

  std::vector<AutoLink> links_;
  std::vector<Node> nodes_;
  std::vector<unsigned char> nodeByte_;
  std::uint32_t rootChild_[256] = {};
};

}  // namespace inkwright
