// What a run finds in its sources: the files, the entries, the import directives and the groups,
// held by one Document that the reading fills and every output reads.
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
  // Whether every byte of its texts is below 0x80, as the reading found: true where every byte of
  // its file was, false where the file held another or nobody looked.
  bool isAscii = false;
};

// Whether the entry is a section header, whose page lists the entries of its section: the header
// type "h".
inline bool isSectionHeader(const DocEntry& entry) { return entry.headerType == "h"; }

// One "#PBIMPORT:" line of a source file.
struct ImportDirective {
  std::string sourceFile;
  std::string declaration;
  bool documented = false;
  // The line of the directive in sourceFile, counted from 1.
  std::size_t sourceLine = 0;
};

// Everything a run reads from its sources. The reading fills it in a fixed order (the files, then
// the entries and directives of each file, then the names, the sort, the groups and the documented
// flags); once it is filled, every output is handed it as a const reference and derives what else
// it needs locally. What the configuration says is not here but in the run's Configuration
// (config/settings.h).
struct Document {
  // The source files to read, as full paths, in walk order.
  std::vector<std::string> files;
  // In file order as read, then sorted by name.
  std::vector<DocEntry> entries;
  // In file order.
  std::vector<ImportDirective> imports;
  // The distinct group names, sorted.
  std::vector<std::string> groups;
};

}  // namespace inkwright
