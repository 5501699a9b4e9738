#include "scan/extraction.h"

#include <atomic>
#include <cstddef>
#include <iterator>
#include <optional>
#include <string_view>
#include <thread>
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

void startBlock(std::string_view line, const std::string& path, const MarkerSet& markers,
                BlockState& state) {
  DocEntry& entry = state.entries.emplace_back();
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

bool isTagWord(const Configuration& config, const std::string& word) {
  return !word.empty() && config.tagRule(word) != nullptr;
}

void readContentLine(std::string_view text, BlockState& state) {
  std::string word = upperCase(fieldView(text, 2, ' '));
  if (!isTagWord(state.config, word)) {
    if (state.currentValue != nullptr) {
      state.currentValue->append(1, '\n').append(text);
    }
    return;
  }
  state.inSource = word == "SOURCE";
  std::vector<TagPair>& tags = state.entries.back().tags;
  if (tags.size() == static_cast<std::size_t>(kMaxTags)) {
    state.currentValue = nullptr;
    return;
  }
  tags.push_back(TagPair{std::move(word), {}});
  state.currentValue = &tags.back().tagValue;
}

// A value grows a line at a time and may hold as much spare room as text, and so may the list of
// tags: cut to size as the block ends, that room is free again for the blocks still to come.
void releaseSpareRoom(DocEntry& entry) {
  entry.tags.shrink_to_fit();
  for (TagPair& tag : entry.tags) {
    tag.tagValue.shrink_to_fit();
  }
}

void readBlockLine(std::string_view line, const MarkerSet& markers, BlockState& state) {
  if (startsWith(line, markers.blockEnd)) {
    state.inBlock = false;
    releaseSpareRoom(state.entries.back());
  } else if (startsWith(line, markers.lineStart)) {
    readContentLine(line.substr(markers.lineStart.size()), state);
  } else if (state.inSource) {
    readContentLine(line, state);
  }
}

// The blocks and directives of one file, appended to the lists given.
void readSource(const Configuration& config, const std::string& path, const MarkerSet& markers,
                std::vector<DocEntry>& entries, std::vector<ImportDirective>& directives) {
  std::optional<InputFile> file = openInput(path);
  if (!file) {
    return;
  }
  BlockState state{config, entries};
  std::string line;
  do {
    readLine(*file, line);
    readImportDirective(line, path, directives);
    if (state.inBlock) {
      readBlockLine(line, markers, state);
    } else if (startsWith(line, markers.blockStart)) {
      startBlock(line, path, markers, state);
    }
  } while (!atEnd(*file));
  closeFile(*file);
}

// What one file gave, kept until the files before it are in the lists.
struct SourceBlocks {
  std::vector<DocEntry> entries;
  std::vector<ImportDirective> directives;
};

}  // namespace

// note [two readers]
// Every file gives the same entries whichever thread reads it, and they join the lists in file
// order afterwards, so the lists are the same as from one reader. Both threads only read the
// configuration, which nothing changes once it has been read.
void extractSourceFiles(const Configuration& config, const std::vector<std::string>& paths,
                        const std::vector<const MarkerSet*>& markers) {
  std::vector<SourceBlocks> read(paths.size());
  std::atomic<std::size_t> next = 0;
  const auto readFiles = [&config, &paths, &markers, &read, &next] {
    for (std::size_t k = next++; k < paths.size(); k = next++) {
      readSource(config, paths[k], *markers[k], read[k].entries, read[k].directives);
      // Every file's lists wait for the merge below, all at once: without their spare room.
      read[k].entries.shrink_to_fit();
      read[k].directives.shrink_to_fit();
    }
  };
  // Without a second thread this one reads every file.
  std::thread second = startThreadOrNone(readFiles);
  readFiles();
  if (second.joinable()) {
    second.join();
  }
  // The lists grow once, to their final size, rather than doubling as the files join them.
  std::size_t entryCount = entryList.size();
  std::size_t directiveCount = importList.size();
  for (const SourceBlocks& file : read) {
    entryCount += file.entries.size();
    directiveCount += file.directives.size();
  }
  entryList.reserve(entryCount);
  importList.reserve(directiveCount);
  for (SourceBlocks& file : read) {
    std::move(file.entries.begin(), file.entries.end(), std::back_inserter(entryList));
    std::move(file.directives.begin(), file.directives.end(), std::back_inserter(importList));
  }
}

}  // namespace inkwright
