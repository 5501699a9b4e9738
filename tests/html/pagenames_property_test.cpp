// Safe page names on random trees of hostile names: every byte but the line ends, blanks, the
// bytes Windows refuses or a link must encode, names of 300 bytes, names that differ only in case,
// one name in several sections, the names of the index files and of Windows devices. The writers
// write each tree into memory, with "safe page names", "one page per entry", "no self links",
// "existing links only" and a portable help project, and what they wrote must hold together
// without any decoding: every file name is portable and meets no other ignoring case, every link
// of a page and every file the help project names is, byte for byte, a file the run wrote, and
// no page links to itself.
#include <gtest/gtest.h>

#include <cctype>
#include <cstddef>
#include <filesystem>
#include <map>
#include <random>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "config/configuration.h"
#include "memorysink.h"
#include "run/outputs.h"
#include "run/run.h"
#include "tempdir.h"

namespace inkwright {
namespace {

// Names that the rules single out: the index files, Windows devices, "#", names that meet once
// made safe, a name and the one its section would make of another, and names that link inside the
// markup of a link.
const std::vector<std::string> kSpecialNames = {
    "toc",    "TOC",    "masterindex",  "search",       "CON",  "con.h", "nul",   "COM1",
    "LPT9.x", "page",   "#Flags",       "Flags",        "a:b",  "a-b",   "a-b-2", "%41",
    "A",      "smooth", "Tests-smooth", "tests:smooth", "href", "<a",    "x%2Fy", "..."};
const std::vector<std::string> kSpecialSections = {"Tests", "Lib", "toc", "CON", "a b", "#"};
// The bytes that hostile names are made of most of the time: what Windows refuses, what a link
// must encode, blanks and the markup of links.
const std::string kHostileBytes = " :*#%\\?\"<>|&;=.-_\t";

std::size_t below(std::mt19937& random, std::size_t bound) { return random() % bound; }

// A name of length bytes, mostly letters and hostile bytes, now and then any byte but a line end.
std::string randomName(std::mt19937& random, std::size_t length) {
  const bool anyByte = below(random, 4) == 0;
  std::string name;
  while (name.size() < length) {
    char c;
    if (anyByte) {
      c = static_cast<char>(below(random, 256));
    } else if (below(random, 3) == 0) {
      c = kHostileBytes[below(random, kHostileBytes.size())];
    } else {
      c = "aAbBcCxX019"[below(random, 11)];
    }
    if (c != '\n' && c != '\r') {
      name += c;
    }
  }
  return name;
}

std::string caseTwin(std::string name) {
  for (char& c : name) {
    if (std::isalpha(static_cast<unsigned char>(c))) {
      c = static_cast<char>(c ^ 0x20);
    }
  }
  return name;
}

template <class T>
const T& pick(std::mt19937& random, const std::vector<T>& list) {
  return list[below(random, list.size())];
}

struct Tree {
  std::string options;
  std::vector<std::string> sources;
};

Tree randomTree(std::mt19937& random) {
  std::vector<std::string> names;
  for (std::size_t n = 2 + below(random, 8); n > 0; --n) {
    switch (below(random, 6)) {
      case 0:
      case 1:
        names.push_back(pick(random, kSpecialNames));
        break;
      case 2:
        names.push_back(randomName(random, 1 + below(random, 12)));
        break;
      case 3:
        // Long names, some of them sharing their first 120 bytes.
        names.push_back(names.size() > 0 && names.back().size() > 120 && below(random, 2) == 0
                            ? names.back().substr(0, 120) + randomName(random, 1 + below(random, 4))
                            : randomName(random, 90 + below(random, 211)));
        break;
      default:
        names.push_back(caseTwin(pick(random, names.empty() ? kSpecialNames : names)));
    }
  }
  std::vector<std::string> sections = {pick(random, kSpecialSections),
                                       pick(random, kSpecialSections),
                                       randomName(random, 1 + below(random, 6))};
  Tree tree;
  tree.options =
      "safe page names\none page per entry\nno self links\nexisting links only\n"
      "portable help project\n";
  for (const char* const option : {"word links", "escape html", "whole header name"}) {
    if (below(random, 2) == 0) {
      tree.options += std::string(option) + "\n";
    }
  }
  for (std::size_t file = 1 + below(random, 2); file > 0; --file) {
    std::string source;
    for (std::size_t block = 1 + below(random, 7); block > 0; --block) {
      const std::string& name = pick(random, names);
      const std::string& section = pick(random, sections);
      std::string path;
      switch (below(random, 4)) {
        case 0:
          path = name;
          break;
        case 1:
          path = "Top/" + section + "/" + name;
          break;
        default:
          path = section + "/" + name;
      }
      const bool isHeader = below(random, 5) == 0;
      source += "/****" + std::string(isHeader ? "h" : "f") + "* " + path + "\n* NAME\n*   " +
                name + " - does " + pick(random, names) + "\n* TEXT\n*";
      for (std::size_t word = below(random, 6); word > 0; --word) {
        source += " " + (below(random, 4) == 0 ? pick(random, sections) : pick(random, names));
      }
      source += " end, " + pick(random, names) + ".\n****\n";
    }
    tree.sources.push_back(std::move(source));
  }
  return tree;
}

// The bytes as C++ would write them, so that a failing tree can be read and made again.
std::string readable(std::string_view bytes) {
  std::string text;
  for (const char c : bytes) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '\n') {
      text += "\\n\n";
    } else if (c == '\\' || c == '"') {
      text += std::string("\\") + c;
    } else if (byte < 32 || byte >= 127) {
      constexpr std::string_view kDigits = "0123456789abcdef";
      text += std::string("\\x") + kDigits[byte >> 4] + kDigits[byte & 0xF] + "\"\"";
    } else {
      text += c;
    }
  }
  return text;
}

