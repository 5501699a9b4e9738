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
// the name it would have, whether that is its entry's own name, and, where another page took that
// name first, the name it gets instead.
struct Unit {
  std::size_t entry;
  std::string wanted;
  bool isPlain;
  std::string instead;

  const std::string& name() const { return instead.empty() ? wanted : instead; }
};

// Names compared as a file system that ignores case compares them, or byte for byte.
struct NameKey {
  bool ignoringCase;
  std::size_t operator()(std::string_view name) const {
    if (!ignoringCase) {
      return std::hash<std::string_view>{}(name);
    }
    std::size_t hash = 14695981039346656037ULL;
    for (const char c : name) {
      hash = (hash ^ static_cast<unsigned char>(asciiLower(c))) * 1099511628211ULL;
    }
    return hash;
  }
  bool operator()(std::string_view a, std::string_view b) const {
    if (!ignoringCase) {
      return a == b;
    }
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
             return asciiLower(x) == asciiLower(y);
           });
  }
};

constexpr std::size_t kTakenByAnIndex = static_cast<std::size_t>(-1);

// Tells apart the units whose names meet: of the units that want one name, the first keeps it,
// units keeping their own names before the others, each kind in the order of its entries' names,
// then places; a name of an index file is kept by none. The others get, in that order, the first
// of "-2", "-3", ... that no page has. Only the units whose names meet are ever sorted.
// searchTaken: under "styled pages" the search page's name counts as taken, ignoring case, also
// where other names are compared byte for byte.
void tellApart(std::vector<Unit>& units, const Document& document, bool ignoringCase,
               bool searchTaken) {
  const NameKey key{ignoringCase};
  const auto before = [&](std::size_t a, std::size_t b) {
    if (units[a].isPlain != units[b].isPlain) {
      return units[a].isPlain;
    }
    const DocEntry& x = document.entries[units[a].entry];
    const DocEntry& y = document.entries[units[b].entry];
    return std::tie(x.entryName, x.sourceFile, x.sourceLine) <
           std::tie(y.entryName, y.sourceFile, y.sourceLine);
  };
  // Each name that a page has, and the unit that has it. The keys view the units' names, which do
  // not change once they are keys.
  std::unordered_map<std::string_view, std::size_t, NameKey, NameKey> keptBy(units.size() * 2, key,
                                                                             key);
  if (ignoringCase) {
    for (const std::string_view name : kIndexNames) {
      keptBy.emplace(name, kTakenByAnIndex);
    }
  }
  std::vector<std::size_t> waiting;
  for (std::size_t u = 0; u < units.size(); ++u) {
    if (searchTaken && isSearchPageName(units[u].wanted)) {
      waiting.push_back(u);
      continue;
    }
    const auto [found, isNew] = keptBy.emplace(units[u].wanted, u);
    if (isNew) {
      continue;
    }
    if (found->second != kTakenByAnIndex && before(u, found->second)) {
      // The key keeps viewing the first unit's name, which equals this one's under the key.
      waiting.push_back(found->second);
      found->second = u;
    } else {
      waiting.push_back(u);
    }
  }
  std::sort(waiting.begin(), waiting.end(), before);
  std::unordered_map<std::string, int> nextSuffix;
  for (const std::size_t u : waiting) {
    const std::string lowered = ignoringCase ? lowerAscii(units[u].wanted) : units[u].wanted;
    int& suffix = nextSuffix.try_emplace(lowered, 2).first->second;
    do {
      units[u].instead = units[u].wanted + "-" + std::to_string(suffix++);
    } while (keptBy.find(units[u].instead) != keptBy.end());
    keptBy.emplace(units[u].instead, u);
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

bool isSearchPageName(std::string_view name) {
  return name.size() == 6 && lowerAscii(name) == "search";
}

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
    if (options.styledPages) {
      chooseSearchStandIns(document);
    }
    for (std::size_t i = 0; i < document.entries.size(); ++i) {
      const std::string& name = document.entries[i].entryName;
      if (isPageWritten(name)) {
        files_[i] = std::string(originalStem(name)) + std::string(kPageEnding);
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
  // The entries of each page name, as chains in list order: a name's first entry, and after each
  // entry the next one of its name. Most names have one entry, so no list is made for them.
  constexpr std::size_t kNone = static_cast<std::size_t>(-1);
  std::unordered_map<std::string_view, std::size_t> lastOf;
  lastOf.reserve(entries.size());
  std::vector<std::size_t> nextOf(entries.size(), kNone);
  std::vector<bool> isFirst(entries.size(), false);
  for (std::size_t i = 0; i < entries.size(); ++i) {
    const auto [found, isNew] = lastOf.emplace(keyOf(entries[i]), i);
    if (isNew) {
      isFirst[i] = true;
    } else {
      nextOf[found->second] = i;
      found->second = i;
    }
  }
  std::vector<Unit> units;
  units.reserve(entries.size());
  std::vector<std::size_t> unitOf(entries.size());
  std::vector<std::size_t> keeper(entries.size());
  const auto nameOf = [safe](std::string wanted) { return safe ? safePageName(wanted) : wanted; };
  std::vector<std::size_t> group;
  for (std::size_t i = 0; i < entries.size(); ++i) {
    if (!isFirst[i]) {
      continue;
    }
    group.clear();
    for (std::size_t e = i; e != kNone; e = nextOf[e]) {
      group.push_back(e);
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
  tellApart(units, document, safe, options.styledPages);
  plainTarget_.reserve(entries.size());
  for (std::size_t i = 0; i < entries.size(); ++i) {
    const std::string& name = units[unitOf[i]].name();
    if (isWritableFileName(name)) {
      files_[i].reserve(name.size() + kPageEnding.size());
      files_[i] = name;
      files_[i] += kPageEnding;
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

// Each stand-in is a name that no entry's page has, ignoring case, so that it meets no other page
// on a system that ignores case either. Stand-ins of distinct names differ in the bytes of the
// names they stand in for. Hardly any library has such a name, so the names are gathered only
// where one has.
void PageNames::chooseSearchStandIns(const Document& document) {
  std::vector<std::string_view> searchNames;
  for (const DocEntry& entry : document.entries) {
    const std::string_view stem = pageFileName(entry.entryName);
    if (isSearchPageName(stem) &&
        std::find(searchNames.begin(), searchNames.end(), stem) == searchNames.end()) {
      searchNames.push_back(stem);
    }
  }
  if (searchNames.empty()) {
    return;
  }
  std::unordered_set<std::string> lowered;
  for (const DocEntry& entry : document.entries) {
    lowered.insert(lowerAscii(pageFileName(entry.entryName)));
  }
  for (const std::string_view stem : searchNames) {
    for (int suffix = 2;; ++suffix) {
      std::string standIn = std::string(stem) + "-" + std::to_string(suffix);
      if (lowered.find(lowerAscii(standIn)) == lowered.end()) {
        searchStandIns_.emplace_back(stem, std::move(standIn));
        break;
      }
    }
  }
}

std::string_view PageNames::originalStem(std::string_view name) const {
  const std::string_view stem = pageFileName(name);
  for (const auto& [searchName, standIn] : searchStandIns_) {
    if (stem == searchName) {
      return standIn;
    }
  }
  return stem;
}

std::string_view PageNames::linkedName(std::string_view name) const {
  const std::string_view stem = originalStem(name);
  return stem == pageFileName(name) ? name : stem;
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
