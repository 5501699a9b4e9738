#include "scan/extraction.h"

#include <algorithm>
#include <cstddef>
#include <iterator>
#include <optional>
#include <string_view>
#include <vector>

#include "scan/blockstate.h"
#include "scan/imports.h"
#include "scan/styledblocks.h"
#include "text/text.h"
#include "text/textfile.h"
#include "text/threadstart.h"

namespace inkwright {

namespace {

// What one file gave, kept until the files before it are in the lists.
struct SourceBlocks {
  std::vector<DocEntry> entries;
  std::vector<ImportDirective> directives;
};

LineRole readContentLine(std::string_view text, BlockState& state) {
  std::string word = upperCase(fieldView(text, 2, ' '));
  if (!isTagWord(state.config, word)) {
    addText(text, state);
    return LineRole::textLine;
  }
  state.inSource = word == "SOURCE";
  addTag(std::move(word), state);
  return LineRole::tagLine;
}

// The role of the line, and in `content` the part of it that a content line reads.
LineRole readBlockLine(std::string_view line, const MarkerSet& markers, BlockState& state,
                       std::string_view& content) {
  if (startsWith(line, markers.blockEnd)) {
    closeBlock(state);
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
    openBlock(path, lineNumber, line.substr(markers.blockStart.size()).substr(0, 1),
              headerPathOf(line), state);
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
  // Styled pages decide their charset from the bytes of the sources (see isAllUtf8).
  std::optional<InputFile> file =
      openInput(path, digest ? &*digest : nullptr, config.settings().options.styledPages);
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
  // So the charset is decided without reading the texts of these entries again.
  if (readOnlyAscii(*file)) {
    for (DocEntry& entry : read.entries) {
      entry.isAscii = true;
    }
  }
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

// readSource under the extensions; see note [comment styles].
void readStyledSource(const Configuration& config, const std::string& path,
                      const MarkerSet& markers, SourceBlocks& read, const Watch& watch) {
  const BlockStyle style = blockStyleFor(config, markers);
  readFileLines(config, path, read, watch,
                [&](std::string_view line, std::size_t lineNumber, BlockState& state,
                    std::string_view& content) {
                  return readStyledLine(line, path, lineNumber, style, state, content);
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
