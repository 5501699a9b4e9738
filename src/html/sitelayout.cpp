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

// A navigation item: a link, or, where it would lead to the page it stands on or to no page, its
// text alone.
std::string navigationItem(std::string_view className, std::string_view href, std::string_view text,
                           std::string_view rel = {}) {
  std::string item;
  if (href.empty()) {
    item += "<span class=\"";
    item += className;
    item += "\">";
    item += text;
    item += "</span>";
    return item;
  }
  item += "<a class=\"";
  item += className;
  item += '"';
  if (!rel.empty()) {
    item += " rel=\"";
    item += rel;
    item += '"';
  }
  item += " href=\"";
  item += href;
  item += "\">";
  item += text;
  item += "</a>";
  return item;
}

}  // namespace

// The run reads bytes and writes them as they are, so a page shows its text right only in the
// charset its bytes are in. Sources of one library rarely mix: either all of it is UTF-8, or some
// text is in the single-byte charset that Windows editors save, whose every byte is a character.
// The entries are read on two threads, in slices, since every byte of the sources is looked at.
bool isAllUtf8(const Configuration& config, const Document& document) {
  const Settings& settings = config.settings();
  const std::vector<DocEntry>& entries = document.entries;
  constexpr std::size_t kSlices = 64;
  std::atomic<bool> isUtf8 = true;
  forEachIndexOnTwoThreads(kSlices, [&](std::size_t slice) {
    const std::size_t end = entries.size() * (slice + 1) / kSlices;
    for (std::size_t i = entries.size() * slice / kSlices; i < end && isUtf8; ++i) {
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
  const std::vector<DocEntry>& entries = document.entries;
  for (std::size_t i = 0; i < entries.size(); ++i) {
    if (isSectionHeader(entries[i]) && !pageLinks.pageNames().fileOf(i).empty()) {
      groupHeader_.emplace(entries[i].entryName, i);
    }
  }
  previous_.assign(entries.size(), kNone);
  next_.assign(entries.size(), kNone);
  for (const auto& [group, members] : entriesByGroup(document)) {
    for (std::size_t k = 1; k < members.size(); ++k) {
      const std::size_t before = members[k - 1] - entries.data();
      const std::size_t after = members[k] - entries.data();
      next_[before] = after;
      previous_[after] = before;
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
    replaceAllIn(page, "@@NAVIGATION@@", navigation(kind, {}));
  }
  return page;
}

std::string SiteLayout::navigation(FramedPage kind, std::string_view items) const {
  std::string nav = "<nav class=\"pages\">";
  nav += navigationItem("index", kind == FramedPage::masterIndex ? "" : kMasterIndexName, "Index");
  nav += ' ';
  nav += navigationItem("contents", kind == FramedPage::contents ? "" : kTocName, "Contents");
  nav += items;
  nav += "</nav>";
  return nav;
}

std::string_view SiteLayout::groupPage(const std::string& group) const {
  const auto found = groupHeader_.find(group);
  return found == groupHeader_.end() ? std::string_view()
                                     : pageLinks_.pageNames().fileOf(found->second);
}

std::string SiteLayout::entryLinkOrText(std::size_t entry, std::string_view shownText,
                                        std::string_view onPage) const {
  const std::string& file = pageLinks_.pageNames().fileOf(entry);
  if (file.empty() || file == onPage) {
    return std::string(shownText);
  }
  return pageLinks_.linkTo(file, shownText);
}

std::string SiteLayout::entryNavigation(std::size_t entry) const {
  const DocEntry& self = document_.entries[entry];
  const std::string& onPage = pageLinks_.pageNames().fileOf(entry);
  const auto hrefOf = [&](std::string_view file) {
    return file.empty() || file == onPage ? std::string() : pageLinks_.fileHref(file);
  };
  std::string items;
  if (!self.groupName.empty()) {
    items += ' ';
    items += navigationItem("group", hrefOf(groupPage(self.groupName)), escapeHtml(self.groupName));
    if (previous_[entry] != kNone) {
      const std::size_t before = previous_[entry];
      items += ' ';
      items += navigationItem("prev", hrefOf(pageLinks_.pageNames().fileOf(before)),
                              "&larr; " + pageLinks_.listedName(document_.entries[before], before),
                              "prev");
    }
    if (next_[entry] != kNone) {
      const std::size_t after = next_[entry];
      items += ' ';
      items += navigationItem("next", hrefOf(pageLinks_.pageNames().fileOf(after)),
                              pageLinks_.listedName(document_.entries[after], after) + " &rarr;",
                              "next");
    }
  }
  return navigation(FramedPage::entry, items);
}

}  // namespace inkwright
