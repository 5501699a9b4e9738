#include "model/document.h"

#include "model/listindex.h"
#include "text/text.h"

namespace inkwright {

std::vector<ConfigPair> configList;
std::vector<NamedText> templateList;
std::vector<NamedText> replacerList;
std::vector<MarkerSet> markerSetList;
std::vector<TagRule> tagRuleList;
std::vector<std::string> acceptPatterns;
std::vector<std::string> ignorePatterns;
std::vector<std::string> sourcePaths;
std::vector<std::string> fileList;
std::vector<DocEntry> entryList;
std::vector<ImportDirective> importList;
std::vector<std::string> groupList;
MarkerSet defaultMarkers;
unsigned documentGeneration = 1;

namespace {
FirstMatchIndex<TagRule> tagRuleByName(&TagRule::name);
}  // namespace

void clearDocument() {
  configList.clear();
  templateList.clear();
  replacerList.clear();
  markerSetList.clear();
  tagRuleList.clear();
  acceptPatterns.clear();
  ignorePatterns.clear();
  sourcePaths.clear();
  fileList.clear();
  entryList.clear();
  importList.clear();
  groupList.clear();
  defaultMarkers = MarkerSet{};
  ++documentGeneration;
}

void addTagRule(const std::string& name, int kind, int ignored) {
  const long found = tagRuleByName.find(tagRuleList, name);
  if (found >= 0) {
    tagRuleList[found].kind = kind;
    tagRuleList[found].ignored = ignored;
    return;
  }
  tagRuleList.push_back(TagRule{name, ignored, kind});
}

void addTagRules(const std::string& text, int kind, int ignored) {
  if (text.empty()) {
    return;
  }
  forEachLine(text, [&](std::string_view line) { addTagRule(std::string(line), kind, ignored); });
}

}  // namespace inkwright
