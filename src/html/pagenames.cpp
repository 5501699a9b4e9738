#include "html/pagenames.h"

#include <algorithm>
#include <array>
#include <tuple>
#include <unordered_set>

#include "text/digest.h"
#include "text/text.h"

namespace inkwright {

// note [page names]
// The original format names a page after its entry, without a leading "#", and entries of one
// name share one page, of which the last one written stays. Names then hold whatever the sources
// hold: ":" and "*", which Windows refuses, "%" and "#", which a link must encode and a help
// compiler does not decode, names that differ only in case, which Windows and macOS put in one
// file, and names too long for any file system. Two switches name pages otherwise:
// - "safe page names" makes each name of the portable bytes alone (safePageName), and tells apart
//   the names that then meet, ignoring case, by "-2", "-3", ... in the order of the entries' names,
//   then of their places. The names of the index files ("masterindex", "toc", "search") count as
//   taken, so no page is replaced by one of them.
// - "one page per entry" gives every entry a page of its own. Of the entries that share a page
//   name, one keeps it (the section header entry, else the first by section, then place); each
//   other is named after its section, "Tests-smooth", and told apart the same way. Names that keep
//   their page take precedence over the ones made from a section, so an entry really named
//   "Tests-smooth" keeps its name.
// A link to a shared name leads to the entry of the page's own section where there is one, else
// to the entry that kept the name.

namespace {

constexpr std::size_t kLongestSafeName = 100;
constexpr std::string_view kPageEnding = ".html";
// The files of the index pages, which a page must not take.
constexpr std::array<std::string_view, 3> kIndexNames = {"masterindex", "toc", "search"};

bool isSafeByte(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '.' ||
         c == '_' || c == '-';
}

void trimDashesAndDots(std::string& name, bool fromTheStart) {
  const auto isTrimmed = [](char c) { return c == '-' || c == '.'; };
  while (!name.empty() && isTrimmed(name.back())) {
    name.pop_back();
  }
  if (fromTheStart) {
    const auto first = std::find_if_not(name.begin(), name.end(), isTrimmed);
    name.erase(name.begin(), first);
  }
}

std::string lowerAscii(std::string_view text) {
  std::string lower(text);
  std::transform(lower.begin(), lower.end(), lower.begin(), asciiLower);
  return lower;
}

// Windows gives these names, with any extension, to devices.
bool isDeviceName(std::string_view stem) {
  const std::string lower = lowerAscii(stem);
  if (lower == "con" || lower == "prn" || lower == "aux" || lower == "nul") {
    return true;
  }
  return lower.size() == 4 && (lower.starts_with("com") || lower.starts_with("lpt")) &&
         lower[3] >= '0' && lower[3] <= '9';
}

std::string hex8(std::uint32_t value) {
  constexpr std::string_view kDigits = "0123456789abcdef";
  std::string hex(8, '0');
  for (int i = 7; i >= 0; --i) {
    hex[i] = kDigits[value & 0xF];
    value >>= 4;
  }
  return hex;
}

bool isWritableFileName(std::string_view name) {
  return name.find_first_of("/\\") == std::string_view::npos &&
         name.size() + kPageEnding.size() <= kLongestFileName;
}

// The page of one entry, or of every entry of one name: the entry that orders it among the others,
// the name it would have, and whether that is its entry's own name.
struct Unit {
  std::size_t entry;
  std::string wanted;
  bool isPlain;
  std::string name;
};

// Tells apart the units whose names meet: each keeps its wanted name where no unit before it took
// it, else gets the first of "-2", "-3", ... that no page has. Units keeping their own names go
// first, each kind in the order of its entries' names, then places.
void tellApart(std::vector<Unit>& units, const Document& document, bool ignoringCase) {
  const auto keyOf = [ignoringCase](std::string_view name) {
    return ignoringCase ? lowerAscii(name) : std::string(name);
  };
  std::vector<std::size_t> order(units.size());
  for (std::size_t u = 0; u < units.size(); ++u) {
    order[u] = u;
  }
  const auto rank = [&](std::size_t u) {
    const DocEntry& entry = document.entries[units[u].entry];
    return std::tie(entry.entryName, entry.sourceFile, entry.sourceLine);
  };
  std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
    if (units[a].isPlain != units[b].isPlain) {
      return units[a].isPlain;
    }
    return rank(a) < rank(b);
  });
  std::unordered_set<std::string> taken;
  if (ignoringCase) {
    for (const std::string_view name : kIndexNames) {
      taken.emplace(name);
    }
  }
  std::unordered_map<std::string, int> nextSuffix;
  for (const bool plain : {true, false}) {
    std::vector<std::size_t> waiting;
    for (const std::size_t u : order) {
      if (units[u].isPlain != plain) {
        continue;
      }
      if (taken.insert(keyOf(units[u].wanted)).second) {
        units[u].name = units[u].wanted;
      } else {
        waiting.push_back(u);
      }
    }
    for (const std::size_t u : waiting) {
      int& suffix = nextSuffix.try_emplace(keyOf(units[u].wanted), 2).first->second;
      std::string name;
      do {
        name = units[u].wanted + "-" + std::to_string(suffix++);
      } while (!taken.insert(keyOf(name)).second);
      units[u].name = std::move(name);
    }
  }
}

