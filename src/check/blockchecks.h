// The checks of the documentation blocks, made while the extraction reads the files.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "check/warning.h"
#include "config/settings.h"
#include "scan/extraction.h"

namespace inkwright {

// Whether a content text looks like a tag line to a reader: after blanks, one or two words of
// upper-case letters A-Z, the first of at least two letters ("RETURN VALUE", "NOTES").
bool looksLikeTagLine(std::string_view text);

// Watches the extraction and finds, per file: files that cannot be opened or hold control bytes,
// blocks still open at the end of their file, text before a block's first tag line, tag lines
// beyond the 256th, and lines that look like tag lines but are text (code, the text of a source
// item, is never taken for one). Safe for the extraction's two threads, as each file's findings
// are kept apart.
class BlockWatch : public ExtractionObserver {
 public:
  explicit BlockWatch(const Configuration& config) : config_(config) {}

  void filesListed(const std::vector<std::string>& paths) override;
  void unreadableFile(std::size_t fileIndex) override;
  void sawLine(std::size_t fileIndex, std::size_t lineNumber, LineRole role,
               std::string_view text) override;
  void fileEnded(std::size_t fileIndex, bool blockOpen) override;

  // The warnings found, file after file in path order; and the number of files that were opened.
  WarningList warnings() const;
  std::size_t filesRead() const;

 private:
  struct FileWatch {
    std::string path;
    bool opened = true;
    bool reportedBinary = false;
    std::size_t blockLine = 0;
    std::size_t tagCount = 0;
    bool reportedText = false;
    bool inCode = false;
    WarningList warnings;
  };

  void add(FileWatch& file, std::size_t line, std::string_view rule, std::string message);
  void watchContent(FileWatch& file, std::size_t lineNumber, LineRole role, std::string_view text);

  const Configuration& config_;
  std::vector<FileWatch> files_;
};

}  // namespace inkwright
