#include "driver/run.h"

#include "bindings/editorreference.h"
#include "bindings/importfile.h"
#include "bindings/signatures.h"
#include "bindings/userlibrary.h"
#include "config/configuration.h"
#include "config/settings.h"
#include "helpproject/helpproject.h"
#include "html/masterindex.h"
#include "html/pagewriter.h"
#include "html/toc.h"
#include "scan/discovery.h"
#include "scan/extraction.h"
#include "scan/ordering.h"
#include "scan/wildcard.h"
#include "text/text.h"

namespace inkwright {

namespace {

// The markers are chosen first, file by file in list order, as the matcher's kept pattern wants
// (note [kept pattern]); reading the files needs no matcher.
void extractFiles(const Configuration& config, ExtractionObserver* observer) {
  std::vector<const MarkerSet*> markers;
  markers.reserve(fileList.size());
  for (const std::string& path : fileList) {
    markers.push_back(&markersFor(config, path));
  }
  extractSourceFiles(config, fileList, markers, observer);
}

void orderEntries() {
  deriveEntryNames();
  sortEntries();
  collectGroups();
  markDocumentedImports();
}

void writeSelectedOutputs(const Configuration& config, const std::string& outputPath,
                          const SelectedOutputs& selected) {
  if (selected.pages) {
    const std::string masterIndexPath = outputPath + "masterindex.html";
    const std::string tocPath = outputPath + "toc.html";
    pageWriter(config, outputPath, {masterIndexPath, tocPath});
    masterIndexWriter(config, masterIndexPath);
    tocWriter(config, tocPath);
  }
  if (selected.helpProject) {
    helpProjectWriter(config, outputPath, kHelpBaseName);
  }
  if (selected.importFile) {
    importFileWriter(config, outputPath);
  }
  if (selected.editorReference) {
    editorReferenceWriter(config, outputPath);
  }
  if (selected.userLibrary) {
    userLibraryWriter(config, outputPath);
  }
}

}  // namespace

std::string outputPathFrom(const std::string& value) {
  return withTrailingSeparator(trimBlanks(value), '\\');
}

const MarkerSet& markersFor(const Configuration& config, const std::string& path) {
  const MarkerSet* chosen = &config.settings().defaultMarkers;
  for (const MarkerSet& markers : config.settings().markerSetList) {
    if (wildcardMatch(path, markers.pattern)) {
      chosen = &markers;
    }
  }
  return *chosen;
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

void startRun() {
  clearDocument();
  resetWildcardMatcher();
}

void readAndOrderSources(const Configuration& config, WalkRecord* record,
                         ExtractionObserver* observer) {
  scanSourcePaths(config, record);
  extractFiles(config, observer);
  orderEntries();
}

void runInkwright(const std::string& configurationPath) {
  startRun();
  const Configuration config = readConfiguration(configurationPath);
  readAndOrderSources(config, nullptr, nullptr);
  writeSelectedOutputs(config, outputPathFrom(config.configValue("output path")),
                       selectedOutputs(config.configValue("output format")));
}

}  // namespace inkwright
