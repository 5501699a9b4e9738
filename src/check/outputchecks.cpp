#include "check/outputchecks.h"

#include <algorithm>
#include <optional>
#include <string_view>
#include <vector>

#include "text/platform.h"
#include "text/text.h"

namespace inkwright {

void checkOutputDirectory(const std::string& outputPath,
                          const std::unordered_set<std::string>& written,
                          const std::vector<std::string>& kept, WarningList& warnings) {
  const std::optional<std::vector<DirectoryEntry>> listing =
      listDirectory(outputPath.substr(0, outputPath.size() - 1));
  if (!listing) {
    return;
  }
  // A name that begins with "." is a hidden file that a user or a version-control system keeps
  // there on purpose, such as ".gitignore"; no run ever writes one.
  for (const DirectoryEntry& entry : *listing) {
    if (!entry.isDirectory && !startsWith(entry.name, ".") && !written.contains(entry.name) &&
        std::find(kept.begin(), kept.end(), entry.name) == kept.end()) {
      warnings.push_back(Warning{outputPath + entry.name, 0, "output.stale-file",
                                 "this run does not write " + quoted(entry.name) +
                                     "; it may be left from an earlier run"});
    }
  }
}

}  // namespace inkwright
