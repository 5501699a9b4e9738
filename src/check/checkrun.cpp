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

RunCounts countsOf(const Document& document, std::size_t filesRead, const WrittenFiles& files) {
  RunCounts counts;
  counts.filesRead = filesRead;
  counts.blocks = document.entries.size();
  for (const DocEntry& entry : document.entries) {
    counts.entries += entry.headerPath.empty() ? 0 : 1;
  }
  counts.pages = files.pageCount;
  return counts;
}

// The lists of "styled pages" link only the pages the run writes, so only the automatic links
// and the help project's contents can lead nowhere.
LinkPlaces linkPlaces(const OutputSelection& selection) {
  const Configuration& config = selection.config();
  const bool styled = config.settings().options.styledPages;
  return LinkPlaces{.contentsLists = !styled && pagesShowTags(config),
                    .masterIndex = !styled && masterIndexListsGroups(config),
                    .tableOfContents = !styled && tocListsEntries(config),
                    .helpContents = selection.selects(OutputKind::helpProject),
                    .noSelfLinks = config.settings().options.noSelfLinks};
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
  Document document = readDocument(config, matcher, &walk, &blocks);
  CheckResult result = checkDocument(CheckInput{config, configurationPath, walk, blocks, document});
  result.read = std::move(document);
  return result;
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
  const WrittenFiles files = selection.writtenFiles();
  if (selection.selects(OutputKind::entryPages)) {
    std::unordered_set<std::string> laterNames;
    for (const LaterFile& file : files.afterThePages) {
      laterNames.insert(file.name);
    }
    const PageNames& pageNames = selection.pageLinks().pageNames();
    const std::vector<bool> isLastWriter =
        lastPageWriters(pageNames, document.entries.size(), laterNames);
    checkEntryNames(document, pageNames, config.settings().options, files.afterThePages,
                    isLastWriter, warnings);
    // Under "existing links only" a link to a page that is not written stays plain text, and
    // where pages are named otherwise only a name with a page is linked.
    if (!config.settings().options.existingLinksOnly && pageNames.isOriginal()) {
      checkPageLinks(document, pageNames, isLastWriter, linkPlaces(selection), files.all, warnings);
    }
  }
  if (selection.selects(OutputKind::bindingFile)) {
    checkBindings(config, document, warnings);
  }
  // The help project lists its additional files, which the run itself never writes.
  if (selection.selectsAny()) {
    checkOutputDirectory(selection.outputPath(), files.all,
                         selection.selects(OutputKind::helpProject)
                             ? config.settings().additionalFiles
                             : std::vector<std::string>(),
                         warnings);
  }
  sortWarnings(warnings);
  result.counts = countsOf(document, input.blocks.filesRead(), files);
  return result;
}

}  // namespace inkwright
