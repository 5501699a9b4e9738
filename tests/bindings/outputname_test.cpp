#include "bindings/outputname.h"

#include <gtest/gtest.h>

#include "bindings/bindingtest.h"
#include "bindings/editorreference.h"
#include "bindings/importfile.h"
#include "bindings/userlibrary.h"

namespace inkwright {
namespace {

TEST(BindingFilePath, JoinsDirectoryAndTheTrimmedFirstLineOrTheDefault) {
  const struct {
    const char* directory;
    const char* value;
    const char* path;
  } cases[] = {
      {"out\\", "", "out\\ _default.txt"},       {"out/", "   ", "out/ _default.txt"},
      {"out/", "\nsecond", "out/ _default.txt"}, {"out\\", "  lib.txt  ", "out\\lib.txt"},
      {"out/", " first \n second", "out/first"}, {"out", "sub\\lib.txt", "out/sub\\lib.txt"},
  };
  for (const auto& c : cases) {
    clearDocument();
    configList.push_back(ConfigPair{"listfile", c.value});
    EXPECT_EQ(c.path, bindingFilePath(c.directory, "listfile", " _default.txt")) << c.value;
  }
}

using BindingFileNames = BindingOutputTest;

TEST_F(BindingFileNames, EachWriterReadsItsOwnKey) {
  configList = {{"importfile", "w.pbi"}, {"japbefile", "w.txt"}, {"userlibfile", "w.desc"}};
  importFileWriter(outputDirectory());
  editorReferenceWriter(outputDirectory());
  userLibraryWriter(outputDirectory());
  EXPECT_TRUE(hasOutput("w.pbi") && hasOutput("w.txt") && hasOutput("w.desc"));
}

TEST_F(BindingFileNames, AFileThatCannotBeCreatedIsSkipped) {
  addImport("a.pb", "Begin()");
  addEntry("Begin", "a.pb", {{"SYNOPSIS", "\nBegin()"}});
  importFileWriter(outputDirectory() + "missing/");
  editorReferenceWriter(outputDirectory() + "missing/");
  userLibraryWriter(outputDirectory() + "missing/");
  EXPECT_TRUE(std::filesystem::is_empty(directory_));
}

}  // namespace
}  // namespace inkwright
