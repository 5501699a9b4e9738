// The automatic links that match whole words: an entry name is linked where it stands as a word of
// its own in the text of the page, outside its markup.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "html/links/linkoverride.h"
#include "html/links/nametrie.h"

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
  // title and existing links, and never inside an entity. An override (its searchText a
  // searchName) puts its replacement in place of the link's, or, with none, leaves the name as
  // it stands.
  std::string applyTo(std::string_view page, std::span<const LinkOverride> overrides = {}) const;

  // The same, appended to out.
  void appendTo(std::string& out, std::string_view page,
                std::span<const LinkOverride> overrides = {}) const;

 private:
  struct Match {
    std::uint32_t link;
    std::size_t end;
  };

  std::size_t nextNameByte(std::string_view page, std::size_t at, std::size_t end) const;
  Match longestMatch(std::string_view page, std::size_t begin, std::size_t end) const;
  // An override found in the list: the link it stands in for.
  struct Resolved {
    std::uint32_t link;
    const LinkOverride* override;
  };

  void linkText(std::string_view page, std::size_t begin, std::size_t end, std::string& result,
                std::size_t& copied, std::span<const Resolved> overrides) const;

  // The links sorted by searchName, one per name; the trie holds their names in that order.
  std::vector<WordLink> links_;
  NameTrie names_;
};

}  // namespace inkwright
