#include "html/tagformat.h"

#include <algorithm>

#include "html/pagelinks.h"
#include "html/readabletext.h"
#include "text/text.h"

namespace inkwright {

namespace {

bool contains(std::string_view line, std::string_view marker) {
  return line.find(marker) != std::string_view::npos;
}

// The pending item of an item table: a row is written only when the next item line arrives or the
// lines end, and the last row carries no valign attributes.
struct PendingItem {
  std::string term;
  std::string description;
};

void appendItemRow(std::string& result, const PendingItem& item, bool isLast) {
  result += isLast ? "<tr><td><b>" : "<tr><td valign=\"top\"><b>";
  result += item.term;
  result += isLast ? "</b></td><td>&nbsp;-&nbsp;<td>"
                   : "</b></td><td valign=\"top\">&nbsp;-&nbsp;<td valign=\"top\">";
  result += item.description;
  result += "</td></tr>";
}

std::string itemTable(std::string_view text) {
  std::string result = "<table border=0>";
  PendingItem item;
  forEachLine(text, [&](std::string_view line) {
    const auto dashes = std::count(line.begin(), line.end(), '-');
    if (dashes == 1) {
      if (!item.term.empty()) {
        appendItemRow(result, item, false);
      }
      item.term = trimBlanksView(fieldView(line, 1, '-'));
      item.description = trimBlanksView(fieldView(line, 2, '-'));
    } else if (dashes == 0) {
      item.description += "<br />";
      item.description += trimBlanksView(line);
    }
  });
  if (!item.term.empty()) {
    appendItemRow(result, item, true);
  }
  result += "</table>";
  return result;
}

}  // namespace

// The rules of one name are merged into one, so the first rule with a name is also the last.
bool isTagShown(const Configuration& config, const std::string& tagName) {
  const TagRule* const rule = config.tagRule(tagName);
  return rule == nullptr || !rule->ignored;
}

std::string expandTabTables(std::string_view text) {
  // Without a table every line is kept but the empty ones at the start, which is the text
  // without its leading line feeds. Most values are like that.
  if (!contains(text, "[TAB]")) {
    return std::string(text.substr(std::min(text.find_first_not_of('\n'), text.size())));
  }
  std::string result;
  result.reserve(text.size());
  bool inTable = false;
  forEachLine(text, [&](std::string_view line) {
    if (inTable) {
      if (contains(line, "[/TAB]")) {
        result += "</table>\n";
        inTable = false;
      } else {
        appendTabTableRow(result, line);
      }
    } else if (contains(line, "[TAB]")) {
      result += "<table>\n";
      inTable = true;
    } else {
      if (!result.empty()) {
        result += '\n';
      }
      result += line;
    }
  });
  return result;
}

// A tag read in code mode keeps its lines as they were read, whatever key lists it.
bool isCodeTag(const Configuration& config, const std::string& tagName) {
  const std::vector<std::string>& codeItems = config.settings().codeItems;
  return tagName == "SOURCE" ||
         std::find(codeItems.begin(), codeItems.end(), tagName) != codeItems.end();
}

std::string formatTagValue(const Configuration& config, const std::string& tagName,
                           std::string_view value) {
  const TagRule* const rule = config.tagRule(tagName);
  const TagKind kind = rule == nullptr ? TagKind::plainItem : rule->kind;
  const Options& options = config.settings().options;
  // Under "styled pages" code is a box that keeps its lines and their indentation, which line
  // breaks alone would lose to the browser's collapsing of blanks.
  if (options.styledPages && (kind == TagKind::sourceItem || isCodeTag(config, tagName))) {
    const std::string_view code = withoutEmptyEdgeLines(value);
    return "<pre class=\"code\">" + (options.escapeHtml ? escapeHtml(code) : std::string(code)) +
           "</pre>";
  }
  if (options.readableText) {
    if (kind == TagKind::plainItem && !isCodeTag(config, tagName)) {
      return readableText(value, options.escapeHtml);
    }
    // No box ends with an empty line.
    if (kind != TagKind::plainItem) {
      value = withoutEmptyEdgeLines(value);
    }
  }
  // Escaped first, so that the markup of tables and line breaks stays markup.
  std::string expanded = config.settings().options.escapeHtml ? expandTabTables(escapeHtml(value))
                                                              : expandTabTables(value);
  if (kind == TagKind::sourceItem || kind == TagKind::lineItem) {
    return replaceAll(expanded, "\n", "<br />");
  }
  if (kind == TagKind::tabItem) {
    return itemTable(expanded);
  }
  return expanded;
}

}  // namespace inkwright
