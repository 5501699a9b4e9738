#include "html/pagewriter.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "model/document.h"
#include "tempdir.h"

namespace inkwright {
namespace {

// The golden cases always pass a folder ending in a separator and start from an empty out/, so
// they cannot show these two: a folder given without its separator still gets the pages, and a
// name holding "\" gets no page even where the folder it names exists.
TEST(PageWriter, WritesPagesOfPlainNamesOnlyIntoTheGivenFolder) {
  clearDocument();
  entryList.emplace_back().headerPath = "Lib/Bad\\Name";
  entryList.emplace_back().headerPath = "Lib/Plain";
  TempDir out;
  std::filesystem::create_directory(out.path() / "Bad");
  pageWriter(Configuration(Settings{}), out.path().string());
  EXPECT_TRUE(std::filesystem::is_empty(out.path() / "Bad"));
  EXPECT_EQ((std::set<std::string>{"Bad", "Plain.html"}), out.files());
}

}  // namespace
}  // namespace inkwright
