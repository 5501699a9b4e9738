// What "styled pages" puts around the text of every page: the charset, the style sheet, the header
// with the document title and the search box, and the navigation between pages. Made once per run,
// so that every page of the run declares the same charset and links the same group pages.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "config/settings.h"
#include "html/pagelinks.h"
#include "model/document.h"
#include "text/charset.h"

namespace inkwright {

// The pages a frame stands around.
enum class FramedPage { entry, masterIndex, contents, search };

class SiteLayout {
 public:
  // Decides the charset when "styled pages" is on; without it the layout adds nothing.
  SiteLayout(const Configuration& config, const Document& document, const PageLinks& pageLinks);

  bool isOn() const { return isOn_; }
  const PageLinks& pageLinks() const { return pageLinks_; }
  // UTF-8 when every text that the pages and the search index carry from the sources and the
  // configuration is UTF-8, else windows-1252.
  Charset charset() const { return charset_; }

  // page with @@CHARSET@@, @@STYLESHEET@@, @@SEARCHBOX@@ and @@HOMELINK@@ filled for a page of
  // the kind, and, for every page but the entry pages, @@NAVIGATION@@ too.
  std::string framed(std::string page, FramedPage kind) const;

  // The navigation of the entry's page: index, contents, its group, and the entries before and
  // after it in its group. No item links the page it stands on.
  std::string entryNavigation(std::size_t entry) const;

  // The file of the page of the group: that of the section header entry of its name, where one is
  // written; empty otherwise.
  std::string_view groupPage(const std::string& group) const;

  // Appends a link to the entry's page, written as the pages link it, showing the name the lists
  // show (PageLinks::listedName); that name alone where the entry has no page or where its page is
  // onPage.
  void appendEntryLink(std::string& out, std::size_t entry, std::string_view onPage) const;

 private:
  // The navigation of a page of the kind up to its own items: the links to the index and the
  // contents, either as text where it stands on that page.
  std::string navigationHead(FramedPage kind) const;
  // The link to the entry's page, empty where it has none or where its page is onPage.
  std::string_view hrefFrom(std::size_t entry, std::string_view onPage) const;

  bool isOn_;
  const Document& document_;
  const PageLinks& pageLinks_;
  Charset charset_ = Charset::utf8;
  std::string title_;
  // What every entry page's navigation begins with: the links to the index and the contents.
  std::string entryNavigationHead_;
  std::unordered_map<std::string_view, std::size_t> groupHeader_;
  // Of each entry, made once, since the navigation, the contents lists and the master index show
  // them again and again: the name the lists show, the link to its page (empty where it has
  // none), the section header entry of its group's page, and the entries before and after it in
  // its group; kNone where there is none.
  std::vector<std::string> listedNames_;
  std::vector<std::string> hrefs_;
  std::vector<std::size_t> groupHeaderOf_;
  std::vector<std::size_t> previous_;
  std::vector<std::size_t> next_;
};

// Whether every text that the styled pages and the search index carry from the sources and the
// configuration is valid UTF-8.
bool isAllUtf8(const Configuration& config, const Document& document);

}  // namespace inkwright