bool placeLess(const DocEntry& a, const DocEntry& b) {
  return std::tie(a.sourceFile, a.sourceLine) < std::tie(b.sourceFile, b.sourceLine);
}

// The entry of a group that keeps the page name: the section header entry, else the first by
// section, then place.
std::size_t keeperOf(const Document& document, const std::vector<std::size_t>& group) {
  return *std::min_element(group.begin(), group.end(), [&](std::size_t a, std::size_t b) {
    const DocEntry& x = document.entries[a];
    const DocEntry& y = document.entries[b];
    return std::make_tuple(!isSectionHeader(x), std::string_view(x.sectionName),
                           std::string_view(x.sourceFile), x.sourceLine) <
           std::make_tuple(!isSectionHeader(y), std::string_view(y.sectionName),
                           std::string_view(y.sourceFile), y.sourceLine);
  });
}

}  // namespace

std::string_view pageFileName(std::string_view entryName) {
  return entryName.starts_with("#") ? entryName.substr(1) : entryName;
}

// A name holding a separator would put its page outside the output directory, or into a
// directory of the output that nobody asked for; both systems split paths at "\" as well as "/".
bool isPageWritten(std::string_view entryName) {
  return isWritableFileName(pageFileName(entryName));
}

std::string safePageName(std::string_view name) {
  std::string safe;
  safe.reserve(name.size());
  bool inRun = false;
  for (const char c : name) {
    if (isSafeByte(c)) {
      safe += c;
      inRun = false;
    } else if (!inRun) {
      safe += '-';
      inRun = true;
    }
  }
  trimDashesAndDots(safe, true);
  if (safe.empty()) {
    safe = "page";
  }
  // The digest of the whole name keeps apart long names that share their first 100 bytes.
  if (safe.size() > kLongestSafeName) {
    safe.resize(kLongestSafeName);
    trimDashesAndDots(safe, false);
    safe += '-';
    safe += hex8(shortDigestOf(name));
  }
  const std::size_t stem = std::min(safe.find('.'), safe.size());
  if (isDeviceName(std::string_view(safe).substr(0, stem))) {
    safe.insert(stem, "_");
  }
  return safe;
}

PageNames::PageNames(const Options& options, const Document& document)
    : isOriginal_(!options.safePageNames && !options.onePagePerEntry),
      files_(document.entries.size()),
      isShared_(document.entries.size(), false) {
  if (isOriginal_) {
    for (std::size_t i = 0; i < document.entries.size(); ++i) {
      const std::string& name = document.entries[i].entryName;
      if (isPageWritten(name)) {
        files_[i] = std::string(pageFileName(name)) + std::string(kPageEnding);
      } else {
        refusedNames_.emplace(i, pageFileName(name));
      }
    }
    return;
  }
  nameUnits(options, document);
}

