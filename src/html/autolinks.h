// The automatic links of the pages: every blank followed by an entry name becomes a blank and a
// link to that entry's page.
#pragma once

#include <memory>
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
// Linking only reads the compiled list, so pages may be linked on any thread.
class AutoLinker {
 public:
  // Takes the links in the order they apply, which must be sorted by searchText (either direction,
  // so that equal and prefix-sharing texts stand together). Every searchText is a blank followed
  // by at least one byte that is no blank; every replacement begins with a blank.
  explicit AutoLinker(const std::vector<AutoLink>& links);
  ~AutoLinker();

  // Exactly the text that replaceAll(text, searchText, replacement) gives when it is applied for
  // every link in order, each over the text the earlier ones produced.
  std::string applyTo(std::string_view page) const;

 private:
  class Compiled;
  std::unique_ptr<const Compiled> compiled_;
};

}  // namespace inkwright
