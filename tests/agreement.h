// The check program and the writers on one tree, for the property test and the check fuzzer: the
// tree is read once, the writers write it into memory, the check program checks the same Document,
// and what the check says of the files, the links, the pages that are lost and the names that
// differ only in case is compared with what the writers did.
#pragma once

#include <algorithm>
#include <cctype>
#include <cstddef>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "check/checkrun.h"
#include "config/configuration.h"
#include "memorysink.h"
#include "run/outputs.h"
#include "run/run.h"
#include "text/platform.h"
#include "text/text.h"

namespace inkwright {

namespace agreement {

// The text with every "%" and two hexadecimal digits read as the byte they stand for.
inline std::string percentDecoded(const std::string& text) {
  std::string decoded;
  for (std::size_t at = 0; at < text.size(); ++at) {
    if (text[at] == '%' && at + 2 < text.size() &&
        std::isxdigit(static_cast<unsigned char>(text[at + 1])) &&
        std::isxdigit(static_cast<unsigned char>(text[at + 2]))) {
      decoded += static_cast<char>(std::stoi(text.substr(at + 1, 2), nullptr, 16));
      at += 2;
    } else {
      decoded += text[at];
    }
  }
  return decoded;
}

// Each href of the pages and each Local of the help contents, with entities and percent-encoded
// bytes read as a browser reads them.
inline std::set<std::string> hrefsOf(const std::map<std::string, std::string>& files) {
  static const std::regex link("(?:href|<param name=\"Local\" value)=\"([^\"]*)\"");
  std::set<std::string> hrefs;
  for (const auto& [path, bytes] : files) {
    for (auto at = std::sregex_iterator(bytes.begin(), bytes.end(), link);
         at != std::sregex_iterator(); ++at) {
      std::string href = (*at)[1];
      for (const auto& [entity, byte] : {std::pair{"&lt;", "<"}, std::pair{"&gt;", ">"},
                                         std::pair{"&quot;", "\""}, std::pair{"&amp;", "&"}}) {
        href = replaceAll(href, entity, byte);
      }
      hrefs.insert(percentDecoded(href));
    }
  }
  return hrefs;
}

inline std::string placeOf(const std::string& file, std::size_t line) {
  return displayPath(file) + ":" + std::to_string(line);
}

inline std::string tokenOf(std::size_t entry) { return "token" + std::to_string(entry) + "end"; }

// Whether a page's links can be read back from its bytes: names of letters, digits and a few
// signs that neither a link's markup nor its href can hold by accident, and no template or
// replacer of the configuration's own that could add or hide links.
inline bool linksCanBeRead(const Configuration& config, const Document& document) {
  // "&" and "<" only where they are escaped; a name that begins like the markup of a link would
  // be linked inside that markup.
  const std::string_view signs = config.settings().options.escapeHtml ? "_#\\&<" : "_#\\";
  const auto isPlain = [&](std::string_view name) {
    return !name.starts_with("href") && std::all_of(name.begin(), name.end(), [&](char c) {
      return std::isalnum(static_cast<unsigned char>(c)) || signs.find(c) != std::string_view::npos;
    });
  };
  for (const DocEntry& entry : document.entries) {
    if (!isPlain(entry.entryName) || !isPlain(entry.groupName) || !isPlain(entry.sectionName)) {
      return false;
    }
  }
  return std::none_of(config.settings().configList.begin(), config.settings().configList.end(),
                      [](const ConfigPair& pair) {
                        return pair.key.starts_with("template") || pair.key.starts_with("replacer");
                      });
}

}  // namespace agreement

// What the check said and what the writers wrote for one tree.
struct CheckedRun {
  CheckResult check;
  // The files the writers wrote into the output directory, by name, and those the check expects.
  std::map<std::string, std::string> written;
  std::set<std::string> expected;
  // Every disagreement found, one line each.
  std::vector<std::string> disagreements;
};

// Reads the tree of the configuration file once and compares as said above.
inline CheckedRun checkAgainstWriters(const std::string& configurationPath) {
  using namespace agreement;
  CheckedRun run;
  const Configuration config = readConfiguration(configurationPath);
  WildcardMatcher matcher;
  WalkRecord walk;
  BlockWatch blocks(config);
  const Document document = readDocument(config, matcher, &walk, &blocks);
  run.check = checkDocument(CheckInput{config, configurationPath, walk, blocks, document});
  std::vector<std::string>& found = run.disagreements;

  // Every entry's page carries a token of its own, so that a page shows whose it is.
  Document marked = document;
  for (std::size_t k = 0; k < marked.entries.size(); ++k) {
    marked.entries[k].tags.push_back(TagPair{"TOKEN", "\n" + tokenOf(k)});
  }
  MemorySink sink;
  writeOutputs(OutputSelection(config, marked), sink);
  const std::string& outputPath = config.settings().outputPath;
  std::set<std::string> names;
  for (const auto& [path, bytes] : sink.files()) {
    if (!path.starts_with(outputPath)) {
      found.push_back("written outside the output directory: " + path);
      continue;
    }
    run.written[path.substr(outputPath.size())] = bytes;
    names.insert(path.substr(outputPath.size()));
  }

  // The files the check expects are the files written.
  const OutputSelection selection(config, document);
  for (const std::string& file : selection.writtenFiles().all) {
    run.expected.insert(file);
  }
  if (run.expected != names) {
    found.push_back("the check expects other files than the writers write");
  }

  std::map<std::string, std::size_t> entryAt;
  for (std::size_t k = 0; k < document.entries.size(); ++k) {
    entryAt.emplace(placeOf(document.entries[k].sourceFile, document.entries[k].sourceLine), k);
  }
  std::set<std::string> missingTargets;
  std::set<std::string> automaticOnly;
  std::set<std::string> caseFolds;
  // The entries whose pages the check says are lost: replaced, or refused by every file system.
  std::set<std::size_t> lostPages;
  for (const Warning& warning : run.check.warnings) {
    const std::string& message = warning.message;
    if (warning.rule == "name.same-page" ||
        (warning.rule == "name.unwritable" &&
         message.find("; no page is written") != std::string::npos)) {
      const auto lost = entryAt.find(placeOf(warning.file, warning.line));
      if (lost == entryAt.end()) {
        found.push_back("a lost page of no entry: " + message);
      } else {
        lostPages.insert(lost->second);
      }
    }
    if (warning.rule == "link.missing-page") {
      const std::string target = message.starts_with("links to ")
                                     ? textBetween(message, " point to ", ", which")
                                     : textBetween(message, " links to ", ", which");
      missingTargets.insert(target);
      if (message.find(" from automatic links point to ") != std::string::npos) {
        automaticOnly.insert(target);
      }
    } else if (warning.rule == "name.case-collision") {
      caseFolds.insert(lowerCase(textBetween(message, "the page ", " differs")));
    } else if (warning.rule == "name.same-page") {
      const auto loser = entryAt.find(placeOf(warning.file, warning.line));
      if (message.starts_with("the page ")) {
        // A later output's file: no entry's page survives in it.
        const std::string file = textBetween(message, "the page ", " of the entry");
        if (run.written[file].find("token") != std::string::npos) {
          found.push_back("a page survives in a later output's file: " + message);
        }
        continue;
      }
      const std::string file = textBetween(message, " writes the page ", ", which");
      const auto kept = entryAt.find(textBetween(message, "\" at ", " writes later"));
      const std::string& bytes = run.written[file];
      if (loser == entryAt.end() || kept == entryAt.end() ||
          bytes.find(tokenOf(kept->second)) == std::string::npos ||
          bytes.find(tokenOf(loser->second)) != std::string::npos) {
        found.push_back("another entry's page survives: " + message);
      }
    }
  }

  // Every entry's page is written, and so its token is, unless the check says it is lost. The
  // check and the writers take the pages' names from one place, so this also finds a page that
  // the naming gives two entries, or none, without the check saying so.
  if (selection.selects(OutputKind::entryPages)) {
    static const std::regex token("token([0-9]+)end");
    std::set<std::size_t> shown;
    for (const auto& [file, bytes] : run.written) {
      for (auto at = std::sregex_iterator(bytes.begin(), bytes.end(), token);
           at != std::sregex_iterator(); ++at) {
        shown.insert(std::stoul((*at)[1]));
      }
    }
    for (std::size_t k = 0; k < document.entries.size(); ++k) {
      if (shown.contains(k) == lostPages.contains(k)) {
        const DocEntry& entry = document.entries[k];
        found.push_back(std::string(shown.contains(k) ? "a page the check calls lost is written: "
                                                      : "a page is lost, and the check says "
                                                        "nothing: ") +
                        placeOf(entry.sourceFile, entry.sourceLine));
      }
    }
  }

  // The links the check calls missing are the hrefs that name no written file; a name that
  // automatic links alone would link may stand on no page.
  if (selection.selects(OutputKind::entryPages) && linksCanBeRead(config, document)) {
    std::set<std::string> missingHrefs;
    for (const std::string& href : hrefsOf(run.written)) {
      if (!names.contains(href)) {
        missingHrefs.insert(href);
      }
    }
    if (config.settings().options.existingLinksOnly) {
      missingTargets.clear();
    }
    for (const std::string& target : missingTargets) {
      if (!missingHrefs.contains(target) && !automaticOnly.contains(target)) {
        found.push_back("called missing, but no link leads there: " + target);
      }
    }
    for (const std::string& href : missingHrefs) {
      if (!missingTargets.contains(href)) {
        found.push_back("a link leads to no written file, and the check says nothing: " + href);
      }
    }
  }

  // Names that only a system ignoring case merges: compared by name, since Linux keeps both.
  if (selection.selects(OutputKind::entryPages)) {
    std::map<std::string, std::set<std::string>> spellings;
    for (const std::string& name : names) {
      spellings[lowerCase(name)].insert(name);
    }
    std::set<std::string> merged;
    for (const auto& [folded, files] : spellings) {
      if (files.size() > 1) {
        merged.insert(folded);
      }
    }
    if (merged != caseFolds) {
      found.push_back("the check names other case merges than the written files have");
    }
  }
  return run;
}

}  // namespace inkwright
