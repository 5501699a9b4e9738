// Block extraction: documentation blocks and import directives of the source files into the
// document.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "config/settings.h"
#include "model/document.h"
#include "scan/blockstate.h"
#include "scan/wildcard.h"
#include "text/digest.h"

namespace inkwright {

// Told what the extraction reads, for the check program. The calls for one file come from the
// thread that reads it, in line order; calls for different files may come from two threads at
// once, so an observer keeps what it learns per file.
class ExtractionObserver {
 public:
  virtual ~ExtractionObserver() = default;
  // The files about to be read, by position; called once, before any other call.
  virtual void filesListed(const std::vector<std::string>& paths) = 0;
  // The file at position fileIndex of the paths could not be opened.
  virtual void unreadableFile(std::size_t fileIndex) = 0;
  // Line lineNumber (counted from 1) of the file played this role. For tag and text lines, text
  // is the content after the line-start marker (the whole line in code that needs none);
  // otherwise the whole line.
  virtual void sawLine(std::size_t fileIndex, std::size_t lineNumber, LineRole role,
                       std::string_view text) = 0;
  // The file ended, with a block still open when blockOpen.
  virtual void fileEnded(std::size_t fileIndex, bool blockOpen) = 0;
};

// The markers for the file at path: those of the configuration's last MarkerSet whose pattern
// matches the path, else its defaultMarkers. The matcher is asked of every pattern, in list order.
const MarkerSet& markersFor(const Configuration& config, WildcardMatcher& matcher,
                            const std::string& path);

// Reads every file of the document's files with the markers of the same position and appends,
// file after file in that order, its documentation blocks (delimited by the markers) to the
// document's entries and its import directives to its imports, each with its line. A file that
// cannot be opened adds nothing. The files are read on two threads; the lists are the same as when
// they are read one after the other. An observer, when given, is told every line; a run gives none.
// With digests, the digest of each file's bytes as read goes to the same position (nullopt for a
// file that cannot be opened).
void extractSourceFiles(const Configuration& config, const std::vector<const MarkerSet*>& markers,
                        Document& document, ExtractionObserver* observer = nullptr,
                        std::vector<std::optional<Digest>>* digests = nullptr);

}  // namespace inkwright
