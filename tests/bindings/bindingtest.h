// Common ground of the binding writers' tests: an empty document, an empty configuration, a fresh
// output folder, and short ways to add entries and directives.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "config/settings.h"
#include "model/document.h"
#include "scan/imports.h"
#include "tempdir.h"
#include "text/outputsink.h"

namespace inkwright {

class BindingOutputTest : public testing::Test {
 protected:
  // Appends an entry as the ordering leaves it: named, from sourceFile, with these tags.
  void addEntry(const std::string& name, const std::string& sourceFile, std::vector<TagPair> tags) {
    document.entries.push_back(DocEntry{.headerPath = "Group/" + name,
                                        .entryName = name,
                                        .groupName = "Group",
                                        .sourceFile = sourceFile,
                                        .headerType = "f",
                                        .tags = std::move(tags)});
  }

  void addImport(const std::string& sourceFile, const std::string& declaration) {
    document.imports.push_back(
        ImportDirective{.sourceFile = sourceFile, .declaration = declaration});
  }

  // The document as the reading hands it to the writers: its imports marked documented.
  const Document& read() {
    markDocumentedImports(document);
    return document;
  }

  // The settings an empty configuration gives: every name its default.
  static Settings defaultSettings() {
    Settings settings;
    deriveSettings(settings);
    return settings;
  }

  Document document;
  const Configuration config{defaultSettings()};
  TempDir out;
  FileSink files;
};

}  // namespace inkwright
