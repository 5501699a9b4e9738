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
void extractFiles(const Configuration& config) {
  std::vector<const MarkerSet*> markers;
  markers.reserve(fileList.size());
  for (const std::string& path : fileList) {
    markers.push_back(&markersFor(config, path));
  }
  extractSourceFiles(config, fileList, markers);
}

void orderEntries() {
  deriveEntryNames();
  sortEntries();
  collectGroups();
  markDocumentedImports();
}

// Each word is a case-sensitive substring test of its own, so one value may select several
// outputs; "HTMLHELP" holds "HTML", so the help project always comes with the pages.
void writeSelectedOutputs(const Configuration& config, const std::string& outputPath,
                          const std::string& outputFormat) {
  if (findText(outputFormat, "HTML") > 0) {
    const std::string masterIndexPath = outputPath + "masterindex.html";
    const std::string tocPath = outputPath + "toc.html";
    pageWriter(config, outputPath, {masterIndexPath, tocPath});
    masterIndexWriter(config, masterIndexPath);
    tocWriter(config, tocPath);
    if (findText(outputFormat, "HTMLHELP") > 0) {
      helpProjectWriter(config, outputPath, kHelpBaseName);
    }
  }
  if (findText(outputFormat, "IMPORTFILE") > 0) {
    importFileWriter(config, outputPath);
  }
  if (findText(outputFormat, "JAPBE") > 0) {
    editorReferenceWriter(config, outputPath);
  }
  if (findText(outputFormat, "USERLIB") > 0) {
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

void runInkwright(const std::string& configurationPath) {
  clearDocument();
  resetWildcardMatcher();
  const Configuration config = readConfiguration(configurationPath);
  scanSourcePaths(config);
  const std::string outputPath = outputPathFrom(config.configValue("output path"));
  extractFiles(config);
  const std::string outputFormat = config.configValue("output format");
  orderEntries();
  writeSelectedOutputs(config, outputPath, outputFormat);
}

}  // namespace inkwright
