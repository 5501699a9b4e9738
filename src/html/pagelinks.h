// How every output names and links the entry pages: the file a page is written to, whether the
// run writes it, and, behind the "escape html" and "existing links only" switches, names shown as
// HTML text and links that lead only to written pages.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "config/settings.h"
#include "html/pagenames.h"
#include "model/document.h"

namespace inkwright {

// text with "&", "<", ">" and '"' written as "&amp;", "&lt;", "&gt;" and "&quot;".
std::string escapeHtml(std::string_view text);

// Escapes a text as escapeHtml does, a piece at a time: for a writer that copies the text to its
// output in pieces, in their order, with markup and skipped bytes between them. Each byte to escape
// is looked for once however many pieces there are, and the text is never copied whole.
class HtmlEscaper {
 public:
  // With escape false the pieces are appended as they are. Inlined, since escapeHtml makes one
  // for every text it escapes.
  HtmlEscaper(std::string_view text, bool escape) : text_(text) {
    for (std::size_t k = 0; k < kBytes.size(); ++k) {
      next_[k] = escape ? text.find(kBytes[k]) : std::string_view::npos;
      nearest_ = std::min(nearest_, next_[k]);
    }
  }

  // Appends the piece of the text from begin to end, escaped; begin must not come before the end
  // of the piece appended last.
  void append(std::string& out, std::size_t begin, std::size_t end) {
    if (nearest_ >= end) {
      out.append(text_.data() + begin, end - begin);
    } else {
      appendEscaped(out, begin, end);
    }
  }

  // Whether no byte to escape is left past the pieces appended so far.
  bool isPlain() const { return nearest_ == std::string_view::npos; }

 private:
  // The bytes to escape, in the order of their entities.
  static constexpr std::array<char, 4> kBytes = {'&', '<', '>', '"'};

  void appendEscaped(std::string& out, std::size_t begin, std::size_t end);

  std::string_view text_;
  // The next place of each of the four bytes, and the least of them; npos where there is none.
  std::array<std::size_t, 4> next_{};
  std::size_t nearest_ = std::string_view::npos;
};

// The names and links of one output, as the run's switches want them. Made once per output.
class PageLinks {
 public:
  // With "existing links only", collects the file names of the pages the document's entries
  // write.
  PageLinks(const Options& options, const Document& document);

  const PageNames& pageNames() const { return pageNames_; }

  // Text from the sources as the output shows it: escaped under "escape html" or "styled pages",
  // else unchanged.
  std::string shown(std::string_view text) const;

  // Whether a link to the page of name may be made: always, unless "existing links only" is on
  // and the run writes no page of that file name (as a group name without an entry of its name).
  // Where pages are not named as the original format names them, only a name with a page is
  // linked.
  bool isLinked(const std::string& name) const;

  // The href of the page of name: under "existing links only" the percent-encoded file name as
  // written ("#Flags" gives "Flags.html"), else the name shown, then ".html"; where pages are not
  // named as the original format names them, the file of the page a link to name leads to.
  std::string href(const std::string& name) const;

  // '<a href="' + href + '">' + shown name + "</a>" when isLinked; else the shown name alone.
  // onPage is the file the link stands in: under "no self links", a link to it is text.
  std::string linkOrText(const std::string& name, std::string_view onPage = {}) const;

  // A link to the page of the entry, as a list of entries links it, showing shownText: to the
  // entry's own page under "one page per entry", else as linkOrText links its name.
  // index is the entry's place in the document's list.
  std::string entryLinkOrText(const DocEntry& entry, std::size_t index, std::string_view shownText,
                              std::string_view onPage = {}) const;

  // Whether a list links the entry.
  bool isEntryLinked(const DocEntry& entry, std::size_t index) const;

  // The href of the entry's page, as a list links it.
  std::string entryHref(const DocEntry& entry, std::size_t index) const;

  // How the index pages name an entry: the name shown, and, where another entry shares its page
  // name under "one page per entry", its section in brackets after it: "smooth (Tests)".
  std::string listedName(const DocEntry& entry, std::size_t index) const;

  // The href of the page file, as the links of the pages write it.
  std::string fileHref(std::string_view file) const;

  // '<a href="' + the href of file + '">' + shownText + "</a>".
  std::string linkTo(std::string_view file, std::string_view shownText) const;

  // A name whose links on one page differ from the links it has elsewhere: they lead to file, or,
  // where file is empty, the name stays text.
  struct NameOnPage {
    std::string name;
    std::string_view file;
  };

  // The names whose links differ on the page of the entry: shared names, which lead to the entry
  // of the page's own section, and, under "no self links", the names that would link the page to
  // itself.
  std::vector<NameOnPage> namesOnPage(std::size_t entry, const Document& document) const;

 private:
  // Looks file names up by string_view, so that a look-up copies nothing.
  struct FileNameHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view name) const {
      return std::hash<std::string_view>{}(name);
    }
  };

  void appendHref(std::string& out, const std::string& name) const;
  std::string originalFile(std::string_view name) const;
  void appendFileHref(std::string& out, std::string_view file) const;
  void appendLocal(std::string& out, std::string_view href) const;

  bool escapeHtml_;
  bool styledPages_;
  bool existingLinksOnly_;
  bool noSelfLinks_;
  bool safePageNames_;
  PageNames pageNames_;
  std::unordered_set<std::string, FileNameHash, std::equal_to<>> writtenFiles_;
};

}  // namespace inkwright
