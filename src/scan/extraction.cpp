#include "scan/extraction.h"

#include <algorithm>
#include <cstddef>
#include <iterator>
#include <optional>
#include <string_view>
#include <vector>

#include "scan/imports.h"
#include "text/text.h"
#include "text/textfile.h"
#include "text/threadstart.h"

namespace inkwright {

namespace {

// What one file's lines have built up so far. `inSource` outlives the blocks of the file, so
// after a block that ended in a SOURCE tag the unmarked lines of the next one are content too.
struct BlockState {
  const Configuration& config;
  std::vector<DocEntry>& entries;
  bool inBlock = false;
  bool inSource = false;
  // The value that text lines go to; none before a block's first tag line and after a tag line
  // that found the block full, so that such lines change nothing.
  std::string* currentValue = nullptr;
};

// What one file gave, kept until the files before it are in the lists.
struct SourceBlocks {
  std::vector<DocEntry> entries;
  std::vector<ImportDirective> directives;
};

void startBlock(std::string_view line, const std::string& path, std::size_t lineNumber,
                const MarkerSet& markers, BlockState& state) {
  DocEntry& entry = state.entries.emplace_back();
  entry.sourceFile = path;
  entry.sourceLine = lineNumber;
  entry.headerType = std::string(line.substr(markers.blockStart.size()).substr(0, 1));
  std::string_view headerPath = fieldView(line, 2, ' ');
  if (startsWith(headerPath, "/")) {
    headerPath.remove_prefix(1);
  }
  entry.headerPath = std::string(headerPath);
  state.inBlock = true;
  state.currentValue = nullptr;
}

bool isTagWord(const Configuration& config, const std::string& word) {
  return !word.empty() && config.tagRule(word) != nullptr;
}

// Starts the next tag of the block; a tag line that finds the block full starts none.
void addTag(std::string word, BlockState& state) {
  std::vector<TagPair>& tags = state.entries.back().tags;
  if (tags.size() == static_cast<std::size_t>(kMaxTags)) {
    state.currentValue = nullptr;
    return;
  }
  tags.push_back(TagPair{std::move(word), {}});
  state.currentValue = &tags.back().tagValue;
}

LineRole readContentLine(std::string_view text, BlockState& state) {
  std::string word = upperCase(fieldView(text, 2, ' '));
  if (!isTagWord(state.config, word)) {
    if (state.currentValue != nullptr) {
      state.currentValue->append(1, '\n').append(text);
    }
    return LineRole::textLine;
  }
  state.inSource = word == "SOURCE";
  addTag(std::move(word), state);
  return LineRole::tagLine;
}

// A value grows a line at a time and may hold as much spare room as text, and so may the list of
// tags: cut to size as the block ends, that room is free again for the blocks still to come.
void releaseSpareRoom(DocEntry& entry) {
  entry.tags.shrink_to_fit();
  for (TagPair& tag : entry.tags) {
    tag.tagValue.shrink_to_fit();
  }
}

// The role of the line, and in `content` the part of it that a content line reads.
LineRole readBlockLine(std::string_view line, const MarkerSet& markers, BlockState& state,
                       std::string_view& content) {
  if (startsWith(line, markers.blockEnd)) {
    state.inBlock = false;
    releaseSpareRoom(state.entries.back());
    return LineRole::blockEnd;
  }
  if (startsWith(line, markers.lineStart)) {
    content = line.substr(markers.lineStart.size());
    return readContentLine(content, state);
  }
  if (state.inSource) {
    return readContentLine(line, state);
  }
  return LineRole::unmarked;
}

LineRole readLineOfFile(std::string_view line, const std::string& path, std::size_t lineNumber,
                        const MarkerSet& markers, BlockState& state, std::string_view& content) {
  if (state.inBlock) {
    return readBlockLine(line, markers, state, content);
  }
  if (startsWith(line, markers.blockStart)) {
    startBlock(line, path, lineNumber, markers, state);
    return LineRole::blockStart;
  }
  return LineRole::outside;
}

// The file's place in the paths, whom to tell about its lines (null: nobody), and where to put the
// digest of its bytes (null: nowhere; left empty when the file cannot be opened).
struct Watch {
  ExtractionObserver* observer;
  std::size_t fileIndex;
  std::optional<Digest>* digest;
};

// Reads the file line by line into the lists given, readOne(line, lineNumber, state, content)
// handling each line and giving its role, and tells the observer, if any, what each line was.
template <class ReadOne>
void readFileLines(const Configuration& config, const std::string& path, SourceBlocks& read,
                   const Watch& watch, ReadOne&& readOne) {
  // Only a run that keeps a record digests its sources.
  std::optional<DigestBuilder> digest;
  if (watch.digest != nullptr) {
    digest.emplace();
  }
  std::optional<InputFile> file = openInput(path, digest ? &*digest : nullptr);
  if (!file) {
    if (watch.observer != nullptr) {
      watch.observer->unreadableFile(watch.fileIndex);
    }
    return;
  }
  BlockState state{config, read.entries};
  std::string line;
  std::size_t lineNumber = 0;
  do {
    readLine(*file, line);
    ++lineNumber;
    readImportDirective(line, path, lineNumber, read.directives);
    std::string_view content = line;
    const LineRole role = readOne(line, lineNumber, state, content);
    if (watch.observer != nullptr) {
      watch.observer->sawLine(watch.fileIndex, lineNumber, role, content);
    }
  } while (!atEnd(*file));
  closeFile(*file);
  if (digest) {
    *watch.digest = digest->digest();
  }
  if (watch.observer != nullptr) {
    watch.observer->fileEnded(watch.fileIndex, state.inBlock);
  }
}

// The blocks and directives of one file, appended to the lists given.
void readSource(const Configuration& config, const std::string& path, const MarkerSet& markers,
                SourceBlocks& read, const Watch& watch) {
  readFileLines(config, path, read, watch,
                [&](std::string_view line, std::size_t lineNumber, BlockState& state,
                    std::string_view& content) {
                  return readLineOfFile(line, path, lineNumber, markers, state, content);
                });
}

// note [comment styles]
// The extensions of the block format (marker lists, the four block switches, code items) are read
// by a reader of their own, so that the original format keeps exactly the reader above. What a
// file's reader is and which markers it tests are decided once per file, not per line: a file
// whose MarkerSet holds no list, under a configuration that turns on no block extension, is read
// by readSource.

// A blank in the extensions' rules is a space or a tab.
bool isBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view skipBlanks(std::string_view text) {
  std::size_t first = 0;
  while (first < text.size() && isBlank(text[first])) {
    ++first;
  }
  return text.substr(first);
}

std::string_view trimBlanksAndTabs(std::string_view text) {
  text = skipBlanks(text);
  while (!text.empty() && isBlank(text.back())) {
    text.remove_suffix(1);
  }
  return text;
}

// The markers of one kind: the set's list when it holds one, else its single marker. With
// indented markers each marker is tested without its leading blanks.
std::vector<std::string> markersOfKind(const std::vector<std::string>& list,
                                       const std::string& single, bool indented) {
  std::vector<std::string> markers = list.empty() ? std::vector<std::string>{single} : list;
  if (indented) {
    for (std::string& marker : markers) {
      marker = std::string(skipBlanks(marker));
    }
  }
  return markers;
}

// The length of the longest marker that `line` starts with; npos when it starts with none.
std::size_t longestMarker(std::string_view line, const std::vector<std::string>& markers) {
  std::size_t longest = std::string_view::npos;
  for (const std::string& marker : markers) {
    if (startsWith(line, marker) &&
        (longest == std::string_view::npos || marker.size() > longest)) {
      longest = marker.size();
    }
  }
  return longest;
}

bool startsWithAny(std::string_view line, const std::vector<std::string>& markers) {
  return longestMarker(line, markers) != std::string_view::npos;
}

// What the block rules of one file are under the extensions, settled before its first line.
struct BlockStyle {
  std::vector<std::string> starts;
  std::vector<std::string> ends;
  std::vector<std::string> lineStarts;
  const Options& options;
  const std::vector<std::string>& codeItems;
  // No rule name is longer, so a longer line is no whole tag name and needs no lookup.
  std::size_t longestRuleName = 0;
};

BlockStyle blockStyleFor(const Configuration& config, const MarkerSet& markers) {
  const Settings& settings = config.settings();
  const bool indented = settings.options.indentedMarkers;
  BlockStyle style{markersOfKind(markers.blockStarts, markers.blockStart, indented),
                   markersOfKind(markers.blockEnds, markers.blockEnd, indented),
                   markersOfKind(markers.lineStarts, markers.lineStart, indented), settings.options,
                   settings.codeItems};
  for (const TagRule& rule : settings.tagRuleList) {
    style.longestRuleName = std::max(style.longestRuleName, rule.name.size());
  }
  return style;
}

bool usesBlockStyle(const Configuration& config, const MarkerSet& markers) {
  const Settings& settings = config.settings();
  const Options& options = settings.options;
  return !markers.blockStarts.empty() || !markers.blockEnds.empty() ||
         !markers.lineStarts.empty() || !settings.codeItems.empty() || options.indentedMarkers ||
         options.wholeHeaderName || options.wholeTagNames || options.markedTagsOnly;
}

// The rest of the block-start line after its first word, without a closing marker or a closing
// run of stars (with or without a "/" after it), trimmed, and without one leading "/".
std::string_view wholeHeaderPath(std::string_view fromMarker, const BlockStyle& style) {
  std::size_t word = 0;
  while (word < fromMarker.size() && !isBlank(fromMarker[word])) {
    ++word;
  }
  std::string_view rest = fromMarker.substr(word);
  std::size_t closing = 0;
  for (const std::string& end : style.ends) {
    if (!end.empty() && rest.ends_with(end)) {
      closing = std::max(closing, end.size());
    }
  }
  if (closing > 0) {
    rest.remove_suffix(closing);
  } else {
    if (rest.ends_with("*/")) {
      rest.remove_suffix(1);
    }
    while (rest.ends_with('*')) {
      rest.remove_suffix(1);
    }
  }
  rest = trimBlanksAndTabs(rest);
  if (startsWith(rest, "/")) {
    rest.remove_prefix(1);
  }
  return rest;
}

void startStyledBlock(std::string_view fromMarker, std::size_t markerLength,
                      const std::string& path, std::size_t lineNumber, const BlockStyle& style,
                      BlockState& state) {
  DocEntry& entry = state.entries.emplace_back();
  entry.sourceFile = path;
  entry.sourceLine = lineNumber;
  entry.headerType = std::string(fromMarker.substr(markerLength).substr(0, 1));
  if (style.options.wholeHeaderName) {
    entry.headerPath = std::string(wholeHeaderPath(fromMarker, style));
  } else {
    std::string_view headerPath = fieldView(fromMarker, 2, ' ');
    if (startsWith(headerPath, "/")) {
      headerPath.remove_prefix(1);
    }
    entry.headerPath = std::string(headerPath);
  }
  state.inBlock = true;
  state.currentValue = nullptr;
}

// The tag name a content line may be: its whole text, or its second word.
std::string tagWordOf(std::string_view text, const BlockStyle& style) {
  if (!style.options.wholeTagNames) {
    return upperCase(fieldView(text, 2, ' '));
  }
  const std::string_view whole = trimBlanksAndTabs(text);
  return whole.size() > style.longestRuleName ? std::string() : upperCase(whole);
}

bool isCodeTag(const std::string& word, const BlockStyle& style) {
  return word == "SOURCE" ||
         std::find(style.codeItems.begin(), style.codeItems.end(), word) != style.codeItems.end();
}

LineRole readStyledContentLine(std::string_view text, bool isMarked, const BlockStyle& style,
                               BlockState& state) {
  std::string word;
  if (isMarked || !style.options.markedTagsOnly) {
    word = tagWordOf(text, style);
  }
  if (!isTagWord(state.config, word)) {
    if (state.currentValue != nullptr) {
      state.currentValue->append(1, '\n').append(text);
    }
    return LineRole::textLine;
  }
  state.inSource = isCodeTag(word, style);
  addTag(std::move(word), state);
  return LineRole::tagLine;
}

// A line that only closes the comment around code, or reopens it after the code.
bool isCommentSeam(std::string_view line) {
  const std::string_view text = trimBlanksAndTabs(line);
  return text == "*/" || text == "/*";
}

// readBlockLine under the extensions.
LineRole readStyledBlockLine(std::string_view line, const BlockStyle& style, BlockState& state,
                             std::string_view& content) {
  if (state.inSource && !style.codeItems.empty() && isCommentSeam(line)) {
    return LineRole::unmarked;
  }
  const std::string_view tested = style.options.indentedMarkers ? skipBlanks(line) : line;
  if (startsWithAny(tested, style.ends)) {
    state.inBlock = false;
    releaseSpareRoom(state.entries.back());
    return LineRole::blockEnd;
  }
  const std::size_t marker = longestMarker(tested, style.lineStarts);
  if (marker != std::string_view::npos) {
    content = tested.substr(marker);
    return readStyledContentLine(content, true, style, state);
  }
  if (state.inSource) {
    return readStyledContentLine(line, false, style, state);
  }
  return LineRole::unmarked;
}

// readLineOfFile under the extensions.
LineRole readStyledLineOfFile(std::string_view line, const std::string& path,
                              std::size_t lineNumber, const BlockStyle& style, BlockState& state,
                              std::string_view& content) {
  if (state.inBlock) {
    return readStyledBlockLine(line, style, state, content);
  }
  const std::string_view tested = style.options.indentedMarkers ? skipBlanks(line) : line;
  const std::size_t marker = longestMarker(tested, style.starts);
  if (marker == std::string_view::npos) {
    return LineRole::outside;
  }
  startStyledBlock(tested, marker, path, lineNumber, style, state);
  return LineRole::blockStart;
}

// readSource under the extensions; see note [comment styles].
void readStyledSource(const Configuration& config, const std::string& path,
                      const MarkerSet& markers, SourceBlocks& read, const Watch& watch) {
  const BlockStyle style = blockStyleFor(config, markers);
  readFileLines(config, path, read, watch,
                [&](std::string_view line, std::size_t lineNumber, BlockState& state,
                    std::string_view& content) {
                  return readStyledLineOfFile(line, path, lineNumber, style, state, content);
                });
}

}  // namespace

// See note [kept pattern]: the walk of the list does not stop at a match, so what an empty pattern
// repeats for the next file is the last pattern of the list.
const MarkerSet& markersFor(const Configuration& config, WildcardMatcher& matcher,
                            const std::string& path) {
  const MarkerSet* chosen = &config.settings().defaultMarkers;
  for (const MarkerSet& markers : config.settings().markerSetList) {
    if (matcher.matches(path, markers.pattern)) {
      chosen = &markers;
    }
  }
  return *chosen;
}

// note [two readers]
// Every file gives the same entries whichever thread reads it, and they join the lists in file
// order afterwards, so the lists are the same as from one reader. Both threads only read the
// configuration, which nothing changes once it has been read.
void extractSourceFiles(const Configuration& config, const std::vector<const MarkerSet*>& markers,
                        Document& document, ExtractionObserver* observer,
                        std::vector<std::optional<Digest>>* digests) {
  const std::vector<std::string>& paths = document.files;
  if (digests != nullptr) {
    digests->assign(paths.size(), std::nullopt);
  }
  if (observer != nullptr) {
    observer->filesListed(paths);
  }
  std::vector<SourceBlocks> read(paths.size());
  forEachIndexOnTwoThreads(
      paths.size(), [&config, &paths, &markers, &read, observer, digests](std::size_t k) {
        const auto reader = usesBlockStyle(config, *markers[k]) ? readStyledSource : readSource;
        reader(config, paths[k], *markers[k], read[k],
               Watch{observer, k, digests != nullptr ? &(*digests)[k] : nullptr});
        // Every file's lists wait for the merge below, all at once: without their spare room.
        read[k].entries.shrink_to_fit();
        read[k].directives.shrink_to_fit();
      });
  // The lists grow once, to their final size, rather than doubling as the files join them.
  std::size_t entryCount = document.entries.size();
  std::size_t directiveCount = document.imports.size();
  for (const SourceBlocks& file : read) {
    entryCount += file.entries.size();
    directiveCount += file.directives.size();
  }
  document.entries.reserve(entryCount);
  document.imports.reserve(directiveCount);
  for (SourceBlocks& file : read) {
    std::move(file.entries.begin(), file.entries.end(), std::back_inserter(document.entries));
    std::move(file.directives.begin(), file.directives.end(), std::back_inserter(document.imports));
  }
}

}  // namespace inkwright
