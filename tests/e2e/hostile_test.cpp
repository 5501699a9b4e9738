// Runs the real program over hostile trees made on the spot: links that loop, deep trees, huge
// lines, binary files, oversized configurations, many entries of one name, odd names, unreadable
// inputs and a missing output directory. Each run must end with exit code 0 within a generous
// bound, write only into out/ (or, where out/ is missing, nowhere), leave every input as it was,
// and write the outputs it can. inkwright-check then reads each tree in all three formats: it must
// end with exit code 0 or 1 within the same bound and change no file, out/ included.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <random>
#include <string>

#include "tempdir.h"

namespace inkwright {
namespace {

namespace fs = std::filesystem;

// A run that has not ended after this long has hung: no case comes near it.
constexpr int kRunBoundSeconds = 300;

constexpr const char* kEveryOutput =
    "[source path]\nsrc\n#\n[accept files]\n*\n#\n[output path]\nout\\\n#\n"
    "[output format]\nHTMLHELP IMPORTFILE JAPBE USERLIB\n#\n"
    "[items]\nNAME\nSYNOPSIS\nPBINLINE\n#\n[source items]\nSOURCE\n#\n";

class HostileTree : public testing::Test {
 protected:
  // Every file below the folder outside out/, by relative path, with its bytes (links by target).
  std::map<std::string, std::string> inputs() const {
    std::map<std::string, std::string> files;
    for (auto item = fs::recursive_directory_iterator(dir_.path());
         item != fs::recursive_directory_iterator(); ++item) {
      const std::string relative = fs::relative(item->path(), dir_.path()).generic_string();
      if (relative == "out" || relative == "stderr.txt") {
        item.disable_recursion_pending();
        continue;
      }
      if (item->is_symlink()) {
        files[relative] = "-> " + fs::read_symlink(item->path()).string();
        item.disable_recursion_pending();
      } else if (item->is_regular_file()) {
        files[relative] =
            (fs::status(item->path()).permissions() & fs::perms::owner_read) == fs::perms::none
                ? "(unreadable)"
                : dir_.read(relative);
      } else {
        files[relative] = "(directory)";
      }
    }
    return files;
  }

  // Runs the program on inkwright.cfg with out/ present or not, and checks what every run must.
  void run(bool withOutput = true) {
    if (withOutput) {
      fs::create_directories(dir_.path() / "out");
    }
    const std::map<std::string, std::string> before = inputs();
    const std::string command = "cd '" + dir_.path().string() + "' && timeout " +
                                std::to_string(kRunBoundSeconds) + " '" + INKWRIGHT_BINARY +
                                "' inkwright.cfg 2> stderr.txt";
    ASSERT_EQ(0, std::system(command.c_str()));
    EXPECT_TRUE(before == inputs()) << "an input changed, or a file appeared outside out/";
    stderr_ = dir_.read("stderr.txt");
    check();
  }

  // Every file of out/ by name, with its bytes.
  std::map<std::string, std::string> outputs() const {
    std::map<std::string, std::string> files;
    if (fs::exists(dir_.path() / "out")) {
      for (const fs::directory_entry& item : fs::directory_iterator(dir_.path() / "out")) {
        // A FIFO or a device among the outputs is never read: that could wait for ever.
        files[item.path().filename().string()] =
            item.is_regular_file() ? dir_.read("out/" + item.path().filename().string())
                                   : "(no file)";
      }
    }
    return files;
  }

  void check() {
    const std::map<std::string, std::string> before = inputs();
    const std::map<std::string, std::string> written = outputs();
    for (const std::string format : {"sarif", "json", "gnu"}) {
      const std::string command = "cd '" + dir_.path().string() + "' && timeout " +
                                  std::to_string(kRunBoundSeconds) + " '" + INKWRIGHT_CHECK_BINARY +
                                  "' inkwright.cfg --format=" + format + " > '" +
                                  reports_.path().string() + "/report' 2> /dev/null";
      const int status = std::system(command.c_str());
      ASSERT_TRUE(WIFEXITED(status)) << format;
      EXPECT_GE(1, WEXITSTATUS(status)) << format;
    }
    EXPECT_TRUE(before == inputs()) << "the check changed an input";
    EXPECT_TRUE(written == outputs()) << "the check changed out/";
    checkReport_ = reports_.read("report");
  }

