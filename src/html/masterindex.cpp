#include "html/masterindex.h"

#include <vector>

#include "config/settings.h"
#include "html/htmloutput.h"
#include "html/pagelinks.h"
#include "html/sitelayout.h"
#include "model/description.h"
#include "model/groups.h"
#include "text/text.h"

namespace inkwright {

namespace {

void appendEntryItem(const Configuration& config, const Document& document, std::string& html,
                     const DocEntry& entry, const PageLinks& pageLinks) {
  const std::size_t index = &entry - document.entries.data();
  html += "<li>";
  html +=
      pageLinks.entryLinkOrText(entry, index, pageLinks.listedName(entry, index), kMasterIndexName);
  html += "&nbsp;&nbsp;-&nbsp;&nbsp;<i>";
  html += pageLinks.shown(indexDescriptionOf(config, entry));
  html += "</i></li>";
}

// Under "styled pages" the lists nest as HTML nests them, and a group heading links to the page of
// its section header entry, as the navigation does, where one is written.
std::string styledIndexList(const Document& document, const SiteLayout& site,
                            const std::vector<std::string>& descriptions) {
  const PageLinks& pageLinks = site.pageLinks();
  const GroupMembers groups = entriesByGroup(document);
  std::string html = "<ul class=\"index\">\n";
  for (const std::string& group : document.groups) {
    if (group.empty()) {
      continue;
    }
    const std::string_view groupPage = site.groupPage(group);
    html += "<li>";
    html += groupPage.empty() ? escapeHtml(group) : pageLinks.linkTo(groupPage, escapeHtml(group));
    html += "\n<ul>\n";
    const auto members = groups.find(group);
    if (members != groups.end()) {
      for (const DocEntry* const entry : members->second) {
        const std::size_t index = entry - document.entries.data();
        html += "<li>";
        site.appendEntryLink(html, index, kMasterIndexName);
        if (!descriptions[index].empty()) {
          html += " <span class=\"description\">";
          html += escapeHtml(descriptions[index]);
          html += "</span>";
        }
        html += "</li>\n";
      }
    }
    html += "</ul>\n</li>\n";
  }
  html += "</ul>\n";
  return html;
}

// A group heading links to the page of the entry named after the group, when there is one.
std::string indexHtml(const Configuration& config, const Document& document,
                      const PageLinks& pageLinks) {
  const GroupMembers groups = entriesByGroup(document);
  std::string html = "<ul>";
  for (const std::string& group : document.groups) {
    if (group.empty()) {
      continue;
    }
    html += "<li>" + pageLinks.linkOrText(group, kMasterIndexName) + "</li><ul>";
    const auto members = groups.find(group);
    if (members != groups.end()) {
      for (const DocEntry* const entry : members->second) {
        appendEntryItem(config, document, html, *entry, pageLinks);
      }
    }
    html += "</ul>";
  }
  html += "</ul>";
  return html;
}

// The page before its index and title are filled in: the "masterindex" template (the "page"
// template when that is empty) with its name.
std::string indexFrame(const Configuration& config) {
  std::string page = config.templateText("masterindex");
  if (page.empty()) {
    page = config.templateText("page");
  }
  replaceAllIn(page, "@@NAME@@", "Index");
  return page;
}

}  // namespace

// The index shows the description trimmed of blanks, but keeps the line breaks it spans: in
// HTML they read as blanks.
std::string indexDescriptionOf(const Configuration& config, const DocEntry& entry) {
  return trimBlanks(entryDescription(entry, config.settings().descriptionItems).value_or(""));
}

std::vector<std::string> indexDescriptions(const Configuration& config, const Document& document) {
  std::vector<std::string> descriptions;
  descriptions.reserve(document.entries.size());
  for (const DocEntry& entry : document.entries) {
    descriptions.push_back(indexDescriptionOf(config, entry));
  }
  return descriptions;
}

bool masterIndexListsGroups(const Configuration& config) {
  return indexFrame(config).find("@@INDEX@@") != std::string::npos;
}

void masterIndexWriter(const Configuration& config, const Document& document,
                       const std::string& path, OutputSink& sink) {
  const PageLinks pageLinks(config.settings().options, document);
  masterIndexWriter(config, document, SiteLayout(config, document, pageLinks), path, sink);
}

void masterIndexWriter(const Configuration& config, const Document& document,
                       const SiteLayout& site, const std::string& path, OutputSink& sink) {
  writePageOrWarn(path, masterIndexPage(config, document, site), sink);
}

std::string masterIndexPage(const Configuration& config, const Document& document,
                            const SiteLayout& site, const std::vector<std::string>* descriptions) {
  const PageLinks& pageLinks = site.pageLinks();
  std::string page = site.framed(indexFrame(config), FramedPage::masterIndex);
  replaceAllWithMade(page, "@@INDEX@@", [&] {
    if (!site.isOn()) {
      return indexHtml(config, document, pageLinks);
    }
    return descriptions != nullptr
               ? styledIndexList(document, site, *descriptions)
               : styledIndexList(document, site, indexDescriptions(config, document));
  });
  replaceAllIn(page, "@@PROJECTNAME@@", pageLinks.shown(config.settings().documentTitle));
  return applyReplacers(config, std::move(page));
}

}  // namespace inkwright
