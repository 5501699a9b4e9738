// The reader of the comment styles: the extensions of the block format (marker lists, the four
// block switches, code items).
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "config/settings.h"
#include "scan/blockstate.h"

namespace inkwright {

// note [comment styles]
// The extensions of the block format are read by a reader of their own, so that the original
// format keeps exactly its own reader (extraction.cpp). Which reader a file gets, and which markers
// it tests, are decided once per file, not per line: a file whose MarkerSet holds no list, under a
// configuration that turns on no block extension, is read by the original reader.

// Whether a file read with these markers needs this reader.
bool usesBlockStyle(const Configuration& config, const MarkerSet& markers);

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

// The block rules of the file read with these markers.
BlockStyle blockStyleFor(const Configuration& config, const MarkerSet& markers);

// Reads line lineNumber of the file at path into state: its role, and in `content` the part of it
// that a content line reads.
LineRole readStyledLine(std::string_view line, const std::string& path, std::size_t lineNumber,
                        const BlockStyle& style, BlockState& state, std::string_view& content);

}  // namespace inkwright
