// How the entry pages are named: the file each entry's page is written to, and the page a link to a
// name leads to from a given page. Every output that names a page asks here, so that the pages,
// their links, the index files, the help project, the record of kept files and the check program
// agree on every name.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "config/options.h"
#include "model/document.h"

namespace inkwright {

// The files of the index pages in the output directory.
inline constexpr std::string_view kMasterIndexName = "masterindex.html";
inline constexpr std::string_view kTocName = "toc.html";

// The file name, without ".html", of the page of an entry named entryName as the original format
// names it: the name without a leading "#". The result points into entryName.
std::string_view pageFileName(std::string_view entryName);

// Whether the original format's page of an entry named entryName is written: its file name holds
// no "/" or "\", and, ".html" included, no file system refuses it for its length. Decided by the
// name alone, never by the file system, so that every system links the same pages.
bool isPageWritten(std::string_view entryName);

// Whether a page named name, without ".html", would be the search page of "styled pages": "search",
// A-Z case ignored.
bool isSearchPageName(std::string_view name);

// The longest file name, ".html" included, that the common file systems take.
inline constexpr std::size_t kLongestFileName = 255;

// The file name, without ".html", that "safe page names" makes of a name before names that meet are
// told apart: only A-Z a-z 0-9 "." "_" "-", at most 100 bytes and a digest, never a Windows device.
std::string safePageName(std::string_view name);

// The page files of a run's entries, and where links to names lead.
class PageNames {
 public:
  PageNames(const Options& options, const Document& document);

  // Whether pages are named as the original format names them: one page per name, named after
  // it. False under "safe page names" or "one page per entry".
  bool isOriginal() const { return isOriginal_; }

  // The file of the entry's page, ".html" included; empty when the entry writes no page.
  const std::string& fileOf(std::size_t entry) const { return files_[entry]; }

  // Where pages are named as the original format names them, the file name, without ".html", of
  // the page of name: pageFileName, but under "styled pages" a name whose page would be the
  // search page takes the first of "-2", "-3", ... that no page has.
  std::string_view originalStem(std::string_view name) const;

  // The name as the original format's links write it before ".html": the name itself, a leading
  // "#" kept, or the stand-in of a name whose page would be the search page.
  std::string_view linkedName(std::string_view name) const;

  // For an entry that writes no page, the name its page would have had, without ".html", which
  // no file system takes; empty for an entry with a page. The check program words its warning
  // from it.
  std::string_view refusedNameOf(std::size_t entry) const;

  // The file a link to name leads to from a page of the section fromSection (empty from a page of
  // no section); empty when no page has the name. Not for isOriginal() names.
  std::string_view targetOf(std::string_view name, std::string_view fromSection) const;

  // Whether another entry has the same page name and a page of its own (one page per entry).
  bool isShared(std::size_t entry) const { return isShared_[entry]; }

  // The names whose links, from a page of the section, lead to another page than from elsewhere,
  // with that page's file.
  std::vector<std::pair<std::string_view, std::string_view>> sectionTargets(
      std::string_view section) const;

 private:
  void nameUnits(const Options& options, const Document& document);
  void chooseSearchStandIns(const Document& document);
  void chooseSectionTargets(const Document& document, const std::vector<std::size_t>& group,
                            std::size_t kept);

  bool isOriginal_;
  // Under "styled pages", the page names that would be the search page's, and the ones they get.
  std::vector<std::pair<std::string, std::string>> searchStandIns_;
  std::vector<std::string> files_;
  // The names of refusedNameOf, which few entries have.
  std::unordered_map<std::size_t, std::string> refusedNames_;
  std::vector<bool> isShared_;
  // The entry whose page a link to each name leads to, from pages of other sections.
  std::unordered_map<std::string_view, std::size_t> plainTarget_;
  // Of the names shared by entries of several sections, the entry each section links to instead.
  std::unordered_map<std::string_view, std::vector<std::pair<std::string_view, std::size_t>>>
      sectionTarget_;
};

}  // namespace inkwright
