// The records every phase shares, and the global lists that hold what the run finds.
#pragma once

#include <cstddef>
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
enum class TagKind { plainItem = 0, sourceItem = 1, lineItem = 2, tabItem = 3 };

// What the configuration says of the tags named exactly `name`: whether pages leave them out, and
// how their values are rendered.
struct TagRule {
  std::string name;
  bool ignored = false;
  TagKind kind = TagKind::plainItem;
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
  // The line of sourceFile that opened the block, counted from 1.
  std::size_t sourceLine = 0;
};

// One "#PBIMPORT:" line of a source file.
struct ImportDirective {
  std::string sourceFile;
  std::string declaration;
  bool documented = false;
  // The line of the directive in sourceFile, counted from 1.
  std::size_t sourceLine = 0;
};

// The markers of the blocks in source files whose full path matches `pattern`. A non-empty list
// of a kind replaces the single marker of that kind; the lists come only from the list keys.
struct MarkerSet {
  std::string pattern;
  std::string blockStart;
  std::string blockEnd;
  std::string lineStart;
  std::vector<std::string> blockStarts;
  std::vector<std::string> blockEnds;
  std::vector<std::string> lineStarts;
};

struct NamedText {
  std::string name;
  std::string text;
};

struct ConfigPair {
  std::string key;
  std::string value;
};

// The global lists of what the run finds. They live from start-up to exit; records are only ever
// appended to them, and `entryList` and `groupList` are sorted once by the ordering phase. What
// the configuration says is not here but in the run's Configuration (config/settings.h).
extern std::vector<std::string> fileList;
extern std::vector<DocEntry> entryList;
extern std::vector<ImportDirective> importList;
extern std::vector<std::string> groupList;

// Empties every global list: the state of the program at start-up.
void clearDocument();

}  // namespace inkwright
