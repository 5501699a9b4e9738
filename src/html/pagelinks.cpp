#include "html/pagelinks.h"

#include <algorithm>
#include <array>

#include "text/text.h"

namespace inkwright {

namespace {

constexpr std::array<const char*, 4> kEntities = {"&amp;", "&lt;", "&gt;", "&quot;"};

}  // namespace

// Tag values hold most of the bytes of a run, and most hold none of the four bytes. So each of
// the four is looked for on its own with string_view::find (memchr, many bytes at a time), and
// found again only once the text has passed it; the text between is copied in runs. Counted with
// callgrind over a whole run of the 2,000-entry bench library with every page switch on, that
// costs 392 M instructions, against 436 M for the next best way, a table look-up per byte.
void HtmlEscaper::appendEscaped(std::string& out, std::size_t begin, std::size_t end) {
  while (nearest_ < end) {
    const std::size_t k = std::find(next_.begin(), next_.end(), nearest_) - next_.begin();
    // A byte between two pieces is not written, only passed.
    if (nearest_ >= begin) {
      out.append(text_.data() + begin, nearest_ - begin);
      out += kEntities[k];
      begin = nearest_ + 1;
    }
    next_[k] = text_.find(kBytes[k], nearest_ + 1);
    nearest_ = *std::min_element(next_.begin(), next_.end());
  }
  out.append(text_.data() + begin, end - begin);
}

std::string escapeHtml(std::string_view text) {
  // Names and headings are short, and most hold none of the four bytes: one look at each byte
  // costs less than four searches.
  constexpr std::size_t kShort = 64;
  if (text.size() <= kShort && std::none_of(text.begin(), text.end(), [](char c) {
        return c == '&' || c == '<' || c == '>' || c == '"';
      })) {
    return std::string(text);
  }
  HtmlEscaper escaper(text, true);
  if (escaper.isPlain()) {
    return std::string(text);
  }
  std::string escaped;
  escaped.reserve(text.size() + text.size() / 8);
  escaper.append(escaped, 0, text.size());
  return escaped;
}

PageLinks::PageLinks(const Options& options, const Document& document)
    : escapeHtml_(options.escapeHtml || options.styledPages),
      styledPages_(options.styledPages),
      existingLinksOnly_(options.existingLinksOnly),
      noSelfLinks_(options.noSelfLinks),
      safePageNames_(options.safePageNames),
      pageNames_(options, document) {
  if (!existingLinksOnly_ || !pageNames_.isOriginal()) {
    return;
  }
  writtenFiles_.reserve(document.entries.size());
  for (const DocEntry& entry : document.entries) {
    if (isPageWritten(entry.entryName)) {
      writtenFiles_.emplace(pageNames_.originalStem(entry.entryName));
    }
  }
}

std::string PageLinks::shown(std::string_view text) const {
  return escapeHtml_ ? escapeHtml(text) : std::string(text);
}

bool PageLinks::isLinked(const std::string& name) const {
  if (!pageNames_.isOriginal()) {
    return !pageNames_.targetOf(name, {}).empty();
  }
  return !existingLinksOnly_ ||
         (isPageWritten(name) &&
          writtenFiles_.find(pageNames_.originalStem(name)) != writtenFiles_.end());
}

void PageLinks::appendFileHref(std::string& out, std::string_view file) const {
  constexpr std::string_view kPageEnding = ".html";
  if (existingLinksOnly_) {
    appendPercentEncoded(out, file.substr(0, file.size() - kPageEnding.size()),
                         PlainBytes::portableFileName);
    out += kPageEnding;
  } else {
    appendLocal(out, shown(file));
  }
}

// A page name such as "javascript:run" would be read as a link of that scheme, and a click on it
// would run the name as a script; "./" keeps it a file of the output folder. The original format's
// links are kept as they are; styled pages link every file so.
void PageLinks::appendLocal(std::string& out, std::string_view href) const {
  if (styledPages_ && href.find(':') != std::string_view::npos) {
    out += "./";
  }
  out += href;
}

void PageLinks::appendHref(std::string& out, const std::string& name) const {
  if (!pageNames_.isOriginal()) {
    appendFileHref(out, pageNames_.targetOf(name, {}));
  } else if (existingLinksOnly_) {
    appendPercentEncoded(out, pageNames_.originalStem(name), PlainBytes::portableFileName);
    out += ".html";
  } else {
    // Links keep a leading "#" of the name, as the original format writes them, but lead to the
    // stand-in of a name whose page would be the search page.
    appendLocal(out, shown(pageNames_.linkedName(name)));
    out += ".html";
  }
}

std::string PageLinks::href(const std::string& name) const {
  std::string href;
  href.reserve(name.size() + 5);
  appendHref(href, name);
  return href;
}

// The file of the page that a link to name leads to, as the self links are found: for pages named
// as the original format names them, the page of the name's file name.
std::string PageLinks::originalFile(std::string_view name) const {
  return isPageWritten(name) ? std::string(pageNames_.originalStem(name)) + ".html" : std::string();
}

std::string PageLinks::linkOrText(const std::string& name, std::string_view onPage) const {
  if (!isLinked(name)) {
    return shown(name);
  }
  if (noSelfLinks_ && !onPage.empty()) {
    const bool isSelf = pageNames_.isOriginal() ? originalFile(name) == onPage
                                                : pageNames_.targetOf(name, {}) == onPage;
    if (isSelf) {
      return shown(name);
    }
  }
  std::string link;
  link.reserve(2 * name.size() + 20);
  link += "<a href=\"";
  appendHref(link, name);
  link += "\">";
  link += shown(name);
  link += "</a>";
  return link;
}

std::string PageLinks::fileHref(std::string_view file) const {
  std::string href;
  appendFileHref(href, file);
  return href;
}

std::string PageLinks::linkTo(std::string_view file, std::string_view shownText) const {
  std::string link;
  link.reserve(file.size() + shownText.size() + 20);
  link += "<a href=\"";
  appendFileHref(link, file);
  link += "\">";
  link += shownText;
  link += "</a>";
  return link;
}

// Where pages are named as the original format names them, a list links an entry's name.
bool PageLinks::isEntryLinked(const DocEntry& entry, std::size_t index) const {
  if (pageNames_.isOriginal()) {
    return isLinked(entry.entryName);
  }
  return !pageNames_.fileOf(index).empty();
}

std::string PageLinks::entryHref(const DocEntry& entry, std::size_t index) const {
  if (pageNames_.isOriginal()) {
    return href(entry.entryName);
  }
  std::string href;
  appendFileHref(href, pageNames_.fileOf(index));
  return href;
}

std::string PageLinks::entryLinkOrText(const DocEntry& entry, std::size_t index,
                                       std::string_view shownText, std::string_view onPage) const {
  if (pageNames_.isOriginal()) {
    return linkOrText(entry.entryName, onPage);
  }
  const std::string& file = pageNames_.fileOf(index);
  if (file.empty() || (noSelfLinks_ && file == onPage)) {
    return std::string(shownText);
  }
  return linkTo(file, shownText);
}

std::string PageLinks::listedName(const DocEntry& entry, std::size_t index) const {
  if (!pageNames_.isShared(index)) {
    return shown(entry.entryName);
  }
  return shown(entry.entryName + " (" + entry.sectionName + ")");
}

std::vector<PageLinks::NameOnPage> PageLinks::namesOnPage(std::size_t entry,
                                                          const Document& document) const {
  std::vector<NameOnPage> names;
  const DocEntry& page = document.entries[entry];
  const std::string_view pageFile = pageNames_.fileOf(entry);
  if (!pageNames_.isOriginal()) {
    for (const auto& [name, file] : pageNames_.sectionTargets(page.sectionName)) {
      names.push_back(NameOnPage{std::string(name),
                                 noSelfLinks_ && file == pageFile ? std::string_view() : file});
    }
  }
  if (!noSelfLinks_ || pageFile.empty()) {
    return names;
  }
  // The names that lead here: the entry's own, and, where pages are named after the name without
  // a leading "#", the one that differs from it in that "#".
  const auto leadsHere = [&](std::string_view name) {
    return pageNames_.isOriginal() ? originalFile(name) == pageFile
                                   : pageNames_.targetOf(name, page.sectionName) == pageFile;
  };
  const auto addIfSelf = [&](std::string_view name) {
    const bool isListed = std::any_of(names.begin(), names.end(),
                                      [&](const NameOnPage& known) { return known.name == name; });
    if (!isListed && leadsHere(name)) {
      names.push_back(NameOnPage{std::string(name), {}});
    }
  };
  addIfSelf(page.entryName);
  if (!safePageNames_) {
    const std::string_view stem = pageFileName(page.entryName);
    addIfSelf(stem);
    addIfSelf("#" + std::string(stem));
  }
  return names;
}

}  // namespace inkwright