bool isPortableFileName(std::string_view name) {
  if (name.empty() || name.size() > 120 || !name.ends_with(".html")) {
    return false;
  }
  for (const char c : name) {
    if (!std::isalnum(static_cast<unsigned char>(c)) && c != '.' && c != '_' && c != '-') {
      return false;
    }
  }
  return true;
}

std::string lowerCase(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) {
    c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  }
  return lower;
}

// Each value of an href="..." in the bytes, as it stands.
std::vector<std::string> hrefsOf(std::string_view bytes) {
  constexpr std::string_view kOpen = "href=\"";
  std::vector<std::string> hrefs;
  for (std::size_t at = bytes.find(kOpen); at != std::string_view::npos;
       at = bytes.find(kOpen, at + 1)) {
    const std::size_t begin = at + kOpen.size();
    hrefs.emplace_back(bytes.substr(begin, bytes.find('"', begin) - begin));
  }
  return hrefs;
}

// The lines of the bytes, without their line ends.
std::vector<std::string> linesOf(std::string_view bytes) {
  std::vector<std::string> lines;
  std::size_t begin = 0;
  while (begin < bytes.size()) {
    std::size_t end = bytes.find('\n', begin);
    end = end == std::string_view::npos ? bytes.size() : end;
    std::string_view line = bytes.substr(begin, end - begin);
    if (line.ends_with('\r')) {
      line.remove_suffix(1);
    }
    lines.emplace_back(line);
    begin = end + 1;
  }
  return lines;
}

