#include "check/checkrun.h"

#include <algorithm>
#include <unordered_set>
#include <vector>

#include "check/bindingchecks.h"
#include "check/blockchecks.h"
#include "check/configchecks.h"
#include "check/configlines.h"
#include "check/outputchecks.h"
#include "check/pagechecks.h"
#include "config/configuration.h"
#include "run/outputs.h"
#include "run/run.h"
#include "scan/discovery.h"
#include "text/platform.h"

namespace inkwright {

namespace {

// Folders below a source path that the walk could not list or would not enter again; a source
// path itself is reported at its configuration line.
void checkWalk(const Configuration& config, const WalkRecord& walk, WarningList& warnings) {
  const std::vector<std::string>& roots = config.settings().sourcePaths;
  for (const std::string& directory : walk.unlistedDirectories) {
    const bool isRoot = std::any_of(roots.begin(), roots.end(), [&](const std::string& root) {
      return root == directory || root == directory + "\\";
    });
    if (!isRoot) {
      warnings.push_back(Warning{directory, 0, "block.unreadable-file",
                                 "this folder cannot be listed; no file below it is read"});
    }
  }
  for (const std::string& directory : walk.loopDirectories) {
    warnings.push_back(Warning{directory, 0, "config.link-loop",
                               "a link leads back to a folder that is being read; it is not read "
                               "again"});
  }
}

RunCounts countsOf(const Document& document, std::size_t filesRead,
                   const std::unordered_set<std::string>& pages, const SelectedOutputs& selected) {
  RunCounts counts;
  counts.filesRead = filesRead;
  counts.blocks = document.entries.size();
  for (const DocEntry& entry : document.entries) {
    counts.entries += entry.headerPath.empty() ? 0 : 1;
  }
  // The index files are counted as pages only when the run writes them.
  counts.pages = selected.pages ? pages.size() : 0;
  return counts;
}

}  // namespace

std::optional<CheckResult> checkRun(const std::string& configurationPath) {
  if (listDirectory(configurationPath)) {
    return std::nullopt;
  }
  const std::optional<std::vector<KeyLines>> keyLines = readKeyLines(configurationPath);
  if (!keyLines) {
    return std::nullopt;
  }
  const Configuration config = readConfiguration(configurationPath);
  WildcardMatcher matcher;
  WalkRecord walk;
  BlockWatch blocks(config);
  const Document document = readDocument(config, matcher, &walk, &blocks);

  CheckResult result;
  WarningList& warnings = result.warnings;
  checkConfiguration(ConfigCheckInput{config, configurationPath, *keyLines, walk, document},
                     warnings);
  checkWalk(config, walk, warnings);
  const WarningList blockWarnings = blocks.warnings();
  warnings.insert(warnings.end(), blockWarnings.begin(), blockWarnings.end());
  const std::string outputPath = outputPathFrom(config.configValue("output path"));
  const SelectedOutputs selected = selectedOutputs(config.configValue("output format"));
  const std::unordered_set<std::string> pages = writtenPageFiles(document);
  if (selected.pages) {
    checkEntryNames(document, warnings);
    // Under "existing links only" a link to a page that is not written stays plain text.
    if (!config.settings().options.existingLinksOnly) {
      checkPageLinks(document, pages, warnings);
    }
  }
  if (selected.importFile || selected.editorReference || selected.userLibrary) {
    checkBindings(config, document, warnings);
  }
  if (selected.pages || selected.importFile || selected.editorReference || selected.userLibrary) {
    checkOutputDirectory(outputPath, writtenOutputFiles(config, outputPath, selected, pages),
                         warnings);
  }
  sortWarnings(warnings);
  result.counts = countsOf(document, blocks.filesRead(), pages, selected);
  return result;
}

}  // namespace inkwright
