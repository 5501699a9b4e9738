#include "check/pagechecks.h"

#include <string_view>
#include <unordered_map>
#include <vector>

#include "html/masterindex.h"
#include "html/pagelinks.h"
#include "html/pagewriter.h"
#include "html/toc.h"
#include "model/groups.h"
#include "text/platform.h"
#include "text/text.h"

namespace inkwright {

namespace {

Warning entryWarning(const DocEntry& entry, std::string_view rule, std::string message) {
  return Warning{entry.sourceFile, entry.sourceLine, rule, std::move(message)};
}

std::string placeOf(const DocEntry& entry) {
  return displayPath(entry.sourceFile) + ":" +
         decimalText(static_cast<std::int32_t>(entry.sourceLine));
}

// The endings that name the switch that would have spared a warning.
constexpr std::string_view kSafeNamesFix = "; switch on \"safe page names\"";
constexpr std::string_view kOnePageFix = "; switch on \"one page per entry\"";

// "safe page names" keeps pages off the index pages' names, in any case, but not off the names the
// configuration gives the binding files.
bool isIndexPage(std::string_view file) { return file == kMasterIndexName || file == kTocName; }

// The page writer's own rule decides which entry keeps a page (note [last writer]). Under "one page
// per entry" no two entries share a file, so only a later output's file replaces a page.
void checkSamePages(const Document& document, const PageNames& pageNames,
                    const std::vector<LaterFile>& laterFiles, const std::vector<bool>& isLast,
                    WarningList& warnings) {
  std::unordered_map<std::string, std::string_view> later;
  for (const LaterFile& file : laterFiles) {
    later.emplace(file.name, file.what);
  }
  std::unordered_map<std::string, const DocEntry*> keptBy;
  for (std::size_t i = 0; i < document.entries.size(); ++i) {
    if (isLast[i]) {
      keptBy.emplace(pageNames.fileOf(i), &document.entries[i]);
    }
  }
  for (std::size_t i = 0; i < document.entries.size(); ++i) {
    const DocEntry& entry = document.entries[i];
    const std::string& file = pageNames.fileOf(i);
    if (isLast[i] || file.empty()) {
      continue;
    }
    const auto replacedBy = later.find(file);
    if (replacedBy != later.end()) {
      warnings.push_back(entryWarning(entry, "name.same-page",
                                      "the page " + file + " of the entry " +
                                          quoted(entry.entryName) + " is replaced by " +
                                          std::string(replacedBy->second) + " of that name" +
                                          std::string(isIndexPage(file) ? kSafeNamesFix : "")));
      continue;
    }
    const DocEntry* const kept = keptBy.at(file);
    warnings.push_back(
        entryWarning(entry, "name.same-page",
                     "the entry " + quoted(entry.entryName) + " writes the page " + file +
                         ", which the entry " + quoted(kept->entryName) + " at " + placeOf(*kept) +
                         " writes later; only that one is kept" + std::string(kOnePageFix)));
  }
}

// Under "styled pages" an entry whose page would be the search page's is written under a stand-in
// name, and every link to it leads there; the warning says so, since a link written by hand to
// its old page would find the search page.
void checkSearchPageNames(const Document& document, const PageNames& pageNames,
                          const Options& options, WarningList& warnings) {
  if (!options.styledPages) {
    return;
  }
  for (std::size_t i = 0; i < document.entries.size(); ++i) {
    const DocEntry& entry = document.entries[i];
    const std::string& file = pageNames.fileOf(i);
    const std::string wanted = options.safePageNames ? safePageName(entry.entryName)
                                                     : std::string(pageFileName(entry.entryName));
    if (!file.empty() && isSearchPageName(wanted)) {
      warnings.push_back(entryWarning(entry, "name.same-page",
                                      "the page " + wanted + ".html of the entry " +
                                          quoted(entry.entryName) +
                                          " would be replaced by the search page; it is written "
                                          "as " +
                                          file + " instead"));
    }
  }
}

// The first page of a name folded to lower case, and the entry that wrote it; for a later output's
// file, none, and how a warning names that output.
struct FirstPage {
  std::string file;
  const DocEntry* entry;
  std::string_view what;
};

// Windows compares file names ignoring case, so one page there replaces the other. "safe page
// names" tells apart the pages and the index pages ignoring case; a binding file named by the
// configuration can still meet a page.
void checkCaseCollisions(const Document& document, const PageNames& pageNames,
                         const std::vector<LaterFile>& laterFiles, WarningList& warnings) {
  std::unordered_map<std::string, FirstPage> firstOf;
  for (const LaterFile& file : laterFiles) {
    firstOf.emplace(lowerCase(file.name), FirstPage{file.name, nullptr, file.what});
  }
  std::unordered_set<std::string> reported;
  for (std::size_t i = 0; i < document.entries.size(); ++i) {
    const DocEntry& entry = document.entries[i];
    const std::string& file = pageNames.fileOf(i);
    if (file.empty()) {
      continue;
    }
    const auto [found, isNew] = firstOf.emplace(lowerCase(file), FirstPage{file, &entry, {}});
    const FirstPage& first = found->second;
    if (isNew || first.file == file || !reported.insert(file).second) {
      continue;
    }
    const bool isLaterFile = first.entry == nullptr;
    const std::string other =
        isLaterFile ? std::string(first.what) + " " + first.file
                    : "the page " + first.file + " of the entry at " + placeOf(*first.entry);
    const bool safeNamesFix = !isLaterFile || isIndexPage(first.file);
    warnings.push_back(entryWarning(entry, "name.case-collision",
                                    "the page " + file + " differs from " + other +
                                        " only in case; on Windows both are one file" +
                                        std::string(safeNamesFix ? kSafeNamesFix : "")));
  }
}

// Windows gives these names, with any extension, to devices.
bool isDeviceName(std::string_view name) {
  const std::string upper = upperCase(name.substr(0, name.find('.')));
  for (const char* device : {"CON", "PRN", "AUX", "NUL"}) {
    if (upper == device) {
      return true;
    }
  }
  return upper.size() == 4 && (startsWith(upper, "COM") || startsWith(upper, "LPT")) &&
         upper[3] >= '1' && upper[3] <= '9';
}

// The first byte of name that a browser reads as part of a link's syntax, or that Windows does
// not allow in a file name; 0 when there is none.
char specialByte(std::string_view name) {
  for (const char c : name) {
    const unsigned char byte = static_cast<unsigned char>(c);
    if (byte < 32 || byte == 127 || std::string_view("<>:\"|?*#%&").find(c) != std::string::npos) {
      return c;
    }
  }
  return 0;
}

std::string byteDescription(char c) {
  const unsigned char byte = static_cast<unsigned char>(c);
  return byte < 32 || byte == 127 ? "the control byte " + decimalText(byte)
                                  : quoted(std::string_view(&c, 1));
}

// How a warning names the page name of an entry: by the entry's name where the page is named after
// it, else as the page, whose name "one page per entry" made of the entry's section.
std::string pageNameText(const DocEntry& entry, std::string_view pageName) {
  if (pageName == pageFileName(entry.entryName)) {
    return "the name " + quoted(entry.entryName);
  }
  return "the page " + std::string(pageName) + ".html of the entry " + quoted(entry.entryName);
}

// pageName is the page's file name without ".html", as PageNames gives it.
void checkNameCharacters(const DocEntry& entry, std::string_view pageName, WarningList& warnings) {
  if (const char c = specialByte(pageName)) {
    warnings.push_back(entryWarning(entry, "name.special-character",
                                    pageNameText(entry, pageName) + " holds " + byteDescription(c) +
                                        ", which a browser or Windows treats specially" +
                                        std::string(kSafeNamesFix)));
  } else if (isDeviceName(pageName)) {
    warnings.push_back(entryWarning(entry, "name.special-character",
                                    "the page " + std::string(pageName) +
                                        ".html is a device on Windows, not a file; rename the "
                                        "entry or switch on \"safe page names\""));
  }
}

// The true reason why no file system takes the name: a separator, else its length.
std::string unwritableMessage(const DocEntry& entry, std::string_view pageName) {
  const std::size_t separator = pageName.find_first_of("/\\");
  if (separator != std::string_view::npos) {
    return pageNameText(entry, pageName) + " holds " + quoted(pageName.substr(separator, 1)) +
           ", so it cannot become a file; no page is written" + std::string(kSafeNamesFix);
  }
  const std::string page = "the page " + std::string(pageName) + ".html";
  return (pageName == pageFileName(entry.entryName)
              ? page
              : page + " of the entry " + quoted(entry.entryName)) +
         " is longer than " + decimalText(static_cast<std::int32_t>(kLongestFileName)) +
         " bytes, so no file system takes it; no page is written" + std::string(kSafeNamesFix);
}

void checkNameForms(const Document& document, const PageNames& pageNames, const Options& options,
                    WarningList& warnings) {
  constexpr std::string_view kPageEnding = ".html";
  for (std::size_t i = 0; i < document.entries.size(); ++i) {
    const DocEntry& entry = document.entries[i];
    const std::string& file = pageNames.fileOf(i);
    if (entry.headerPath.empty()) {
      warnings.push_back(entryWarning(entry, "block.no-name",
                                      "the block-start line gives no name; its page is \".html\""));
    } else if (file.empty()) {
      warnings.push_back(entryWarning(entry, "name.unwritable",
                                      unwritableMessage(entry, pageNames.refusedNameOf(i))));
    } else if (entry.entryName.empty()) {
      warnings.push_back(entryWarning(
          entry, "name.unwritable",
          "the name " + quoted(entry.headerPath) + " ends in \"/\", so the entry has no name"));
    } else if (!options.safePageNames) {
      checkNameCharacters(entry, std::string_view(file).substr(0, file.size() - kPageEnding.size()),
                          warnings);
    }
  }
}

// Where the pages, the index files and the help contents link an entry to its page, by the
// writers' own rules. headers are the names of the section headers whose pages are written.
std::string linkSources(const DocEntry& entry, const LinkPlaces& places,
                        const std::unordered_set<std::string>& headers) {
  std::vector<std::string_view> sources;
  if (hasAutomaticLinks(entry)) {
    sources.push_back("automatic links");
  }
  // The one page that lists an entry in its contents is its section header's; under "no self
  // links" that page does not link an entry whose name leads to it, as "#Core" leads to Core.html.
  const bool isSelfLink =
      places.noSelfLinks && pageFileName(entry.entryName) == pageFileName(entry.sectionName);
  if (places.contentsLists && headers.contains(entry.sectionName) && !isSelfLink) {
    sources.push_back("contents lists");
  }
  if (places.masterIndex && isListedInItsGroup(entry)) {
    sources.push_back("the master index");
  }
  if (places.tableOfContents && tocLetter(entry.entryName)) {
    sources.push_back("the table of contents");
  }
  if (places.helpContents && isListedInItsGroup(entry)) {
    sources.push_back("the help contents");
  }
  std::string text;
  for (std::size_t k = 0; k < sources.size(); ++k) {
    text += (k == 0 ? "" : (k + 1 == sources.size() ? " and " : ", "));
    text += sources[k];
  }
  return text;
}

}  // namespace

void checkEntryNames(const Document& document, const PageNames& pageNames, const Options& options,
                     const std::vector<LaterFile>& laterFiles,
                     const std::vector<bool>& isLastWriter, WarningList& warnings) {
  checkNameForms(document, pageNames, options, warnings);
  checkSamePages(document, pageNames, laterFiles, isLastWriter, warnings);
  checkSearchPageNames(document, pageNames, options, warnings);
  checkCaseCollisions(document, pageNames, laterFiles, warnings);
}

void checkPageLinks(const Document& document, const PageNames& pageNames,
                    const std::vector<bool>& isLastWriter, const LinkPlaces& places,
                    const std::unordered_set<std::string>& written, WarningList& warnings) {
  std::unordered_set<std::string> headers;
  for (std::size_t i = 0; i < document.entries.size(); ++i) {
    if (isLastWriter[i] && isSectionHeader(document.entries[i])) {
      headers.insert(document.entries[i].entryName);
    }
  }
  for (const DocEntry& entry : document.entries) {
    // Links keep a leading "#", but lead to the stand-in of a name whose page would be the search
    // page.
    const std::string target = std::string(pageNames.linkedName(entry.entryName)) + ".html";
    if (written.contains(target)) {
      continue;
    }
    const std::string sources = linkSources(entry, places, headers);
    if (!sources.empty()) {
      warnings.push_back(entryWarning(entry, "link.missing-page",
                                      "links to " + quoted(entry.entryName) + " from " + sources +
                                          " point to " + target +
                                          ", which the run does not write"));
    }
  }
  std::unordered_map<std::string, const DocEntry*> firstOfGroup;
  for (const DocEntry& entry : document.entries) {
    if (isListedInItsGroup(entry)) {
      firstOfGroup.emplace(entry.groupName, &entry);
    }
  }
  if (!places.masterIndex && !places.helpContents) {
    return;
  }
  for (const std::string& group : document.groups) {
    const auto found = firstOfGroup.find(group);
    if (group.empty() || written.contains(group + ".html") || found == firstOfGroup.end()) {
      continue;
    }
    warnings.push_back(entryWarning(*found->second, "link.missing-page",
                                    "the heading of the group " + quoted(group) + " links to " +
                                        group + ".html, which no entry writes"));
  }
}

}  // namespace inkwright
