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

LineRole readContentLine(std::string_view text, BlockState& state) {
  std::string word = upperCase(fieldView(text, 2, ' '));
  if (!isTagWord(state.config, word)) {
    if (state.currentValue != nullptr) {
      state.currentValue->append(1, '\n').append(text);
    }
    return LineRole::textLine;
  }
  state.inSource = word == "SOURCE";
  std::vector<TagPair>& tags = state.entries.back().tags;
  if (tags.size() == static_cast<std::size_t>(kMaxTags)) {
    state.currentValue = nullptr;
    return LineRole::tagLine;
  }
  tags.push_back(TagPair{std::move(word), {}});
  state.currentValue = &tags.back().tagValue;
  return LineRole::tagLine;
}

// The role of the line, and in `content` the part of it that a content line reads.
LineRole readBlockLine(std::string_view line, const MarkerSet& markers, BlockState& state,
                       std::string_view& content) {
  if (startsWith(line, markers.blockEnd)) {
    state.inBlock = false;
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

// The file's place in the paths, and whom to tell about its lines (null: nobody).
struct Watch {
  ExtractionObserver* observer;
  std::size_t fileIndex;
};

// The blocks and directives of one file, appended to the lists given.
void readSource(const Configuration& config, const std::string& path, const MarkerSet& markers,
                SourceBlocks& read, const Watch& watch) {
  std::optional<InputFile> file = openInput(path);
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
    const LineRole role = readLineOfFile(line, path, lineNumber, markers, state, content);
    if (watch.observer != nullptr) {
      watch.observer->sawLine(watch.fileIndex, lineNumber, role, content);
    }
  } while (!atEnd(*file));
  closeFile(*file);
  if (watch.observer != nullptr) {
    watch.observer->fileEnded(watch.fileIndex, state.inBlock);
  }
}

}  // namespace

// note [two readers]
// Every file gives the same entries whichever thread reads it, and they join the lists in file
// order afterwards, so the lists are the same as from one reader. Both threads only read the
// configuration, which nothing changes once it has been read.
void extractSourceFiles(const Configuration& config, const std::vector<std::string>& paths,
                        const std::vector<const MarkerSet*>& markers,
                        ExtractionObserver* observer) {
  if (observer != nullptr) {
    observer->filesListed(paths);
  }
  std::vector<SourceBlocks> read(paths.size());
  std::atomic<std::size_t> next = 0;
  const auto readFiles = [&config, &paths, &markers, &read, &next, observer] {
    for (std::size_t k = next++; k < paths.size(); k = next++) {
      readSource(config, paths[k], *markers[k], read[k], Watch{observer, k});
    }
  };
  // Without a second thread this one reads every file.
  std::thread second = startThreadOrNone(readFiles);
  readFiles();
  if (second.joinable()) {
    second.join();
  }
  for (SourceBlocks& file : read) {
    std::move(file.entries.begin(), file.entries.end(), std::back_inserter(entryList));
    std::move(file.directives.begin(), file.directives.end(), std::back_inserter(importList));
  }
}

}  // namespace inkwright
