// The user's manual, docs/manual.md, checked against the program: it has a row for every key,
// switch, placeholder and warning rule that the key table knows, and every configuration, source
// and output it shows is a real file, or what the program writes for a real example.
//
// An excerpt is a fenced block right under one of these comment lines:
//   <!-- file: PATH -->             the block is an excerpt of the repository file PATH;
//   <!-- output: FOLDER FILE -->    the program runs on a copy of the repository FOLDER, and the
//                                   block is an excerpt of FILE that the run wrote there;
//   <!-- check: FOLDER -->          the check program runs on a copy of FOLDER, and the block is
//                                   an excerpt of its report;
//   <!-- template: NAME -->         the block is the whole built-in template NAME of "styled
//                                   pages", less the line end it ends with.
// A line "..." inside a block leaves out text: the pieces between such lines are found in the file
// in their order. A piece may end in the middle of a line of the file, since the pages are single
// long lines. Files with CR LF line ends are compared with LF line ends.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "config/builtintemplates.h"
#include "config/keytable.h"
#include "config/options.h"
#include "config/settings.h"
#include "filetree.h"
#include "model/document.h"
#include "run/outputs.h"
#include "tempdir.h"

namespace fs = std::filesystem;
using inkwright::readBytes;

namespace {

std::string withLfLineEnds(std::string text) {
  std::string::size_type at = 0;
  while ((at = text.find("\r\n", at)) != std::string::npos) {
    text.erase(at, 1);
  }
  return text;
}

std::vector<std::string> linesOf(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) {
    lines.push_back(line);
  }
  return lines;
}

const std::string& manual() {
  static const std::string text = readBytes(INKWRIGHT_MANUAL);
  return text;
}

struct Excerpt {
  int line = 0;        // of the comment, 1-based, for the failure message
  std::string kind;    // "file" or "output"
  std::string target;  // "PATH", or "FOLDER FILE"
  std::vector<std::string> pieces;
};

// Every excerpt of the manual, in its order.
std::vector<Excerpt> excerptsOf(const std::string& text) {
  const std::vector<std::string> lines = linesOf(text);
  std::vector<Excerpt> excerpts;
  for (std::size_t i = 0; i + 1 < lines.size(); ++i) {
    const std::string& line = lines[i];
    const std::string::size_type colon = line.find(':');
    if (!line.starts_with("<!-- ") || !line.ends_with(" -->") || colon == std::string::npos ||
        !lines[i + 1].starts_with("```")) {
      continue;
    }
    Excerpt excerpt{static_cast<int>(i + 1),
                    line.substr(5, colon - 5),
                    line.substr(colon + 2, line.size() - 4 - colon - 2),
                    {""}};
    for (i += 2; i < lines.size() && lines[i] != "```"; ++i) {
      if (lines[i] == "...") {
        excerpt.pieces.emplace_back();
      } else {
        std::string& piece = excerpt.pieces.back();
        piece += (piece.empty() ? "" : "\n") + lines[i];
      }
    }
    excerpts.push_back(excerpt);
  }
  return excerpts;
}

// The first piece that `text` does not hold after the pieces before it; empty when it holds all.
std::string missingPiece(const std::string& text, const std::vector<std::string>& pieces) {
  std::string::size_type from = 0;
  for (const std::string& piece : pieces) {
    const std::string::size_type found = text.find(piece, from);
    if (found == std::string::npos) {
      return piece;
    }
    from = found + piece.size();
  }
  return "";
}