  bool reported(const std::string& rule) const {
    return checkReport_.find("[" + rule + "]") != std::string::npos;
  }

  std::string output(const std::string& name) const { return dir_.read("out/" + name); }
  bool written(const std::string& name) const { return fs::exists(dir_.path() / "out" / name); }

  void expectEveryIndexWritten() const {
    for (const char* name :
         {"masterindex.html", "toc.html", "LB.hhc", "LB.hhp", " _inkWright_importfile_out.pbi",
          " _inkWright_japbefile_out.txt", " _inkWright_userlib_out.desc"}) {
      EXPECT_TRUE(written(name)) << name;
    }
    EXPECT_EQ("", stderr_);
  }

  TempDir dir_;
  TempDir reports_;
  std::string stderr_;
  std::string checkReport_;
};

TEST_F(HostileTree, LinkToAnAncestorIsWalkedOnce) {
  dir_.write("inkwright.cfg", kEveryOutput);
  dir_.write("src/a/doc.pb", "/****f* G/Deep\n* NAME\n*   Deep - below a loop\n****\n");
  fs::create_directory_symlink("../..", dir_.path() / "src/a/up");
  fs::create_directory_symlink("..", dir_.path() / "src/a/self");
  run();
  expectEveryIndexWritten();
  EXPECT_TRUE(written("Deep.html"));
  // Both links lead back onto the walk's own path (the one through the test folder meets src/
  // again there), so the file is read exactly once.
  const std::string project = output("LB.hhp");
  ASSERT_NE(std::string::npos, project.find("Deep.html"));
  EXPECT_EQ(project.find("Deep.html"), project.rfind("Deep.html"));
  EXPECT_TRUE(reported("config.link-loop")) << checkReport_;
}

TEST_F(HostileTree, TwoHundredDirectoriesDeep) {
  dir_.write("inkwright.cfg", kEveryOutput);
  std::string path = "src";
  for (int depth = 0; depth < 200; ++depth) {
    path += "/d";
  }
  fs::create_directories(dir_.path() / path);
  dir_.write(path + "/leaf.pb", "/****f* Deep/Leaf\n* NAME\n*   Leaf - at the bottom\n****\n");
  run();
  expectEveryIndexWritten();
  EXPECT_TRUE(written("Leaf.html"));
}

TEST_F(HostileTree, FiftyMegabyteLineAndAHundredThousandByteHeader) {
  dir_.write("inkwright.cfg", kEveryOutput);
  std::string words;
  words.reserve(50u << 20);
  while (words.size() < (50u << 20)) {
    words += "lorem ipsum Huge dolor ";
  }
  dir_.write("src/huge.pb", words);
  dir_.write("src/header.pb",
             "/****f* Wide/" + std::string(100000, 'W') +
                 "\n* NAME\n*   wide - a name longer than any file name\n****\n"
                 "/****f* Wide/Huge\n* NAME\n*   Huge - the word of the long line\n"
                 "****\n");
  run();
  expectEveryIndexWritten();
  EXPECT_TRUE(written("Huge.html"));
}

TEST_F(HostileTree, RandomBinaryBytes) {
  dir_.write("inkwright.cfg", kEveryOutput);
  std::mt19937 random(20261206);
  std::string bytes(1 << 20, '\0');
  for (char& byte : bytes) {
    byte = static_cast<char>(random() % 256);
  }
  for (std::size_t at = 0; at + 64 < bytes.size(); at += 4096) {
    bytes.replace(at, 12, "\r/****f* B/\x80");
  }
  dir_.write("src/binary.pb", bytes);
  run();
  expectEveryIndexWritten();
  EXPECT_TRUE(reported("block.binary-file")) << checkReport_;
}

TEST_F(HostileTree, HundredThousandValueLines) {
  std::string config = kEveryOutput;
  config += "[items]\n";  // a second "items" key: stored, never read
  for (int line = 0; line < 50000; ++line) {
    config += "TAG" + std::to_string(line) + "\n";
  }
  config += "[ignore files]\n";
  for (int line = 0; line < 50000; ++line) {
    config += "never" + std::to_string(line) + "\n";
  }
  dir_.write("inkwright.cfg", config);
  dir_.write("src/doc.pb", "/****f* G/Kept\n* NAME\n*   Kept - still found\n****\n");
  run();
  expectEveryIndexWritten();
  EXPECT_TRUE(written("Kept.html"));
}

TEST_F(HostileTree, TenThousandEntriesOfOneName) {
  dir_.write("inkwright.cfg", kEveryOutput);
  std::string blocks;
  for (int entry = 0; entry < 10000; ++entry) {
    blocks += "/****f* Same/Same\n* NAME\n*   Same - one of many Same\n****\n#PBIMPORT:Same()\n";
  }
  dir_.write("src/same.pb", blocks);
  run();
  expectEveryIndexWritten();
  EXPECT_EQ(
      "<html><head><title>Same</title></head><body bgcolor=#FFFFDF link=#009999 "
      "vlink=#006666 alink=#006666><div width=600><h2>NAME</h2><br />   <a href=\"Same.html\">"
      "Same</a> - one of many <a href=\"Same.html\">Same</a></div></body></html>",
      output("Same.html"));
}

TEST_F(HostileTree, NamesOfHashesSeparatorsDotsAndHighBytes) {
  dir_.write("inkwright.cfg", kEveryOutput);
  dir_.write("src/names.pb",
             "/****f* G/#\n* NAME\n*   # - hash\n****\n"
             "/****f* G/..\n* NAME\n*   .. - dots\n****\n"
             "/****f* G/..\\..\\escape\n* NAME\n*   x - backslashes\n****\n"
             "/****f* G/\xe9\xff\x80\n* NAME\n*   high - bytes\n****\n"
             "/****f* ../..\n* NAME\n*   up - group of dots\n****\n");
  dir_.write("src/\xe9t\xe9.pb", "/****f* G/Accent\n* NAME\n*   Accent - file name\n****\n");
  run();
  expectEveryIndexWritten();
  EXPECT_TRUE(written(".html"));
  EXPECT_TRUE(written("...html"));
  EXPECT_TRUE(written("\xe9\xff\x80.html"));
  EXPECT_TRUE(written("Accent.html"));
  EXPECT_FALSE(fs::exists(dir_.path() / "escape.html"));
}

TEST_F(HostileTree, PipesAndDevicesAreNoSourceFiles) {
  dir_.write("inkwright.cfg", kEveryOutput);
  dir_.write("src/ok.pb", "/****f* G/Readable\n* NAME\n*   Readable - read\n****\n");
  ASSERT_EQ(0, ::mkfifo((dir_.path() / "src/pipe.pb").c_str(), 0600));
  fs::create_symlink("/dev/zero", dir_.path() / "src/zero.pb");
  run();
  expectEveryIndexWritten();
  EXPECT_TRUE(written("Readable.html"));
}

// Kept outputs are compared with what is there, but only a regular file is ever read: a FIFO
// nobody reads counts as a file that cannot be written, and a device is written as always.
TEST_F(HostileTree, PipesAndDevicesAmongKeptOutputsAreNeverRead) {
  dir_.write("inkwright.cfg", std::string(kEveryOutput) + "[options]\nkeep unchanged files\n#\n");
  dir_.write("src/ok.pb",
             "/****f* G/Readable\n* NAME\n*   Readable - read\n****\n"
             "/****f* G/Piped\n* NAME\n*   Piped - into a FIFO\n****\n");
  fs::create_directory(dir_.path() / "out");
  ASSERT_EQ(0, ::mkfifo((dir_.path() / "out/Piped.html").c_str(), 0600));
  ASSERT_EQ(0, ::mkfifo((dir_.path() / "out/pipe").c_str(), 0600));
  fs::create_symlink("pipe", dir_.path() / "out/toc.html");
  fs::create_symlink("/dev/null", dir_.path() / "out/masterindex.html");
  ASSERT_EQ(0, ::mkfifo((dir_.path() / "out/.inkwright-record").c_str(), 0600));
  run();
  EXPECT_EQ("oops: could not write out\\toc.html\n", stderr_);
  EXPECT_TRUE(written("Readable.html"));
  EXPECT_TRUE(written("LB.hhc"));
  EXPECT_TRUE(fs::is_fifo(dir_.path() / "out/Piped.html"));
  EXPECT_TRUE(fs::is_symlink(dir_.path() / "out/masterindex.html"));
  EXPECT_TRUE(fs::is_fifo(dir_.path() / "out/.inkwright-record"));
}

// A record that points at a device is never read, and the run does all its work.
TEST_F(HostileTree, RecordOfKeptOutputsLinkedToADevice) {
  dir_.write("inkwright.cfg", std::string(kEveryOutput) + "[options]\nkeep unchanged files\n#\n");
  dir_.write("src/ok.pb", "/****f* G/Readable\n* NAME\n*   Readable - read\n****\n");
  fs::create_directory(dir_.path() / "out");
  fs::create_symlink("/dev/zero", dir_.path() / "out/.inkwright-record");
  run();
  EXPECT_EQ("", stderr_);
  expectEveryIndexWritten();
  EXPECT_TRUE(written("Readable.html"));
  EXPECT_TRUE(fs::is_symlink(dir_.path() / "out/.inkwright-record"));
}

TEST_F(HostileTree, UnreadableDirectoryFileAndDanglingLink) {
  dir_.write("inkwright.cfg", kEveryOutput);
  dir_.write("src/ok.pb", "/****f* G/Readable\n* NAME\n*   Readable - read\n****\n");
  dir_.write("src/closed/hidden.pb", "/****f* G/Hidden\n* NAME\n*   Hidden - maybe\n****\n");
  dir_.write("src/locked.pb", "/****f* G/Locked\n* NAME\n*   Locked - maybe\n****\n");
  fs::create_symlink("nowhere.pb", dir_.path() / "src/dangling.pb");
  fs::create_directory_symlink("missing-dir", dir_.path() / "src/dangling-dir");
  fs::permissions(dir_.path() / "src/closed", fs::perms::none);
  fs::permissions(dir_.path() / "src/locked.pb", fs::perms::none);
  run();
  fs::permissions(dir_.path() / "src/closed", fs::perms::owner_all);
  fs::permissions(dir_.path() / "src/locked.pb", fs::perms::owner_all);
  expectEveryIndexWritten();
  EXPECT_TRUE(written("Readable.html"));
  EXPECT_NE(std::string::npos,
            checkReport_.find("src/dangling.pb: warning: this file cannot be opened; its blocks "
                              "are lost [block.unreadable-file]\n"))
      << checkReport_;
}

TEST_F(HostileTree, MissingOutputDirectoryWritesNothing) {
  dir_.write("inkwright.cfg", kEveryOutput);
  dir_.write("src/doc.pb", "/****f* G/Doc\n* NAME\n*   Doc - one\n****\n#PBIMPORT:Doc()\n");
  run(false);
  EXPECT_FALSE(fs::exists(dir_.path() / "out"));
  EXPECT_EQ("oops: could not write out\\masterindex.html\noops: could not write out\\toc.html\n",
            stderr_);
  EXPECT_TRUE(reported("config.missing-output-path")) << checkReport_;
}

}  // namespace
}  // namespace inkwright
