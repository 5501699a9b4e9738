#include "html/tagformat.h"

#include <algorithm>

#include "model/document.h"
#include "model/listindex.h"
#include "text/text.h"

namespace inkwright {

namespace {

// Called for every tag of every entry, so the rule is looked up through an index (note [first
// match]). addTagRule merges rules of one name, so the first rule with a name is also the last.
FirstMatchIndex<TagRule> tagRuleByName(&TagRule::name);

const TagRule* ruleFor(const std::string& tagName) {
  const long found = tagRuleByName.find(tagRuleList, tagName);
  return found < 0 ? nullptr : &tagRuleList[found];
}

bool contains(std::string_view line, std::string_view marker) {
  return line.find(marker) != std::string_view::npos;
}

void appendTableRow(std::string& result, std::string_view line) {
  result += "<tr><td>";
  result += fieldView(line, 1, '-');
  result += "</td><td>";
  result += fieldView(line, 2, '-');
  result += "</td></tr>\n";
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

bool isTagShown(const std::string& tagName) {
  const TagRule* const rule = ruleFor(tagName);
  return rule == nullptr || rule->ignored != 1;
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
        appendTableRow(result, line);
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

std::string formatTagValue(const std::string& tagName, std::string_view value) {
  const TagRule* const rule = ruleFor(tagName);
  const int kind = rule == nullptr ? plainItem : rule->kind;
  std::string expanded = expandTabTables(value);
  if (kind == sourceItem || kind == lineItem) {
    return replaceAll(expanded, "\n", "<br />");
  }
  if (kind == tabItem) {
    return itemTable(expanded);
  }
  return expanded;
}

}  // namespace inkwright