// Runs `program` on a copy of the repository folder, its report going to report.txt there, and
// gives the folder of the copy.
fs::path runExample(const inkwright::TempDir& work, const std::string& program,
                    const std::string& folder) {
  const fs::path copy = work.path() / fs::path(program).filename() / folder;
  fs::create_directories(copy);
  fs::copy(fs::path(INKWRIGHT_SOURCE_DIR) / folder, copy, fs::copy_options::recursive);
  fs::create_directories(copy / "out");
  const std::string command =
      "cd '" + copy.string() + "' && '" + program + "' inkwright.cfg > report.txt";
  const int status = std::system(command.c_str());
  // inkwright always ends with 0; the check program's status says whether it warned, and what it
  // said is compared with the manual instead.
  EXPECT_TRUE(status == 0 || program != INKWRIGHT_BINARY) << folder;
  return copy;
}

// The file an excerpt is taken from, running a program for it where it needs one; empty when the
// excerpt names no file this test can have.
fs::path excerptFile(const Excerpt& excerpt, const inkwright::TempDir& work,
                     std::map<std::string, fs::path>& ran) {
  const std::string folder = excerpt.target.substr(0, excerpt.target.find(' '));
  std::string program;
  std::string file;
  if (excerpt.kind == "file") {
    return fs::path(INKWRIGHT_SOURCE_DIR) / excerpt.target;
  } else if (excerpt.kind == "output" && folder.size() < excerpt.target.size()) {
    program = INKWRIGHT_BINARY;
    file = excerpt.target.substr(folder.size() + 1);
  } else if (excerpt.kind == "check") {
#ifdef INKWRIGHT_CHECK_BINARY
    program = INKWRIGHT_CHECK_BINARY;
#endif
    file = "report.txt";
  }
  if (program.empty()) {
    return {};
  }
  const std::string key = program + " " + folder;
  if (!ran.count(key)) {
    ran[key] = runExample(work, program, folder);
  }
  return ran[key] / file;
}

TEST(Manual, ShowsOnlyRealFilesAndWhatTheProgramWrites) {
  const inkwright::TempDir work;
  std::map<std::string, fs::path> ranFolders;
  const std::vector<Excerpt> excerpts = excerptsOf(manual());
  ASSERT_FALSE(excerpts.empty());
  for (const Excerpt& excerpt : excerpts) {
    if (excerpt.kind == "template") {
      continue;  // PrintsTheBuiltInTemplatesOfStyledPagesExactly
    }
    const fs::path file = excerptFile(excerpt, work, ranFolders);
    if (!fs::is_regular_file(file)) {
      ADD_FAILURE() << "manual.md:" << excerpt.line << ": no file for the " << excerpt.kind
                    << " excerpt " << excerpt.target;
      continue;
    }
    const std::string missing = missingPiece(withLfLineEnds(readBytes(file)), excerpt.pieces);
    EXPECT_EQ("", missing) << "manual.md:" << excerpt.line << ": not in " << excerpt.target;
  }
}

// The manual prints every built-in template of "styled pages", so that a user can copy one into
// the configuration; each is printed once, whole and exactly.
TEST(Manual, PrintsTheBuiltInTemplatesOfStyledPagesExactly) {
  const std::map<std::string, std::string> builtIn = {
      {"page", inkwright::kStyledPageTemplate},
      {"tag", inkwright::kStyledTagTemplate},
      {"masterindex", inkwright::kStyledIndexTemplate},
      {"contents", inkwright::kStyledContentsTemplate},
      {"search", inkwright::kStyledSearchTemplate}};
  std::map<std::string, int> printed;
  for (const Excerpt& excerpt : excerptsOf(manual())) {
    if (excerpt.kind != "template") {
      continue;
    }
    ++printed[excerpt.target];
    const auto found = builtIn.find(excerpt.target);
    if (found == builtIn.end()) {
      ADD_FAILURE() << "manual.md:" << excerpt.line << ": no built-in template " << excerpt.target;
      continue;
    }
    ASSERT_EQ(1u, excerpt.pieces.size()) << "manual.md:" << excerpt.line << ": leaves text out";
    EXPECT_EQ(found->second, excerpt.pieces[0] + "\n")
        << "manual.md:" << excerpt.line << ": not the template " << excerpt.target;
  }
  for (const auto& [name, text] : builtIn) {
    EXPECT_EQ(1, printed[name]) << "the manual prints the template " << name;
  }
}

