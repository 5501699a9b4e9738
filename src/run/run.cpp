#include "run/run.h"

#include <optional>
#include <vector>

#include "config/configuration.h"
#include "keep/keepingsink.h"
#include "keep/record.h"
#include "run/outputs.h"
#include "scan/imports.h"
#include "scan/ordering.h"
#include "text/digest.h"
#include "text/outputsink.h"
#include "text/textfile.h"
#include "text/threadstart.h"

namespace inkwright {

namespace {

// The markers are chosen first, file by file in list order, as the matcher's kept pattern wants
// (note [kept pattern]); reading the files needs no matcher.
void extractFiles(const Configuration& config, WildcardMatcher& matcher, Document& document,
                  ExtractionObserver* observer,
                  std::vector<std::optional<Digest>>* digests = nullptr) {
  std::vector<const MarkerSet*> markers;
  markers.reserve(document.files.size());
  for (const std::string& path : document.files) {
    markers.push_back(&markersFor(config, matcher, path));
  }
  extractSourceFiles(config, markers, document, observer, digests);
}

void orderEntries(Document& document) {
  deriveEntryNames(document);
  sortEntries(document);
  collectGroups(document);
  markDocumentedImports(document);
}

// The digest of each source file, read on two threads.
std::vector<std::optional<Digest>> digestSources(const std::vector<std::string>& paths) {
  std::vector<std::optional<Digest>> digests(paths.size());
  forEachIndexOnTwoThreads(
      paths.size(), [&paths, &digests](std::size_t k) { digests[k] = digestOfFile(paths[k]); });
  return digests;
}

// A run under "keep unchanged files": see note [output record].
void runKeepingUnchangedFiles(const Configuration& config, Document& document) {
  const Digest& configuration = config.settings().fileDigest;
  WildcardMatcher matcher;
  scanSourcePaths(config, matcher, document);
  const std::string recordPath = config.settings().outputPath + std::string(kRecordName);
  const std::optional<OutputRecord> previous = readRecord(recordPath);
  if (previous &&
      previous->inputs ==
          inputsDigest(configuration, document.files, digestSources(document.files)) &&
      outputsMatch(*previous)) {
    return;
  }
  // The record describes the bytes this run reads, not those digested above: a source may change
  // in between.
  std::vector<std::optional<Digest>> sources;
  extractFiles(config, matcher, document, nullptr, &sources);
  orderEntries(document);
  KeepingSink sink;
  writeOutputs(OutputSelection(config, document), sink);
  sink.writeRecord(inputsDigest(configuration, document.files, sources), recordPath);
}

}  // namespace

Document readDocument(const Configuration& config, WildcardMatcher& matcher, WalkRecord* record,
                      ExtractionObserver* observer) {
  Document document;
  scanSourcePaths(config, matcher, document, record);
  extractFiles(config, matcher, document, observer);
  orderEntries(document);
  return document;
}

Document runInkwright(const std::string& configurationPath) {
  const Configuration config = readConfiguration(configurationPath);
  Document document;
  // With no output selected there is nothing to keep, and no record is left anywhere.
  if (config.settings().options.keepUnchangedFiles && !selectedOutputs(config).empty()) {
    runKeepingUnchangedFiles(config, document);
    return document;
  }
  WildcardMatcher matcher;
  document = readDocument(config, matcher, nullptr, nullptr);
  FileSink sink;
  writeOutputs(OutputSelection(config, document), sink);
  return document;
}

}  // namespace inkwright
