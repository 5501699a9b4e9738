#include "driver/run.h"

#include <optional>
#include <vector>

#include "bindings/editorreference.h"
#include "bindings/importfile.h"
#include "bindings/userlibrary.h"
#include "config/configuration.h"
#include "config/settings.h"
#include "helpproject/helpproject.h"
#include "html/masterindex.h"
#include "html/pagewriter.h"
#include "html/toc.h"
#include "scan/discovery.h"
#include "scan/extraction.h"
#include "scan/imports.h"
#include "scan/ordering.h"
#include "scan/wildcard.h"
#include "text/digest.h"
#include "text/outputrecord.h"
#include "text/text.h"
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

void writeSelectedOutputs(const Configuration& config, const Document& document,
                          const std::string& outputPath, const SelectedOutputs& selected,
                          OutputLedger* ledger) {
  if (selected.pages) {
    const std::string masterIndexPath = outputPath + "masterindex.html";
    const std::string tocPath = outputPath + "toc.html";
    pageWriter(config, document, outputPath, {masterIndexPath, tocPath}, ledger);
    masterIndexWriter(config, document, masterIndexPath, ledger);
    tocWriter(config, document, tocPath, ledger);
  }
  if (selected.helpProject) {
    helpProjectWriter(config, document, outputPath, kHelpBaseName, ledger);
  }
  if (selected.importFile) {
    importFileWriter(config, document, outputPath, ledger);
  }
  if (selected.editorReference) {
    editorReferenceWriter(config, document, outputPath, ledger);
  }
  if (selected.userLibrary) {
    userLibraryWriter(config, document, outputPath, ledger);
  }
}

bool anySelected(const SelectedOutputs& selected) {
  return selected.pages || selected.helpProject || selected.importFile ||
         selected.editorReference || selected.userLibrary;
}

// The digest of each source file, read on two threads.
std::vector<std::optional<Digest>> digestSources(const std::vector<std::string>& paths) {
  std::vector<std::optional<Digest>> digests(paths.size());
  forEachIndexOnTwoThreads(
      paths.size(), [&paths, &digests](std::size_t k) { digests[k] = digestOfFile(paths[k]); });
  return digests;
}

// See note [output record]. Everything the outputs are made from: this program, the configuration
// file and the sources found, in their order. Each path goes in with its length, so that no two
// lists of paths run together into the same bytes.
Digest inputsDigest(const Configuration& config, const std::vector<std::string>& paths,
                    const std::vector<std::optional<Digest>>& sources) {
  DigestBuilder inputs;
  std::string part = "inkwright " INKWRIGHT_VERSION "\n";
  appendHex(part, config.settings().fileDigest);
  inputs.add(part);
  for (std::size_t k = 0; k < paths.size(); ++k) {
    part.assign(std::to_string(paths[k].size())).append(":").append(paths[k]);
    if (sources[k]) {
      part.append("+");
      appendHex(part, *sources[k]);
    } else {
      part.append("-");
    }
    inputs.add(part);
  }
  return inputs.digest();
}

// A run under "keep unchanged files": see note [output record].
void runKeepingUnchangedFiles(const Configuration& config, const std::string& outputPath,
                              const SelectedOutputs& selected) {
  WildcardMatcher matcher;
  Document document;
  scanSourcePaths(config, matcher, document);
  const std::string recordPath = outputPath + std::string(kRecordName);
  const std::optional<OutputRecord> previous = readRecord(recordPath);
  if (previous &&
      previous->inputs == inputsDigest(config, document.files, digestSources(document.files)) &&
      outputsMatch(*previous)) {
    return;
  }
  // The record describes the bytes this run reads, not those digested above: a source may change
  // in between.
  std::vector<std::optional<Digest>> sources;
  extractFiles(config, matcher, document, nullptr, &sources);
  orderEntries(document);
  OutputLedger ledger;
  writeSelectedOutputs(config, document, outputPath, selected, &ledger);
  ledger.writeRecord(inputsDigest(config, document.files, sources), recordPath);
}

}  // namespace

std::string outputPathFrom(const std::string& value) {
  return withTrailingSeparator(trimBlanks(value), '\\');
}

SelectedOutputs selectedOutputs(const std::string& outputFormat) {
  SelectedOutputs selected;
  selected.pages = findText(outputFormat, "HTML") > 0;
  selected.helpProject = findText(outputFormat, "HTMLHELP") > 0;
  selected.importFile = findText(outputFormat, "IMPORTFILE") > 0;
  selected.editorReference = findText(outputFormat, "JAPBE") > 0;
  selected.userLibrary = findText(outputFormat, "USERLIB") > 0;
  return selected;
}

Document readDocument(const Configuration& config, WildcardMatcher& matcher, WalkRecord* record,
                      ExtractionObserver* observer) {
  Document document;
  scanSourcePaths(config, matcher, document, record);
  extractFiles(config, matcher, document, observer);
  orderEntries(document);
  return document;
}

void runInkwright(const std::string& configurationPath) {
  const Configuration config = readConfiguration(configurationPath);
  const std::string outputPath = outputPathFrom(config.configValue("output path"));
  const SelectedOutputs selected = selectedOutputs(config.configValue("output format"));
  // With no output selected there is nothing to keep, and no record is left anywhere.
  if (config.settings().options.keepUnchangedFiles && anySelected(selected)) {
    runKeepingUnchangedFiles(config, outputPath, selected);
    return;
  }
  WildcardMatcher matcher;
  const Document document = readDocument(config, matcher, nullptr, nullptr);
  writeSelectedOutputs(config, document, outputPath, selected, nullptr);
}

}  // namespace inkwright