// An example that the manual never runs would go stale unseen.
TEST(Manual, RunsEveryExampleOfTheDocs) {
  std::set<std::string> run;
  for (const Excerpt& excerpt : excerptsOf(manual())) {
    if (excerpt.kind == "output" || excerpt.kind == "check") {
      run.insert(excerpt.target.substr(0, excerpt.target.find(' ')));
    }
  }
  for (const fs::directory_entry& item :
       fs::directory_iterator(fs::path(INKWRIGHT_SOURCE_DIR) / "docs" / "examples")) {
    const std::string folder = "docs/examples/" + item.path().filename().string();
    EXPECT_TRUE(run.count(folder)) << "the manual shows no output of " << folder;
  }
}

// A row of a reference table: a line starting "| `" + name.
bool hasRowFor(const std::string& name) {
  const std::string row = "\n| `" + name;
  return manual().find(row) != std::string::npos;
}

TEST(Manual, HasARowForEveryKeySwitchPlaceholderAndWarningRule) {
  for (const inkwright::KnownKey& known : inkwright::knownKeys()) {
    const std::string key(known.key);
    EXPECT_TRUE(hasRowFor("[" + key + (known.isFamily ? "" : "]`"))) << "key [" << key << "]";
  }
  for (const inkwright::Switch& known : inkwright::knownSwitches()) {
    EXPECT_TRUE(hasRowFor(std::string(known.name) + "` |")) << "switch " << known.name;
  }
  for (const inkwright::KnownPlaceholder& known : inkwright::knownPlaceholders()) {
    EXPECT_TRUE(hasRowFor(std::string(known.name) + "` |")) << "placeholder " << known.name;
  }
  for (const inkwright::KnownRule& known : inkwright::knownRules()) {
    EXPECT_TRUE(hasRowFor(std::string(known.id) + "` |")) << "warning rule " << known.id;
  }
}

// The table of the output files has a row for every output: what it is, the word that selects it,
// and the names of its files where the configuration does not give them.
TEST(Manual, HasARowForEveryOutput) {
  const std::vector<std::string> lines = linesOf(manual());
  const inkwright::Configuration noKeys{inkwright::Settings{}};
  for (const inkwright::OutputRow& row : inkwright::outputTable()) {
    const std::string head =
        "| " + std::string(row.what) + " | `" + std::string(row.formatWord) + "` |";
    const std::vector<std::string> files = row.files(noKeys, inkwright::Document{});
    const bool found = std::any_of(lines.begin(), lines.end(), [&](const std::string& line) {
      return line.starts_with(head) &&
             std::all_of(files.begin(), files.end(), [&](const std::string& file) {
               return line.find("`" + file + "`") != std::string::npos;
             });
    });
    EXPECT_TRUE(found) << head << " " << (files.empty() ? "" : files.front());
  }
}

TEST(Manual, ExcerptsAreFoundInOrderWithGapsLeftOut) {
  const std::vector<Excerpt> excerpts = excerptsOf(
      "<!-- output: docs/examples/x out/A.html -->\n```html\none\n...\nthree\n```\n"
      "<!-- file: a b -->\ntext\n```\n```\n");
  ASSERT_EQ(1u, excerpts.size());
  EXPECT_EQ("output", excerpts[0].kind);
  EXPECT_EQ("docs/examples/x out/A.html", excerpts[0].target);
  EXPECT_EQ(1, excerpts[0].line);
  EXPECT_EQ("", missingPiece("one\ntwo\nthree", excerpts[0].pieces));
  EXPECT_EQ("three", missingPiece("three\none\n", excerpts[0].pieces));
  EXPECT_EQ("", missingPiece(withLfLineEnds("one\r\nthree\r\n"), excerpts[0].pieces));
}

}  // namespace
