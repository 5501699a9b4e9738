// The automatic links of the pages: every blank followed by an entry name becomes a blank and a
// link to that entry's page.
#pragma once

#include <array>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "html/links/linkoverride.h"

namespace inkwright {

struct AutoLink {
  std::string searchText;
  std::string replacement;
};

// The link of one entry: " " + name, replaced by " <a href="name.html">name</a>". The name must be
// non-empty.
AutoLink autoLinkFor(const std::string& entryName);

// A list of automatic links, compiled so that a page is linked in time close to its length.
// Linking only reads the compiled list, so pages may be linked on any thread.
class AutoLinker {
 public:
  // Takes the links in the order they apply, which must be sorted by searchText (either direction,
  // so that equal and prefix-sharing texts stand together). Any texts will do; the links whose
  // searchText is a blank and a name without blanks, and whose replacement begins with a blank,
  // are the ones linked in time close to the page's length (see note [automatic links]).
  // otherReplacements are the replacements that overrides may bring. With outsideMarkupOnly, a
  // link is made only where its name stands in the text between tags, and never inside what an
  // earlier link put in.
  explicit AutoLinker(const std::vector<AutoLink>& links,
                      const std::vector<std::string>& otherReplacements = {},
                      bool outsideMarkupOnly = false);
  ~AutoLinker();

  // Exactly the text that replaceAll(text, searchText, replacement) gives when it is applied for
  // every link in order, each over the text the earlier ones produced, with the overrides' links
  // in place of the page's own (see note [link overrides]).
  std::string applyTo(std::string_view page, std::span<const LinkOverride> overrides = {}) const;

 private:
  class TriePass;
  class Shortcut;
  struct Resolved;

  std::string applyLinks(std::string_view page, std::span<const AutoLink> overrides) const;

  // The links in order, cut into stages: a run of links that the trie can take, compiled together,
  // or one link that it cannot, applied as it stands.
  struct Stage {
    std::unique_ptr<const TriePass> compiled;
    AutoLink literal;
  };
  std::vector<Stage> stages_;
  // Instead of the stages, where a page shows which names with blanks may apply to it: the other
  // links as one trie, and those names apart. Null where a page cannot show it.
  std::unique_ptr<const Shortcut> shortcut_;
  // The bytes that some search text or replacement holds, which a page's marks must not.
  std::array<bool, 256> isLinkByte_ = {};
  bool outsideMarkupOnly_ = false;
};

}  // namespace inkwright
