// Source discovery: the walk of the configured source directories into the document's files.
#pragma once

#include <string>
#include <unordered_set>
#include <vector>

#include "config/settings.h"
#include "model/document.h"
#include "scan/wildcard.h"

namespace inkwright {

// True when some pattern of ignorePatterns, tried in list order up to the first that matches,
// matches the bare name; false for an empty list.
bool isIgnored(const Configuration& config, WildcardMatcher& matcher, const std::string& name);

// True when some pattern of acceptPatterns, tried in list order up to the first that matches,
// matches the bare name; false for an empty list.
bool isAccepted(const Configuration& config, WildcardMatcher& matcher, const std::string& name);

// What a walk met besides the files it accepted, kept for the check program; a run keeps none.
struct WalkRecord {
  // Every name tested against the ignore patterns, and every file name then tested against the
  // accept patterns.
  std::unordered_set<std::string> testedNames;
  std::unordered_set<std::string> testedFileNames;
  // Directories that could not be listed, and directories not entered again because a link led
  // back to one that was being walked; each as the walk spelled its path.
  std::vector<std::string> unlistedDirectories;
  std::vector<std::string> loopDirectories;
};

// Appends the accepted files below directory (one trailing "\" removed) to files, depth first in
// listing order. A directory that cannot be listed, or that is one of its own ancestors through
// a link, adds nothing; so does an empty path, which names no directory. When record is given,
// what the walk met is added to it.
void scanDirectory(const Configuration& config, WildcardMatcher& matcher,
                   const std::string& directory, std::vector<std::string>& files,
                   WalkRecord* record = nullptr);

// Walks every directory of sourcePaths, in list order, appending the accepted files to the
// document's files.
void scanSourcePaths(const Configuration& config, WildcardMatcher& matcher, Document& document,
                     WalkRecord* record = nullptr);

}  // namespace inkwright
