#include "bindings/outputname.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>

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
    const Configuration config(Settings{.configList = {{.key = "listfile", .value = c.value}}});
    EXPECT_EQ(c.path, bindingFilePath(config, c.directory, "listfile", " _default.txt")) << c.value;
  }
}

using BindingFileNames = BindingOutputTest;

TEST_F(BindingFileNames, EachWriterReadsItsOwnKey) {
  const Configuration named(Settings{.configList = {{.key = "importfile", .value = "w.pbi"},
                                                    {.key = "japbefile", .value = "w.txt"},
                                                    {.key = "userlibfile", .value = "w.desc"}}});
  importFileWriter(named, read(), out.folder(), files);
  editorReferenceWriter(named, read(), out.folder(), files);
  userLibraryWriter(named, read(), out.folder(), files);
  const std::set<std::string> files = out.files();
  EXPECT_TRUE(files.count("w.pbi") && files.count("w.txt") && files.count("w.desc"));
}

TEST_F(BindingFileNames, AFileThatCannotBeCreatedIsSkipped) {
  addImport("a.pb", "Begin()");
  addEntry("Begin", "a.pb", {{"SYNOPSIS", "\nBegin()"}});
  importFileWriter(config, read(), out.folder() + "missing/", files);
  editorReferenceWriter(config, read(), out.folder() + "missing/", files);
  userLibraryWriter(config, read(), out.folder() + "missing/", files);
  EXPECT_TRUE(std::filesystem::is_empty(out.path()));
}

}  // namespace
}  // namespace inkwright
