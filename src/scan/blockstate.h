// What the lines of one source file have built up so far: the state that both readers of the
// extraction (the original one and the one of the comment styles) fill the same way.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "config/settings.h"
#include "model/document.h"

namespace inkwright {

// The part a line of a source file plays in the extraction.
enum class LineRole {
  outside,     // no block is open
  blockStart,  // opens a block
  blockEnd,    // closes the open block
  tagLine,     // a content line whose word is a tag name: it starts a tag
  textLine,    // a content line that is no tag line: it goes to the current tag, if any
  unmarked,    // a line of the open block without the line-start marker; nothing reads it
};

// `inSource` outlives the blocks of the file, so after a block that ended in a SOURCE tag (or a
// code item) the unmarked lines of the next one are content too.
struct BlockState {
  const Configuration& config;
  std::vector<DocEntry>& entries;
  bool inBlock = false;
  bool inSource = false;
  // The value that text lines go to; none before a block's first tag line and after a tag line
  // that found the block full, so that such lines change nothing.
  std::string* currentValue = nullptr;
};

// The header path a block-start line gives: the second blank-separated word of the text from its
// marker on, without one leading "/".
std::string_view headerPathOf(std::string_view fromMarker);

// Opens a block at line lineNumber of the file at path: a new entry of that header type and path.
void openBlock(const std::string& path, std::size_t lineNumber, std::string_view headerType,
               std::string_view headerPath, BlockState& state);

// Closes the open block.
void closeBlock(BlockState& state);

// Whether a tag line may start with word: a rule of the configuration has that name.
inline bool isTagWord(const Configuration& config, const std::string& word) {
  return !word.empty() && config.tagRule(word) != nullptr;
}

// Starts the next tag of the block; a tag line that finds the block full starts none.
inline void addTag(std::string word, BlockState& state) {
  std::vector<TagPair>& tags = state.entries.back().tags;
  if (tags.size() == static_cast<std::size_t>(kMaxTags)) {
    state.currentValue = nullptr;
    return;
  }
  tags.push_back(TagPair{std::move(word), {}});
  state.currentValue = &tags.back().tagValue;
}

// Adds a text line to the current tag's value, if there is one. Called for most lines of a block,
// so it is inline.
inline void addText(std::string_view text, BlockState& state) {
  if (state.currentValue != nullptr) {
    state.currentValue->append(1, '\n').append(text);
  }
}

}  // namespace inkwright
