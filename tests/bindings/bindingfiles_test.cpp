// What the three binding writers share: the name each reads from its own setting, and a file that
// cannot be created.
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

using BindingFileNames = BindingOutputTest;

TEST_F(BindingFileNames, EachWriterWritesTheFileOfItsOwnName) {
  const Configuration named(Settings{
      .importFileName = "w.pbi", .editorReferenceName = "w.txt", .userLibraryName = "w.desc"});
  importFileWriter(named, read(), out.path().string(), files);
  editorReferenceWriter(named, read(), out.path().string(), files);
  userLibraryWriter(named, read(), out.path().string(), files);
  EXPECT_EQ((std::set<std::string>{"w.pbi", "w.txt", "w.desc"}), out.files());
}

TEST_F(BindingFileNames, AFileThatCannotBeCreatedIsSkipped) {
  addImport("a.pb", "Begin()");
  addEntry("Begin", "a.pb", {{"SYNOPSIS", "\nBegin()"}});
  const Configuration named(
      Settings{.importFileName = "i", .editorReferenceName = "e", .userLibraryName = "u"});
  importFileWriter(named, read(), out.folder() + "missing/", files);
  editorReferenceWriter(named, read(), out.folder() + "missing/", files);
  userLibraryWriter(named, read(), out.folder() + "missing/", files);
  EXPECT_TRUE(std::filesystem::is_empty(out.path()));
}

}  // namespace
}  // namespace inkwright
