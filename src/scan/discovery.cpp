#include "scan/discovery.h"

#include <algorithm>
#include <cstddef>
#include <optional>
#include <utility>
#include <vector>

#include "text/platform.h"

namespace inkwright {

namespace {

// One directory of the walk's current path, with its listing and the next entry to look at.
struct OpenDirectory {
  std::string path;
  std::optional<DirectoryIdentity> identity;
  std::vector<DirectoryEntry> entries;
  std::size_t next = 0;
};

// See note [kept pattern]: the first match ends the walk of the list, so that the pattern an
// empty one repeats afterwards is the same on every run.
bool anyPatternMatches(WildcardMatcher& matcher, const std::vector<std::string>& patterns,
                       const std::string& name) {
  for (const std::string& pattern : patterns) {
    if (matcher.matches(name, pattern)) {
      return true;
    }
  }
  return false;
}

bool isOnPath(const std::vector<OpenDirectory>& walkPath,
              const std::optional<DirectoryIdentity>& identity) {
  return identity && std::any_of(walkPath.begin(), walkPath.end(), [&](const OpenDirectory& open) {
           return open.identity == identity;
         });
}

// A link back to a directory that is being walked would make the walk endless, so such a
// directory is not entered again; a directory whose identity cannot be had is entered.
void enterDirectory(const std::string& path, std::vector<OpenDirectory>& walkPath,
                    WalkRecord* record) {
  std::optional<DirectoryIdentity> identity = directoryIdentity(path);
  if (isOnPath(walkPath, identity)) {
    if (record != nullptr) {
      record->loopDirectories.push_back(path);
    }
    return;
  }
  std::optional<std::vector<DirectoryEntry>> entries = listDirectory(path);
  if (!entries) {
    if (record != nullptr) {
      record->unlistedDirectories.push_back(path);
    }
    return;
  }
  walkPath.push_back(OpenDirectory{path, identity, std::move(*entries), 0});
}

}  // namespace

bool isIgnored(const Configuration& config, WildcardMatcher& matcher, const std::string& name) {
  return anyPatternMatches(matcher, config.settings().ignorePatterns, name);
}

bool isAccepted(const Configuration& config, WildcardMatcher& matcher, const std::string& name) {
  return anyPatternMatches(matcher, config.settings().acceptPatterns, name);
}

// The walk keeps its path of open directories on the heap rather than on the call stack, so the
// depth of a tree is bounded only by the length of a path the system accepts.
void scanDirectory(const Configuration& config, WildcardMatcher& matcher,
                   const std::string& directory, std::vector<std::string>& files,
                   WalkRecord* record) {
  const std::string root = !directory.empty() && directory.back() == '\\'
                               ? directory.substr(0, directory.size() - 1)
                               : directory;
  // An empty path would list the current directory while naming its files "\" + name, at the
  // root of the drive: files that were never listed.
  if (root.empty()) {
    return;
  }
  std::vector<OpenDirectory> walkPath;
  enterDirectory(root, walkPath, record);
  while (!walkPath.empty()) {
    OpenDirectory& current = walkPath.back();
    if (current.next == current.entries.size()) {
      walkPath.pop_back();
      continue;
    }
    const DirectoryEntry& entry = current.entries[current.next++];
    if (record != nullptr) {
      record->testedNames.insert(entry.name);
    }
    if (isIgnored(config, matcher, entry.name)) {
      continue;
    }
    std::string path = current.path + "\\" + entry.name;
    if (entry.isDirectory) {
      if (entry.name != "." && entry.name != "..") {
        enterDirectory(path, walkPath, record);
      }
      continue;
    }
    if (record != nullptr) {
      record->testedFileNames.insert(entry.name);
    }
    if (isAccepted(config, matcher, entry.name)) {
      files.push_back(std::move(path));
    }
  }
}

void scanSourcePaths(const Configuration& config, WildcardMatcher& matcher, Document& document,
                     WalkRecord* record) {
  for (const std::string& directory : config.settings().sourcePaths) {
    scanDirectory(config, matcher, directory, document.files, record);
  }
}

}  // namespace inkwright
