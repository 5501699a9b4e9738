#include "check/checkrun.h"

#include <algorithm>
#include <unordered_set>
#include <vector>

#include "check/bindingchecks.h"
#include "check/blockchecks.h"
#include "check/configchecks.h"
#include "check/outputchecks.h"
#include "check/pagechecks.h"
#include "config/configuration.h"
#include "html/masterindex.h"
#include "html/pagewriter.h"
#include "html/toc.h"
#include "run/outputs.h"
#include "run/run.h"
#include "scan/discovery.h"
#include "text/platform.h"
#include "text/text.h"

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

// The pages are the files of the entry pages and the index pages, counted only when the run
// writes them.
RunCounts countsOf(const Document& document, std::size_t filesRead,
                   const OutputSelection& selection) {
  RunCounts counts;
  counts.filesRead = filesRead;
  counts.blocks = document.entries.size();
  for (const DocEntry& entry : document.entries) {
    counts.entries += entry.headerPath.empty() ? 0 : 1;
  }
  std::unordered_set<std::string> pages;
  for (const OutputRow* const row : selection.rows()) {
    if (row->kind == OutputKind::entryPages || row->kind == OutputKind::indexPage) {
      for (std::string& file : row->files(selection.config(), document)) {
        pages.insert(std::move(file));
      }
    }
  }
  counts.pages = pages.size();
  return counts;
}

// The files of the outputs written after the entry pages, which replace a page of their name.
std::vector<LaterFile> filesAfterThePages(const OutputSelection& selection) {
  std::vector<LaterFile> files;
  bool afterPages = false;
  for (const OutputRow* const row : selection.rows()) {
    if (afterPages) {
      for (std::string& file : row->files(selection.config(), selection.document())) {
        files.push_back(LaterFile{std::move(file), row->what});
      }
    }
    afterPages = afterPages || row->kind == OutputKind::entryPages;
  }
  return files;
}

LinkPlaces linkPlaces(const OutputSelection& selection) {
  const Configuration& config = selection.config();
  return LinkPlaces{.contentsLists = pagesShowTags(config),
                    .masterIndex = masterIndexListsGroups(config),
                    .tableOfContents = tocListsEntries(config),
                    .helpContents = selection.selects(OutputKind::helpProject)};
}

// The files that belong in the output directory: those the run writes, and the additional files
// that the help project lists, which the run itself never writes.
std::unordered_set<std::string> expectedFiles(const OutputSelection& selection) {
  std::unordered_set<std::string> expected = selection.writtenFiles();
  if (selection.selects(OutputKind::helpProject)) {
    const std::vector<std::string>& additional = selection.config().settings().additionalFiles;
    expected.insert(additional.begin(), additional.end());
  }
  return expected;
}

}  // namespace

std::optional<CheckResult> checkRun(const std::string& configurationPath) {
  if (listDirectory(configurationPath)) {
    return std::nullopt;
  }
  const std::optional<Configuration> read = readConfigurationFile(configurationPath);
  if (!read) {
    return std::nullopt;
  }
  const Configuration& config = *read;
  WildcardMatcher matcher;
  WalkRecord walk;
  BlockWatch blocks(config);
  const Document document = readDocument(config, matcher, &walk, &blocks);
  return checkDocument(CheckInput{config, configurationPath, walk, blocks, document});
}

CheckResult checkDocument(const CheckInput& input) {
  const Configuration& config = input.config;
  const Document& document = input.document;
  CheckResult result;
  WarningList& warnings = result.warnings;
  checkConfiguration(ConfigCheckInput{config, input.configurationPath, input.walk, document},
                     warnings);
  checkWalk(config, input.walk, warnings);
  const WarningList blockWarnings = input.blocks.warnings();
  warnings.insert(warnings.end(), blockWarnings.begin(), blockWarnings.end());
  const OutputSelection selection(config, document);
  if (selection.selects(OutputKind::entryPages)) {
    const std::vector<LaterFile> laterFiles = filesAfterThePages(selection);
    checkEntryNames(document, laterFiles, warnings);
    // Under "existing links only" a link to a page that is not written stays plain text.
    if (!config.settings().options.existingLinksOnly) {
      checkPageLinks(document, laterFiles, linkPlaces(selection), selection.writtenFiles(),
                     warnings);
    }
  }
  if (selection.selects(OutputKind::bindingFile)) {
    checkBindings(config, document, warnings);
  }
  if (selection.selectsAny()) {
    checkOutputDirectory(selection.outputPath(), expectedFiles(selection), warnings);
  }
  sortWarnings(warnings);
  result.counts = countsOf(document, input.blocks.filesRead(), selection);
  return result;
}

}  // namespace inkwright
