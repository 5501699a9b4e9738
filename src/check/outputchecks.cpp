#include "check/outputchecks.h"

#include <optional>
#include <string_view>
#include <vector>

#include "bindings/outputname.h"
#include "helpproject/helpproject.h"
#include "text/platform.h"
#include "text/text.h"

namespace inkwright {

namespace {

// The name of a binding file relative to the output directory, as bindingFilePath builds it.
std::string bindingFileName(const Configuration& config, const std::string& outputPath,
                            const std::string& key, std::string_view defaultName) {
  const std::string directory = withTrailingSeparator(outputPath, '/');
  return bindingFilePath(config, outputPath, key, defaultName).substr(directory.size());
}

}  // namespace

std::unordered_set<std::string> writtenOutputFiles(const Configuration& config,
                                                   const std::string& outputPath,
                                                   const SelectedOutputs& selected,
                                                   const std::unordered_set<std::string>& pages) {
  std::unordered_set<std::string> written;
  if (selected.pages) {
    written = pages;
  }
  // The help project lists its additional files; they belong to the output even when a run
  // writes none of them.
  if (selected.helpProject) {
    written.insert(std::string(kHelpBaseName) + ".hhc");
    written.insert(std::string(kHelpBaseName) + ".hhp");
    forEachLine(config.configValue("additional files"),
                [&](std::string_view line) { written.emplace(trimBlanksView(line)); });
  }
  if (selected.importFile) {
    written.insert(bindingFileName(config, outputPath, "importfile", kImportFileName));
  }
  if (selected.editorReference) {
    written.insert(bindingFileName(config, outputPath, "japbefile", kEditorReferenceName));
  }
  if (selected.userLibrary) {
    written.insert(bindingFileName(config, outputPath, "userlibfile", kUserLibraryName));
  }
  return written;
}

void checkOutputDirectory(const std::string& outputPath,
                          const std::unordered_set<std::string>& written, WarningList& warnings) {
  const std::optional<std::vector<DirectoryEntry>> listing =
      listDirectory(outputPath.substr(0, outputPath.size() - 1));
  if (!listing) {
    return;
  }
  // A name that begins with "." is a hidden file that a user or a version-control system keeps
  // there on purpose, such as ".gitignore"; no run ever writes one.
  for (const DirectoryEntry& entry : *listing) {
    if (!entry.isDirectory && !startsWith(entry.name, ".") && !written.contains(entry.name)) {
      warnings.push_back(Warning{outputPath + entry.name, 0, "output.stale-file",
                                 "this run does not write " + quoted(entry.name) +
                                     "; it may be left from an earlier run"});
    }
  }
}

}  // namespace inkwright
