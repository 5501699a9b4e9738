#include "scan/styledblocks.h"

#include <algorithm>

#include "text/text.h"

namespace inkwright {

bool usesBlockStyle(const Configuration& config, const MarkerSet& markers) {
  const Settings& settings = config.settings();
  const Options& options = settings.options;
  return !markers.blockStarts.empty() || !markers.blockEnds.empty() ||
         !markers.lineStarts.empty() || !settings.codeItems.empty() || options.indentedMarkers ||
         options.wholeHeaderName || options.wholeTagNames || options.markedTagsOnly;
}

namespace {

// A blank in the extensions' rules is a space or a tab.
bool isBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view skipBlanks(std::string_view text) {
  std::size_t first = 0;
  while (first < text.size() && isBlank(text[first])) {
    ++first;
  }
  return text.substr(first);
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

// The path without the blanks on either side of each "/". Taken as written, "Lib/ Vendor Api"
// would name the page " Vendor Api.html", which a help compiler cannot open, and "Lib / x" would
// make a group "Lib " apart from "Lib".
std::string withoutBlanksAroundSlashes(std::string_view path) {
  std::string joined;
  joined.reserve(path.size());
  bool afterSlash = false;
  for (const char c : path) {
    if (c == '/') {
      while (!joined.empty() && isBlank(joined.back())) {
        joined.pop_back();
      }
      afterSlash = true;
    } else if (isBlank(c) && afterSlash) {
      continue;
    } else {
      afterSlash = false;
    }
    joined += c;
  }
  return joined;
}

// The rest of the block-start line after its first word, without a closing marker or a closing
// run of stars (with or without a "/" after it), trimmed, without the blanks next to each "/",
// and then without one leading "/". The path is settled here, once, so that the names, the group
// and every message that quotes the path agree on it.
std::string wholeHeaderPath(std::string_view fromMarker, const BlockStyle& style) {
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
  std::string path = withoutBlanksAroundSlashes(trimBlanksAndTabs(rest));
  if (startsWith(path, "/")) {
    path.erase(0, 1);
  }
  return path;
}

void startStyledBlock(std::string_view fromMarker, std::size_t markerLength,
                      const std::string& path, std::size_t lineNumber, const BlockStyle& style,
                      BlockState& state) {
  const std::string_view headerType = fromMarker.substr(markerLength).substr(0, 1);
  if (style.options.wholeHeaderName) {
    openBlock(path, lineNumber, headerType, wholeHeaderPath(fromMarker, style), state);
  } else {
    openBlock(path, lineNumber, headerType, headerPathOf(fromMarker), state);
  }
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
    addText(text, state);
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

// The line of an open block under the extensions, as readBlockLine reads it under the original
// format.
LineRole readStyledBlockLine(std::string_view line, const BlockStyle& style, BlockState& state,
                             std::string_view& content) {
  if (state.inSource && !style.codeItems.empty() && isCommentSeam(line)) {
    return LineRole::unmarked;
  }
  const std::string_view tested = style.options.indentedMarkers ? skipBlanks(line) : line;
  if (startsWithAny(tested, style.ends)) {
    closeBlock(state);
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

}  // namespace

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

LineRole readStyledLine(std::string_view line, const std::string& path, std::size_t lineNumber,
                        const BlockStyle& style, BlockState& state, std::string_view& content) {
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

}  // namespace inkwright
