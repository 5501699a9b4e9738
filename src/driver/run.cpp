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
void extractFiles() {
  std::vector<const MarkerSet*> markers;
  markers.reserve(fileList.size());
  for (const std::string& path : fileList) {
    markers.push_back(&markersFor(path));
  }
  extractSourceFiles(fileList, markers);
}

void orderEntries() {
  deriveEntryNames();
  sortEntries();
  collectGroups();
  markDocumentedImports();
}

// Each word is a case-sensitive substring test of its own, so one value may select several
// outputs; "HTMLHELP" holds "HTML", so the help project always comes with the pages.
void writeSelectedOutputs(const std::string& outputPath, const std::string& outputFormat) {
  if (findText(outputFormat, "HTML") > 0) {
    pageWriter(outputPath);
    masterIndexWriter(outputPath + "masterindex.html");
    tocWriter(outputPath + "toc.html");
    if (findText(outputFormat, "HTMLHELP") > 0) {
      helpProjectWriter(outputPath, kHelpBaseName);
    }
  }
  if (findText(outputFormat, "IMPORTFILE") > 0) {
    importFileWriter(outputPath);
  }
  if (findText(outputFormat, "JAPBE") > 0) {
    editorReferenceWriter(outputPath);
  }
  if (findText(outputFormat, "USERLIB") > 0) {
    userLibraryWriter(outputPath);
  }
}

}  // namespace

std::string outputPathFrom(const std::string& value) {
  return withTrailingSeparator(trimBlanks(value), '\\');
}

const MarkerSet& markersFor(const std::string& path) {
  const MarkerSet* chosen = &defaultMarkers;
  for (const MarkerSet& markers : markerSetList) {
    if (wildcardMatch(path, markers.pattern)) {
      chosen = &markers;
    }
  }
  return *chosen;
}

void runInkwright(const std::string& configurationPath) {
  clearDocument();
  resetWildcardMatcher();
  readConfiguration(configurationPath);
  scanSourcePaths();
  const std::string outputPath = outputPathFrom(configValue("output path"));
  extractFiles();
  const std::string outputFormat = configValue("output format");
  orderEntries();
  writeSelectedOutputs(outputPath, outputFormat);
}

}  // namespace inkwright
