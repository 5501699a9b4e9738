#include "html/masterindex.h"

#include <vector>

#include "config/settings.h"
#include "html/htmloutput.h"
#include "model/document.h"
#include "scan/ordering.h"
#include "text/platform.h"
#include "text/text.h"
#include "text/textfile.h"

namespace inkwright {

namespace {

// The text after the first "-" of the last NAME tag, up to a second "-".
std::string_view descriptionOf(const DocEntry& entry) {
  std::string_view description;
  for (const TagPair& tag : entry.tags) {
    if (tag.tagName == "NAME") {
      description = trimBlanksView(fieldView(tag.tagValue, 2, '-'));
    }
  }
  return description;
}

void appendEntryItem(std::string& html, const DocEntry& entry) {
  html += "<li><a href=\"";
  html += entry.entryName;
  html += ".html\">";
  html += entry.entryName;
  html += "</a>&nbsp;&nbsp;-&nbsp;&nbsp;<i>";
  html += descriptionOf(entry);
  html += "</i></li>";
}

std::string indexHtml() {
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
        appendEntryItem(html, *entry);
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
  page = replaceAll(page, "@@INDEX@@", indexHtml());
  page = replaceAll(page, "@@PROJECTNAME@@", config.configValue("document title"));
  if (!writeWholeFile(path, applyReplacers(config, std::move(page)))) {
    showMessage("oops", "could not write " + path);
  }
}

}  // namespace inkwright
