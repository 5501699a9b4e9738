#include "config/settings.h"

#include <utility>

#include "text/text.h"

namespace inkwright {

namespace {

using FirstMatchIndex = std::unordered_map<std::string, std::size_t>;

// See note [first match]: emplace keeps the position of a key's first record.
template <class Record>
FirstMatchIndex indexFirstMatches(const std::vector<Record>& list, std::string Record::*field) {
  FirstMatchIndex first;
  first.reserve(list.size());
  for (std::size_t i = 0; i < list.size(); ++i) {
    first.emplace(list[i].*field, i);
  }
  return first;
}

// The configuration values while the settings are derived; configList does not change meanwhile.
class ValueLookup {
 public:
  explicit ValueLookup(const std::vector<ConfigPair>& pairs)
      : pairs_(pairs), first_(indexFirstMatches(pairs, &ConfigPair::key)) {}

  std::string operator()(const std::string& key) const {
    const auto found = first_.find(key);
    return found == first_.end() ? std::string() : pairs_[found->second].value;
  }

 private:
  const std::vector<ConfigPair>& pairs_;
  FirstMatchIndex first_;
};

// Appends every line of the key's value to list, empty lines included; an empty value adds none.
void appendValueLines(const std::string& value, std::vector<std::string>& list) {
  if (value.empty()) {
    return;
  }
  forEachLine(value, [&](std::string_view line) { list.emplace_back(line); });
}

void replaceWhenGiven(std::string value, std::string& marker) {
  if (!value.empty()) {
    marker = std::move(value);
  }
}

// Gives the first rule named exactly `name` this flag and kind, or appends a new rule; `first`
// indexes `rules` and follows what is appended.
void addTagRule(std::vector<TagRule>& rules, FirstMatchIndex& first, std::string name, bool ignored,
                TagKind kind) {
  const auto [position, isNew] = first.emplace(name, rules.size());
  if (isNew) {
    rules.push_back(TagRule{std::move(name), ignored, kind});
    return;
  }
  rules[position->second].ignored = ignored;
  rules[position->second].kind = kind;
}

// The non-empty lines of a value, in order.
std::vector<std::string> nonEmptyLines(std::string_view value) {
  std::vector<std::string> lines;
  forEachLine(value, [&](std::string_view line) {
    if (!line.empty()) {
      lines.emplace_back(line);
    }
  });
  return lines;
}

void readMarkerLists(const ValueLookup& configValue, const std::string& suffix, MarkerSet& set) {
  set.blockStarts = markerList(configValue("block starts" + suffix));
  set.blockEnds = markerList(configValue("block ends" + suffix));
  set.lineStarts = markerList(configValue("line starts" + suffix));
}

// The first line of a binding file key's value, trimmed of blanks; the default name when that is
// empty. The name is taken as it stands, without any check: one holding its own directories lands
// below the output directory.
std::string bindingFileName(const std::string& value, std::string_view defaultName) {
  const std::string_view name = trimBlanksView(fieldView(trimBlanksView(value), 1, '\n'));
  return std::string(name.empty() ? defaultName : name);
}

// An empty value lists no file; the lines of any other are kept, empty ones too.
std::vector<std::string> trimmedLines(const std::string& value) {
  std::vector<std::string> lines;
  if (!trimBlanksView(value).empty()) {
    forEachLine(value, [&](std::string_view line) { lines.emplace_back(trimBlanksView(line)); });
  }
  return lines;
}

void deriveOutputSettings(const ValueLookup& configValue, Settings& settings) {
  settings.outputPath = outputPathFrom(configValue("output path"));
  settings.outputFormat = configValue("output format");
  settings.documentTitle = configValue("document title");
  settings.additionalFiles = trimmedLines(configValue("additional files"));
  settings.importFileName = bindingFileName(configValue("importfile"), kImportFileName);
  settings.editorReferenceName = bindingFileName(configValue("japbefile"), kEditorReferenceName);
  settings.userLibraryName = bindingFileName(configValue("userlibfile"), kUserLibraryName);
}

}  // namespace

bool isMarkerKey(std::string_view key) {
  return key == "block start" || key == "block end" || key == "line start";
}

bool isMarkerListKey(std::string_view key) {
  return key == "block starts" || key == "block ends" || key == "line starts";
}

std::string outputPathFrom(const std::string& value) {
  return withTrailingSeparator(trimBlanks(value), '\\');
}

std::vector<std::string> markerList(std::string_view value) {
  std::vector<std::string> markers;
  forEachLine(value, [&](std::string_view line) {
    if (line.size() >= 2 && line.front() == '"' && line.back() == '"') {
      line = line.substr(1, line.size() - 2);
    }
    if (!line.empty()) {
      markers.emplace_back(line);
    }
  });
  return markers;
}

// The rules are indexed once per text, so that a long list of names merges in linear time.
void addTagRules(std::vector<TagRule>& rules, const std::string& text, bool ignored, TagKind kind) {
  if (text.empty()) {
    return;
  }
  FirstMatchIndex first = indexFirstMatches(rules, &TagRule::name);
  forEachLine(text, [&](std::string_view line) {
    addTagRule(rules, first, std::string(line), ignored, kind);
  });
}

void deriveSettings(Settings& settings) {
  const ValueLookup configValue(settings.configList);
  std::vector<TagRule>& rules = settings.tagRuleList;
  addTagRules(rules, configValue("items"), false, TagKind::plainItem);
  addTagRules(rules, configValue("ignore items"), true, TagKind::plainItem);
  addTagRules(rules, configValue("line items"), false, TagKind::lineItem);
  addTagRules(rules, configValue("source items"), false, TagKind::sourceItem);
  addTagRules(rules, configValue("tab items"), false, TagKind::tabItem);

  settings.options = optionsFrom(configValue("options"));
  settings.codeItems = nonEmptyLines(configValue("code items"));
  settings.descriptionItems = nonEmptyLines(configValue("description item"));

  appendValueLines(configValue("accept files"), settings.acceptPatterns);
  appendValueLines(configValue("ignore files"), settings.ignorePatterns);
  appendValueLines(configValue("source path"), settings.sourcePaths);

  MarkerSet& markers = settings.defaultMarkers;
  markers = MarkerSet{"", "/****", "****", "*", {}, {}, {}};
  replaceWhenGiven(configValue("block start"), markers.blockStart);
  replaceWhenGiven(configValue("block end"), markers.blockEnd);
  replaceWhenGiven(configValue("line start"), markers.lineStart);
  readMarkerLists(configValue, "", markers);

  // The built-in templates stand behind the registered ones, so that a registered "page" with an
  // empty value hides the built-in text from templateText.
  settings.ownTemplateCount = settings.templateList.size();
  if (settings.options.styledPages) {
    settings.templateList.push_back(NamedText{"page", kStyledPageTemplate});
    settings.templateList.push_back(NamedText{"tag", kStyledTagTemplate});
    settings.templateList.push_back(NamedText{"masterindex", kStyledIndexTemplate});
  } else {
    settings.templateList.push_back(NamedText{"page", kBuiltinPageTemplate});
    settings.templateList.push_back(NamedText{"tag", kBuiltinTagTemplate});
  }
  for (NamedText& entry : settings.templateList) {
    replaceWhenGiven(configValue("template:" + entry.name), entry.text);
  }
  for (NamedText& replacer : settings.replacerList) {
    replacer.text = configValue("replacer:" + replacer.name);
  }
  for (MarkerSet& set : settings.markerSetList) {
    set.blockStart = configValue("block start:" + set.pattern);
    set.blockEnd = configValue("block end:" + set.pattern);
    set.lineStart = configValue("line start:" + set.pattern);
    readMarkerLists(configValue, ":" + set.pattern, set);
  }
  deriveOutputSettings(configValue, settings);
}

Configuration::Configuration(Settings settings)
    : settings_(std::move(settings)),
      templateByName_(indexFirstMatches(settings_.templateList, &NamedText::name)),
      tagRuleByName_(indexFirstMatches(settings_.tagRuleList, &TagRule::name)),
      defaultTagTemplate_(templateText("tag")) {
  constexpr std::string_view kTagTemplateKey = "template:#";
  for (std::size_t i = 0; i < settings_.configList.size(); ++i) {
    const std::string& key = settings_.configList[i].key;
    if (key.starts_with(kTagTemplateKey)) {
      tagTemplateByName_.emplace(key.substr(kTagTemplateKey.size()), i);
    }
  }
}

std::string Configuration::templateText(const std::string& name) const {
  const auto found = templateByName_.find(name);
  return found == templateByName_.end() ? std::string()
                                        : settings_.templateList[found->second].text;
}

bool Configuration::givesTemplate(const std::string& name) const {
  const auto found = templateByName_.find(name);
  return found != templateByName_.end() && found->second < settings_.ownTemplateCount;
}

const std::string& Configuration::tagTemplate(const std::string& tagName) const {
  const auto found = tagTemplateByName_.find(tagName);
  if (found == tagTemplateByName_.end() || settings_.configList[found->second].value.empty()) {
    return defaultTagTemplate_;
  }
  return settings_.configList[found->second].value;
}

const TagRule* Configuration::tagRule(const std::string& name) const {
  const auto found = tagRuleByName_.find(name);
  return found == tagRuleByName_.end() ? nullptr : &settings_.tagRuleList[found->second];
}

}  // namespace inkwright
