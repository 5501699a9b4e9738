#include "scan/blockstate.h"

#include "text/text.h"

namespace inkwright {

std::string_view headerPathOf(std::string_view fromMarker) {
  std::string_view headerPath = fieldView(fromMarker, 2, ' ');
  if (startsWith(headerPath, "/")) {
    headerPath.remove_prefix(1);
  }
  return headerPath;
}

void openBlock(const std::string& path, std::size_t lineNumber, std::string_view headerType,
               std::string_view headerPath, BlockState& state) {
  DocEntry& entry = state.entries.emplace_back();
  entry.sourceFile = path;
  entry.sourceLine = lineNumber;
  entry.headerType = std::string(headerType);
  entry.headerPath = std::string(headerPath);
  state.inBlock = true;
  state.currentValue = nullptr;
}

// A value grows a line at a time and may hold as much spare room as text, and so may the list of
// tags: cut to size as the block ends, that room is free again for the blocks still to come.
void closeBlock(BlockState& state) {
  state.inBlock = false;
  DocEntry& entry = state.entries.back();
  entry.tags.shrink_to_fit();
  for (TagPair& tag : entry.tags) {
    tag.tagValue.shrink_to_fit();
  }
}

}  // namespace inkwright
