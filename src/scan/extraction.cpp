#include "scan/extraction.h"

#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

#include "model/listindex.h"
#include "scan/imports.h"
#include "text/text.h"
#include "text/textfile.h"

namespace inkwright {

namespace {

// See note [first match]: every content line of every block asks for its tag word.
FirstMatchIndex<TagRule> tagRuleByName(&TagRule::name);

// What one file's lines have built up so far. `inSource` outlives the blocks of the file, so
// after a block that ended in a SOURCE tag the unmarked lines of the next one are content too.
struct BlockState {
  bool inBlock = false;
  bool inSource = false;
  // The value that text lines go to; none before a block's first tag line and after a tag line
  // that found the block full, so that such lines change nothing.
  std::string* currentValue = nullptr;
};

void startBlock(std::string_view line, const std::string& path, const MarkerSet& markers,
                BlockState& state) {
  DocEntry& entry = entryList.emplace_back();
  entry.sourceFile = path;
  entry.headerType = std::string(line.substr(markers.blockStart.size()).substr(0, 1));
  std::string_view headerPath = fieldView(line, 2, ' ');
  if (startsWith(headerPath, "/")) {
    headerPath.remove_prefix(1);
  }
  entry.headerPath = std::string(headerPath);
  state.inBlock = true;
  state.currentValue = nullptr;
}

bool isTagWord(const std::string& word) {
  return !word.empty() && tagRuleByName.find(tagRuleList, word) >= 0;
}

void readContentLine(std::string_view text, BlockState& state) {
  std::string word = upperCase(fieldView(text, 2, ' '));
  if (!isTagWord(word)) {
    if (state.currentValue != nullptr) {
      state.currentValue->append(1, '\n').append(text);
    }
    return;
  }
  state.inSource = word == "SOURCE";
  std::vector<TagPair>& tags = entryList.back().tags;
  if (tags.size() == static_cast<std::size_t>(kMaxTags)) {
    state.currentValue = nullptr;
    return;
  }
  tags.push_back(TagPair{std::move(word), {}});
  state.currentValue = &tags.back().tagValue;
}

void readBlockLine(std::string_view line, const MarkerSet& markers, BlockState& state) {
  if (startsWith(line, markers.blockEnd)) {
    state.inBlock = false;
  } else if (startsWith(line, markers.lineStart)) {
    readContentLine(line.substr(markers.lineStart.size()), state);
  } else if (state.inSource) {
    readContentLine(line, state);
  }
}

}  // namespace

void extractBlocks(const std::string& path, const MarkerSet& markers) {
  std::optional<InputFile> file = openInput(path);
  if (!file) {
    return;
  }
  BlockState state;
  std::string line;
  do {
    readLine(*file, line);
    readImportDirective(line, path);
    if (state.inBlock) {
      readBlockLine(line, markers, state);
    } else if (startsWith(line, markers.blockStart)) {
      startBlock(line, path, markers, state);
    }
  } while (!atEnd(*file));
  closeFile(*file);
}

}  // namespace inkwright
