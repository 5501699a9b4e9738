// How every output names and links the entry pages: the file a page is written to, whether the
// run writes it, and, behind the "escape html" and "existing links only" switches, names shown as
// HTML text and links that lead only to written pages.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_set>

#include "config/settings.h"
#include "model/document.h"

namespace inkwright {

// The file name, without ".html", of the page of an entry named entryName: the name without a
// leading "#".
// The result points into entryName.
std::string_view pageFileName(std::string_view entryName);

// Whether the page writer writes a page for an entry named entryName. Decided by the name alone
// (its file name holds no "/" or "\"), never by the file system, so that every system links the
// same pages.
bool isPageWritten(const std::string& entryName);

// text with "&", "<", ">" and '"' written as "&amp;", "&lt;", "&gt;" and "&quot;".
std::string escapeHtml(std::string_view text);

// The names and links of one output, as the run's switches want them. Made once per output.
class PageLinks {
 public:
  // With "existing links only", collects the file names of the pages the document's entries
  // write.
  PageLinks(const Options& options, const Document& document);

  // Text from the sources as the output shows it: escaped under "escape html", else unchanged.
  std::string shown(std::string_view text) const;

  // Whether a link to the page of name may be made: always, unless "existing links only" is on
  // and the run writes no page of that file name (as a group name without an entry of its name).
  bool isLinked(const std::string& name) const;

  // The href of the page of name: under "existing links only" the percent-encoded file name as
  // written ("#Flags" gives "Flags.html"), else the name shown, then ".html".
  std::string href(const std::string& name) const;

  // '<a href="' + href + '">' + shown name + "</a>" when isLinked; else the shown name alone.
  std::string linkOrText(const std::string& name) const;

 private:
  // Looks file names up by string_view, so that a look-up copies nothing.
  struct FileNameHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view name) const {
      return std::hash<std::string_view>{}(name);
    }
  };

  void appendHref(std::string& out, const std::string& name) const;

  bool escapeHtml_;
  bool existingLinksOnly_;
  std::unordered_set<std::string, FileNameHash, std::equal_to<>> writtenFiles_;
};

}  // namespace inkwright