// See note [page names].
void PageNames::nameUnits(const Options& options, const Document& document) {
  const bool safe = options.safePageNames;
  const auto& entries = document.entries;
  // Entries share a page name when their names are equal, or, where pages are named as the
  // original format names them, when they differ only in a leading "#".
  const auto keyOf = [safe](const DocEntry& entry) {
    return safe ? std::string_view(entry.entryName) : pageFileName(entry.entryName);
  };
  std::unordered_map<std::string_view, std::vector<std::size_t>> byKey;
  byKey.reserve(entries.size());
  for (std::size_t i = 0; i < entries.size(); ++i) {
    byKey[keyOf(entries[i])].push_back(i);
  }
  std::vector<Unit> units;
  units.reserve(entries.size());
  std::vector<std::size_t> unitOf(entries.size());
  std::vector<std::size_t> keeper(entries.size());
  const auto nameOf = [safe](std::string wanted) { return safe ? safePageName(wanted) : wanted; };
  for (std::size_t i = 0; i < entries.size(); ++i) {
    const std::vector<std::size_t>& group = byKey.at(keyOf(entries[i]));
    if (group.front() != i) {
      continue;
    }
    if (!options.onePagePerEntry) {
      for (const std::size_t e : group) {
        unitOf[e] = units.size();
        keeper[e] = group.back();
      }
      units.push_back(Unit{i, nameOf(std::string(keyOf(entries[i]))), true, {}});
      continue;
    }
    const std::size_t kept = keeperOf(document, group);
    for (const std::size_t e : group) {
      unitOf[e] = units.size();
      keeper[e] = kept;
      isShared_[e] = group.size() > 1;
      const DocEntry& entry = entries[e];
      units.push_back(e == kept
                          ? Unit{e, nameOf(std::string(keyOf(entry))), true, {}}
                          : Unit{e, nameOf(entry.sectionName + "-" + entry.entryName), false, {}});
    }
    if (group.size() > 1) {
      chooseSectionTargets(document, group, kept);
    }
  }
  tellApart(units, document, safe);
  for (std::size_t i = 0; i < entries.size(); ++i) {
    const std::string& name = units[unitOf[i]].name;
    if (isWritableFileName(name)) {
      files_[i] = name + std::string(kPageEnding);
    } else {
      refusedNames_.emplace(i, name);
    }
    plainTarget_.emplace(entries[i].entryName, keeper[i]);
  }
}

// From each section other than the keeper's, links to the shared name lead to that section's
// first entry of it by place.
void PageNames::chooseSectionTargets(const Document& document,
                                     const std::vector<std::size_t>& group, std::size_t kept) {
  const auto& entries = document.entries;
  std::unordered_map<std::string_view, std::size_t> firstOfSection;
  for (const std::size_t e : group) {
    const std::string_view section = entries[e].sectionName;
    if (section == entries[kept].sectionName) {
      continue;
    }
    const auto [found, isNew] = firstOfSection.emplace(section, e);
    if (!isNew && placeLess(entries[e], entries[found->second])) {
      found->second = e;
    }
  }
  std::vector<std::string_view> names;
  for (const std::size_t e : group) {
    if (std::find(names.begin(), names.end(), entries[e].entryName) == names.end()) {
      names.push_back(entries[e].entryName);
    }
  }
  for (const auto& [section, e] : firstOfSection) {
    auto& targets = sectionTarget_[section];
    for (const std::string_view name : names) {
      targets.emplace_back(name, e);
    }
  }
}

std::string_view PageNames::refusedNameOf(std::size_t entry) const {
  const auto found = refusedNames_.find(entry);
  return found == refusedNames_.end() ? std::string_view() : std::string_view(found->second);
}

std::string_view PageNames::targetOf(std::string_view name, std::string_view fromSection) const {
  if (!sectionTarget_.empty()) {
    const auto section = sectionTarget_.find(fromSection);
    if (section != sectionTarget_.end()) {
      for (const auto& [targetName, entry] : section->second) {
        if (targetName == name) {
          return files_[entry];
        }
      }
    }
  }
  const auto found = plainTarget_.find(name);
  return found == plainTarget_.end() ? std::string_view() : std::string_view(files_[found->second]);
}

std::vector<std::pair<std::string_view, std::string_view>> PageNames::sectionTargets(
    std::string_view section) const {
  std::vector<std::pair<std::string_view, std::string_view>> targets;
  const auto found = sectionTarget_.find(section);
  if (found == sectionTarget_.end()) {
    return targets;
  }
  for (const auto& [name, entry] : found->second) {
    const std::string_view file = files_[entry];
    if (file != files_[plainTarget_.at(name)]) {
      targets.emplace_back(name, file);
    }
  }
  return targets;
}

}  // namespace inkwright
