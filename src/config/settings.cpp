#include "config/settings.h"

#include "model/document.h"
#include "model/listindex.h"
#include "text/text.h"

namespace inkwright {

namespace {

// See note [first match]: the page writer asks for a per-tag template once for every tag of every
// entry, so the lookups must not walk the list.
FirstMatchIndex<ConfigPair> configByKey(&ConfigPair::key);
FirstMatchIndex<NamedText> templateByName(&NamedText::name);
FirstMatchIndex<MarkerSet> markerSetByPattern(&MarkerSet::pattern);

// Appends every line of the key's value to list, empty lines included; an empty value adds none.
void appendValueLines(const std::string& key, std::vector<std::string>& list) {
  const std::string value = configValue(key);
  if (value.empty()) {
    return;
  }
  forEachLine(value, [&](std::string_view line) { list.emplace_back(line); });
}

void replaceWhenGiven(const std::string& key, std::string& marker) {
  std::string value = configValue(key);
  if (!value.empty()) {
    marker = std::move(value);
  }
}

}  // namespace

std::string configValue(const std::string& key) {
  const long found = configByKey.find(configList, key);
  return found < 0 ? std::string() : configList[found].value;
}

std::string templateText(const std::string& name) {
  const long found = templateByName.find(templateList, name);
  return found < 0 ? std::string() : templateList[found].text;
}

void registerMarkerSet(const std::string& pattern) {
  if (markerSetByPattern.find(markerSetList, pattern) < 0) {
    markerSetList.push_back(MarkerSet{pattern, "", "", ""});
  }
}

void deriveSettings() {
  addTagRules(configValue("items"), plainItem, 0);
  addTagRules(configValue("ignore items"), plainItem, 1);
  addTagRules(configValue("line items"), lineItem, 0);
  addTagRules(configValue("source items"), sourceItem, 0);
  addTagRules(configValue("tab items"), tabItem, 0);

  appendValueLines("accept files", acceptPatterns);
  appendValueLines("ignore files", ignorePatterns);
  appendValueLines("source path", sourcePaths);

  defaultMarkers = MarkerSet{"", "/****", "****", "*"};
  replaceWhenGiven("block start", defaultMarkers.blockStart);
  replaceWhenGiven("block end", defaultMarkers.blockEnd);
  replaceWhenGiven("line start", defaultMarkers.lineStart);

  // The built-in templates stand behind the registered ones, so that a registered "page" with an
  // empty value hides the built-in text from templateText.
  templateList.push_back(NamedText{"page", kBuiltinPageTemplate});
  templateList.push_back(NamedText{"tag", kBuiltinTagTemplate});
  for (NamedText& entry : templateList) {
    replaceWhenGiven("template:" + entry.name, entry.text);
  }
  for (NamedText& replacer : replacerList) {
    replacer.text = configValue("replacer:" + replacer.name);
  }
  for (MarkerSet& markers : markerSetList) {
    markers.blockStart = configValue("block start:" + markers.pattern);
    markers.blockEnd = configValue("block end:" + markers.pattern);
    markers.lineStart = configValue("line start:" + markers.pattern);
  }
}

}  // namespace inkwright
