#include "html/masterindex.h"

#include <vector>

#include "config/settings.h"
#include "html/htmloutput.h"
#include "html/pagelinks.h"
#include "model/description.h"
#include "model/groups.h"
#include "text/text.h"

namespace inkwright {

namespace {

// The index shows the description trimmed of blanks, but keeps the line breaks it spans: in
// HTML they read as blanks.
std::string indexDescriptionOf(const Configuration& config, const DocEntry& entry) {
  return trimBlanks(entryDescription(entry, config.settings().descriptionItems).value_or(""));
}

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

bool masterIndexListsGroups(const Configuration& config) {
  return indexFrame(config).find("@@INDEX@@") != std::string::npos;
}

void masterIndexWriter(const Configuration& config, const Document& document,
                       const std::string& path, OutputSink& sink) {
  masterIndexWriter(config, document, PageLinks(config.settings().options, document), path, sink);
}

void masterIndexWriter(const Configuration& config, const Document& document,
                       const PageLinks& pageLinks, const std::string& path, OutputSink& sink) {
  std::string page = indexFrame(config);
  replaceAllWithMade(page, "@@INDEX@@", [&] { return indexHtml(config, document, pageLinks); });
  replaceAllIn(page, "@@PROJECTNAME@@", pageLinks.shown(config.settings().documentTitle));
  writePageOrWarn(path, applyReplacers(config, std::move(page)), sink);
}

}  // namespace inkwright
