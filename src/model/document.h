// The records every phase shares and the global lists that hold them for the whole run.
#pragma once

#include <string>
#include <vector>

namespace inkwright {

// One tag of a documentation block: its upper-cased word and the text lines that followed it,
// each preceded by a line feed.
struct TagPair {
  std::string tagName;
  std::string tagValue;
};

// How a tag's value is rendered on the pages.
enum TagKind : int { plainItem = 0, sourceItem = 1, lineItem = 2, tabItem = 3 };

struct TagRule {
  std::string name;
  int ignored = 0;
  int kind = plainItem;
};

// A block holds at most this many tags.
inline constexpr int kMaxTags = 256;

// One documentation block. `tags` holds only the pairs in use, in block order (at most kMaxTags).
struct DocEntry {
  std::string headerPath;
  std::string entryName;
  std::string groupName;
  std::string sectionName;
  std::string sourceFile;
  std::string headerType;
  std::vector<TagPair> tags;
};

// One "#PBIMPORT:" line of a source file.
struct ImportDirective {
  std::string sourceFile;
  std::string declaration;
  int documented = 0;
};

// The markers of the blocks in source files whose full path matches `pattern`.
struct MarkerSet {
  std::string pattern;
  std::string blockStart;
  std::string blockEnd;
  std::string lineStart;
};

struct NamedText {
  std::string name;
  std::string text;
};

struct ConfigPair {
  std::string key;
  std::string value;
};

// The global lists. They live from start-up to exit; records are only ever appended to them,
// and `entryList` and `groupList` are sorted once by the ordering phase.
extern std::vector<ConfigPair> configList;
extern std::vector<NamedText> templateList;
extern std::vector<NamedText> replacerList;
extern std::vector<MarkerSet> markerSetList;
extern std::vector<TagRule> tagRuleList;
extern std::vector<std::string> acceptPatterns;
extern std::vector<std::string> ignorePatterns;
extern std::vector<std::string> sourcePaths;
extern std::vector<std::string> fileList;
extern std::vector<DocEntry> entryList;
extern std::vector<ImportDirective> importList;
extern std::vector<std::string> groupList;

// The markers for files that no MarkerSet pattern matches.
extern MarkerSet defaultMarkers;

// Empties every global list and sets `defaultMarkers` back to empty texts: the state of the
// program at start-up.
void clearDocument();

// Gives the first rule named exactly `name` the kind and flag, or appends a new rule.
void addTagRule(const std::string& name, int kind, int ignored);

// Calls addTagRule for every line of `text` (empty lines included); an empty text adds nothing.
void addTagRules(const std::string& text, int kind, int ignored);

}  // namespace inkwright