// What is wrong with the files the run wrote, one line each.
std::vector<std::string> faultsOf(const std::map<std::string, std::string>& files,
                                  std::size_t entryCount) {
  std::vector<std::string> faults;
  std::map<std::string, std::string> byLowerCase;
  std::set<std::string> pages;
  for (const auto& [name, bytes] : files) {
    if (name != "LB.hhc" && name != "LB.hhp" && !isPortableFileName(name)) {
      faults.push_back("not a portable page file name: " + readable(name));
    }
    const auto [met, isNew] = byLowerCase.emplace(lowerCase(name), name);
    if (!isNew) {
      faults.push_back("two files meet ignoring case: " + met->second + " and " + name);
    }
    if (name.ends_with(".html") && name != "masterindex.html" && name != "toc.html") {
      pages.insert(name);
    }
  }
  if (pages.size() != entryCount) {
    faults.push_back(std::to_string(entryCount) + " entries, but " + std::to_string(pages.size()) +
                     " pages");
  }
  const auto expectWritten = [&](const std::string& where, const std::string& file) {
    if (!files.contains(file)) {
      faults.push_back(where + " names a file the run did not write: " + readable(file));
    }
  };
  for (const auto& [name, bytes] : files) {
    if (!name.ends_with(".html")) {
      continue;
    }
    for (const std::string& href : hrefsOf(bytes)) {
      expectWritten(name, href);
      if (href == name) {
        faults.push_back(name + " links to itself");
      }
    }
  }
  const auto contents = files.find("LB.hhc");
  const auto project = files.find("LB.hhp");
  if (contents == files.end() || project == files.end()) {
    faults.push_back("no help project");
    return faults;
  }
  for (const std::string& line : linesOf(contents->second)) {
    for (const std::string_view head :
         {"<param name=\"Local\" value=\"", "<param name=\"Local\" Value=\""}) {
      if (line.starts_with(head) && line.ends_with("\">")) {
        expectWritten("LB.hhc", line.substr(head.size(), line.size() - head.size() - 2));
      }
    }
  }
  const std::vector<std::string> lines = linesOf(project->second);
  std::set<std::string> listed;
  bool inFiles = false;
  for (const std::string& line : lines) {
    if (line.starts_with("[")) {
      inFiles = line == "[FILES]";
    } else if (inFiles) {
      expectWritten("LB.hhp", line);
      listed.insert(line);
    }
  }
  for (const std::string& page : pages) {
    if (!listed.contains(page)) {
      faults.push_back("LB.hhp does not list " + page);
    }
  }
  return faults;
}

class SafePageNames : public testing::Test {
 protected:
  TempDir dir;
};

TEST_F(SafePageNames, WrittenFilesAndTheirLinksHoldTogetherOnRandomTrees) {
  std::mt19937 random(20261208);
  for (int round = 0; round < 300; ++round) {
    const Tree tree = randomTree(random);
    std::filesystem::remove_all(dir.path() / "src");
    std::string listing = tree.options;
    for (std::size_t k = 0; k < tree.sources.size(); ++k) {
      const std::string file = "src/" + std::to_string(k) + ".pb";
      dir.write(file, tree.sources[k]);
      listing += "--- " + file + "\n" + readable(tree.sources[k]);
    }
    const std::string configurationPath = dir.write(
        "inkwright.cfg", "[source path]\n" + dir.folder() + "src\n[output path]\n" + dir.folder() +
                             "out\n[accept files]\n*.pb\n[items]\nNAME\nTEXT\n[output format]\n"
                             "HTMLHELP\n[template:masterindex]\n<html>@@INDEX@@</html>\n"
                             "[options]\n" +
                             tree.options);
    const Configuration config = readConfiguration(configurationPath);
    WildcardMatcher matcher;
    const Document document = readDocument(config, matcher, nullptr, nullptr);
    MemorySink sink;
    writeOutputs(OutputSelection(config, document), sink);
    const std::string& outputPath = config.settings().outputPath;
    std::map<std::string, std::string> files;
    for (const auto& [path, bytes] : sink.files()) {
      ASSERT_TRUE(path.starts_with(outputPath)) << path;
      files.emplace(path.substr(outputPath.size()), bytes);
    }
    EXPECT_EQ(std::vector<std::string>{}, faultsOf(files, document.entries.size()))
        << "round " << round << "\n"
        << listing;
    if (HasFailure()) {
      return;
    }
  }
}

}  // namespace
}  // namespace inkwright
