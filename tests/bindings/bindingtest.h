// Common ground of the binding writers' tests: an empty document, an empty configuration, a fresh
// output folder, and short ways to add entries and directives.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "config/settings.h"
#include "model/document.h"
#include "tempdir.h"

namespace inkwright {

class BindingOutputTest : public testing::Test {
 protected:
  void SetUp() override { clearDocument(); }

  const Configuration config{Settings{}};
  TempDir out;
};

// Appends an entry as the ordering leaves it: named, from sourceFile, with these tags.
inline void addEntry(const std::string& name, const std::string& sourceFile,
                     std::vector<TagPair> tags) {
  entryList.push_back(DocEntry{.headerPath = "Group/" + name,
                               .entryName = name,
                               .groupName = "Group",
                               .sourceFile = sourceFile,
                               .headerType = "f",
                               .tags = std::move(tags)});
}

inline void addImport(const std::string& sourceFile, const std::string& declaration) {
  importList.push_back(ImportDirective{.sourceFile = sourceFile, .declaration = declaration});
}

}  // namespace inkwright
