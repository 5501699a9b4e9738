#include "html/sitelayout.h"

#include <atomic>

#include "html/sitefiles.h"
#include "model/groups.h"
#include "text/text.h"
#include "text/threadstart.h"

namespace inkwright {

namespace {

constexpr std::size_t kNone = static_cast<std::size_t>(-1);

// The search box sends its query as UTF-8 whatever the page's charset, since the search page
// decodes it as UTF-8.
constexpr std::string_view kSearchBox =
    "<form class=\"search\" action=\"search.html\" method=\"get\" accept-charset=\"UTF-8\" "
    "role=\"search\"><input type=\"search\" name=\"q\" placeholder=\"Search\" "
    "aria-label=\"Search\"></form>";

// Appends a navigation item: a link, or, where it would lead to the page it stands on or to no
// page, its text alone. The text is before, shown and after, one after the other.
void appendNavigationItem(std::string& out, std::string_view className, std::string_view href,
                          std::string_view shown, std::string_view before = {},
                          std::string_view after = {}, std::string_view rel = {}) {
  if (href.empty()) {
    out += "<span class=\"";
    out += className;
    out += "\">";
  } else {
    out += "<a class=\"";
    out += className;
    out += '"';
    if (!rel.empty()) {
      out += " rel=\"";
      out += rel;
      out += '"';
    }
    out += " href=\"";
    out += href;
    out += "\">";
  }
  out += before;
  out += shown;
  out += after;
  out += href.empty() ? "</span>" : "</a>";
}

std::string navigationItem(std::string_view className, std::string_view href,
                           std::string_view text) {
  std::string item;
  appendNavigationItem(item, className, href, text);
  return item;
}

}  // namespace

// The run reads bytes and writes them as they are, so a page shows its text right only in the
// charset its bytes are in. Sources of one library rarely mix: either all of it is UTF-8, or some
// text is in the single-byte charset that Windows editors save, whose every byte is a character.
// The reading found which entries come from files of ASCII alone; the others are read on two
// threads, in slices, since they may hold most bytes of the sources.
bool isAllUtf8(const Configuration& config, const Document& document) {
  const Settings& settings = config.settings();
  const std::vector<DocEntry>& entries = document.entries;
  constexpr std::size_t kSlices = 64;
  std::atomic<bool> isUtf8 = true;
  forEachIndexOnTwoThreads(kSlices, [&](std::size_t slice) {
    const std::size_t end = entries.size() * (slice + 1) / kSlices;
    for (std::size_t i = entries.size() * slice / kSlices; i < end && isUtf8; ++i) {
      if (entries[i].isAscii) {
        continue;
      }
      bool valid = isValidUtf8(entries[i].headerPath);
      for (const TagPair& tag : entries[i].tags) {
        valid = valid && isValidUtf8(tag.tagName) && isValidUtf8(tag.tagValue);
      }
      if (!valid) {
        isUtf8 = false;
      }
    }
  });
  if (!isUtf8) {
    return false;
  }
  for (const NamedText& text : settings.templateList) {
    if (!isValidUtf8(text.text)) {
      return false;
    }
  }
  for (const NamedText& text : settings.replacerList) {
    if (!isValidUtf8(text.text)) {
      return false;
    }
  }
  for (const ConfigPair& pair : settings.configList) {
    if (pair.key.starts_with("template:#") && !isValidUtf8(pair.value)) {
      return false;
    }
  }
  return isValidUtf8(settings.documentTitle);
}

SiteLayout::SiteLayout(const Configuration& config, const Document& document,
                       const PageLinks& pageLinks)
    : isOn_(config.settings().options.styledPages), document_(document), pageLinks_(pageLinks) {
  if (!isOn_) {
    return;
  }
  charset_ = isAllUtf8(config, document) ? Charset::utf8 : Charset::windows1252;
  const std::string& title = config.settings().documentTitle;
  title_ = escapeHtml(title.empty() ? "Documentation" : title);
  entryNavigationHead_ = navigationHead(FramedPage::entry);
  const std::vector<DocEntry>& entries = document.entries;
  const PageNames& pageNames = pageLinks.pageNames();
  for (std::size_t i = 0; i < entries.size(); ++i) {
    if (isSectionHeader(entries[i]) && !pageNames.fileOf(i).empty()) {
      groupHeader_.emplace(entries[i].entryName, i);
    }
  }
  listedNames_.resize(entries.size());
  hrefs_.resize(entries.size());
  constexpr std::size_t kSlices = 64;
  forEachIndexOnTwoThreads(kSlices, [&](std::size_t slice) {
    const std::size_t end = entries.size() * (slice + 1) / kSlices;
    for (std::size_t i = entries.size() * slice / kSlices; i < end; ++i) {
      listedNames_[i] = pageLinks.listedName(entries[i], i);
      if (!pageNames.fileOf(i).empty()) {
        hrefs_[i] = pageLinks.fileHref(pageNames.fileOf(i));
      }
    }
  });
  groupHeaderOf_.assign(entries.size(), kNone);
  previous_.assign(entries.size(), kNone);
  next_.assign(entries.size(), kNone);
  for (const auto& [group, members] : entriesByGroup(document)) {
    const auto header = groupHeader_.find(group);
    for (std::size_t k = 0; k < members.size(); ++k) {
      const std::size_t at = members[k] - entries.data();
      groupHeaderOf_[at] = header == groupHeader_.end() ? kNone : header->second;
      if (k > 0) {
        const std::size_t before = members[k - 1] - entries.data();
        next_[before] = at;
        previous_[at] = before;
      }
    }
  }
}

std::string SiteLayout::framed(std::string page, FramedPage kind) const {
  if (!isOn_) {
    return page;
  }
  replaceAllIn(page, "@@CHARSET@@", charsetName(charset_));
  replaceAllIn(page, "@@STYLESHEET@@",
               "<link rel=\"stylesheet\" href=\"" + std::string(kStyleSheetName) + "\">");
  replaceAllIn(page, "@@SEARCHBOX@@", kSearchBox);
  replaceAllIn(page, "@@HOMELINK@@",
               kind == FramedPage::masterIndex ? navigationItem("home", {}, title_)
                                               : navigationItem("home", kMasterIndexName, title_));
  if (kind != FramedPage::entry) {
    replaceAllIn(page, "@@NAVIGATION@@", navigationHead(kind) + "</nav>");
  }
  return page;
}

std::string SiteLayout::navigationHead(FramedPage kind) const {
  std::string nav = "<nav class=\"pages\">";
  nav += navigationItem("index", kind == FramedPage::masterIndex ? "" : kMasterIndexName, "Index");
  nav += ' ';
  nav += navigationItem("contents", kind == FramedPage::contents ? "" : kTocName, "Contents");
  return nav;
}

std::string_view SiteLayout::groupPage(const std::string& group) const {
  const auto found = groupHeader_.find(group);
  return found == groupHeader_.end() ? std::string_view()
                                     : pageLinks_.pageNames().fileOf(found->second);
}

std::string_view SiteLayout::hrefFrom(std::size_t entry, std::string_view onPage) const {
  return pageLinks_.pageNames().fileOf(entry) == onPage ? std::string_view() : hrefs_[entry];
}

void SiteLayout::appendEntryLink(std::string& out, std::size_t entry,
                                 std::string_view onPage) const {
  const std::string_view href = hrefFrom(entry, onPage);
  if (href.empty()) {
    out += listedNames_[entry];
    return;
  }
  out += "<a href=\"";
  out += href;
  out += "\">";
  out += listedNames_[entry];
  out += "</a>";
}

// Every entry page has one, so its parts are appended where they go, with no text made for each.
std::string SiteLayout::entryNavigation(std::size_t entry) const {
  const DocEntry& self = document_.entries[entry];
  const std::string& onPage = pageLinks_.pageNames().fileOf(entry);
  std::string nav;
  nav.reserve(256 + listedNames_[entry].size() * 4);
  nav += entryNavigationHead_;
  if (!self.groupName.empty()) {
    const std::size_t header = groupHeaderOf_[entry];
    nav += ' ';
    appendNavigationItem(nav, "group",
                         header == kNone ? std::string_view() : hrefFrom(header, onPage),
                         escapeHtml(self.groupName));
    if (previous_[entry] != kNone) {
      const std::size_t before = previous_[entry];
      nav += ' ';
      appendNavigationItem(nav, "prev", hrefFrom(before, onPage), listedNames_[before], "&larr; ",
                           {}, "prev");
    }
    if (next_[entry] != kNone) {
      const std::size_t after = next_[entry];
      nav += ' ';
      appendNavigationItem(nav, "next", hrefFrom(after, onPage), listedNames_[after], {}, " &rarr;",
                           "next");
    }
  }
  nav += "</nav>";
  return nav;
}

}  // namespace inkwright
