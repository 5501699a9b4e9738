// The check program and the writers agree on random trees (agreement.h): trees whose names meet on
// one page, on one page in another case, on an index page or a binding file, or write no page, with
// the switches that name and link the pages otherwise on or off at random.
#include "agreement.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "tempdir.h"

namespace inkwright {
namespace {

// Names that meet on one page, on one page in another case, on an index page or a binding file,
// and names that write no page at all. "#Core" leads to the page of the section Core, the 251
// bytes make a page too long for any file system, and so do the 247 bytes where "one page per
// entry" puts their section before them.
const std::vector<std::string> kShortNames = {
    "Init",   "init",   "INIT",  "Play", "PlaySound", "Sound", "toc",
    "Toc",    "#Flags", "Flags", "a\\b", "Ref",       "x1",    "_under",
    "9lives", "",       "Core",  "core", "#Core",     "Gui",   "masterindex"};
const std::vector<std::string> kLongNames = {std::string(251, 'T'), std::string(247, 'S')};
const std::vector<std::string> kEscapedNames = {"a&b", "x<y", "R&D"};
const std::vector<std::string> kGroups = {"Core", "core", "Gui", "Lonely", "Z\\B"};
// An editor reference file that replaces a page, or meets one in another case, even under "safe
// page names".
const std::vector<std::string> kEditorReferenceNames = {"Ref.html", "REF.html", "ref.txt",
                                                        "ref.txt"};
const std::vector<std::string> kSwitches = {
    "escape html",           "word links",      "existing links only", "skip empty tags",
    "portable help project", "safe page names", "one page per entry",  "no self links"};

template <class T>
const T& pick(std::mt19937& random, const std::vector<T>& list) {
  return list[random() % list.size()];
}

struct Tree {
  std::string configuration;
  std::vector<std::string> sources;
};

std::string randomBlock(std::mt19937& random, const std::vector<std::string>& names) {
  const std::string name = pick(random, names);
  std::string path;
  switch (random() % 5) {
    case 0:
      path = name;
      break;
    case 1:
      path = "Top/" + pick(random, kGroups) + "/" + name;
      break;
    default:
      path = pick(random, kGroups) + "/" + name;
  }
  const bool isHeader = random() % 6 == 0;
  std::string block = "/****" + std::string(isHeader ? "h" : "f") + "* " +
                      (isHeader ? pick(random, kGroups) : path) + "\n* NAME\n*   " + name +
                      " - does " + pick(random, names) + "\n* TEXT\n*";
  for (int word = 0; word < 4; ++word) {
    block += " " + pick(random, names);
  }
  return block + " end\n****\n";
}

Tree randomTree(std::mt19937& random) {
  const bool escapes = random() % 2 == 0;
  std::vector<std::string> names = kShortNames;
  names.insert(names.end(), kLongNames.begin(), kLongNames.end());
  if (escapes) {
    names.insert(names.end(), kEscapedNames.begin(), kEscapedNames.end());
  }
  const char* const formats[] = {"HTML", "HTMLHELP", "HTMLHELP IMPORTFILE JAPBE USERLIB",
                                 "HTML JAPBE"};
  Tree tree;
  tree.configuration = "[accept files]\n*.pb\n[items]\nNAME\nTEXT\n[output format]\n" +
                       std::string(formats[random() % 4]) + "\n[japbefile]\n" +
                       pick(random, kEditorReferenceNames) + "\n[options]\n" +
                       (escapes ? "escape html\n" : "");
  for (const std::string& name : kSwitches) {
    if (name != "escape html" && random() % 3 == 0) {
      tree.configuration += name + "\n";
    }
  }
  for (int file = 0; file < 2; ++file) {
    std::string source;
    for (std::size_t block = random() % 6; block > 0; --block) {
      source += randomBlock(random, names);
    }
    tree.sources.push_back(source);
  }
  return tree;
}

class WritersAndCheck : public testing::Test {
 protected:
  TempDir dir;
};

TEST_F(WritersAndCheck, AgreeOnFilesLinksSharedPagesAndCaseOnRandomTrees) {
  std::mt19937 random(20261207);
  for (int round = 0; round < 250; ++round) {
    const Tree tree = randomTree(random);
    std::filesystem::remove_all(dir.path() / "src");
    dir.write("src/a.pb", tree.sources[0]);
    dir.write("src/b.pb", tree.sources[1]);
    const std::string configurationPath =
        dir.write("inkwright.cfg", "[source path]\n" + dir.folder() + "src\n[output path]\n" +
                                       dir.folder() + "out\n" + tree.configuration);
    EXPECT_EQ(std::vector<std::string>{}, checkAgainstWriters(configurationPath).disagreements)
        << tree.configuration << "--- a.pb\n"
        << tree.sources[0] << "--- b.pb\n"
        << tree.sources[1];
    if (HasFailure()) {
      return;
    }
  }
}

}  // namespace
}  // namespace inkwright
