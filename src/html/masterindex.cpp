#include "html/masterindex.h"

#include <vector>

#include "config/settings.h"
#include "html/htmloutput.h"
#include "model/description.h"
#include "model/document.h"
#include "scan/ordering.h"
#include "text/text.h"

namespace inkwright {

namespace {

// The index shows the description trimmed of blanks, but keeps the line breaks it spans: in
// HTML they read as blanks.
std::string_view indexDescriptionOf(const Configuration& config, const DocEntry& entry) {
  return trimBlanksView(entryDescription(entry, config.settings().descriptionItems).value_or(""));
}

void appendEntryItem(const Configuration& config, std::string& html, const DocEntry& entry) {
  html += "<li><a href=\"";
  html += entry.entryName;
  html += ".html\">";
  html += entry.entryName;
  html += "</a>&nbsp;&nbsp;-&nbsp;&nbsp;<i>";
  html += indexDescriptionOf(config, entry);
  html += "</i></li>";
}

std::string indexHtml(const Configuration& config) {
  const GroupMembers groups = entriesByGroup();
  std::string html = "<ul>";
  for (const std::string& group : groupList) {
    if (group.empty()) {
      continue;
    }
    html += "<li><a href=\"" + group + ".html\">" + group + "</a></li><ul>";
    const auto members = groups.find(group);
    if (members != groups.end()) {
      for (const DocEntry* const entry : members->second) {
        appendEntryItem(config, html, *entry);
      }
    }
    html += "</ul>";
  }
  html += "</ul>";
  return html;
}

}  // namespace

void masterIndexWriter(const Configuration& config, const std::string& path) {
  std::string page = config.templateText("masterindex");
  if (page.empty()) {
    page = config.templateText("page");
  }
  page = replaceAll(page, "@@NAME@@", "Index");
  page = replaceAll(page, "@@INDEX@@", indexHtml(config));
  page = replaceAll(page, "@@PROJECTNAME@@", config.configValue("document title"));
  writePageOrWarn(config, path, applyReplacers(config, std::move(page)));
}

}  // namespace inkwright
