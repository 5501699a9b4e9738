// Import directives: the "#PBIMPORT:" lines of the source files, and which of them an entry
// documents.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "model/document.h"

namespace inkwright {

// When line begins with "#PBIMPORT:", appends a directive from the file at path to directives,
// its declaration being the text after that up to the next ":", at line lineNumber of the file;
// any other line adds nothing.
void readImportDirective(std::string_view line, const std::string& path, std::size_t lineNumber,
                         std::vector<ImportDirective>& directives);

// The part of the declaration before its first "(", or all of it when it has none; not trimmed.
// The result points into `declaration`.
std::string_view procedureNameOf(std::string_view declaration);

// Sets `documented` on every import directive of the document: true when an entry's upper-cased
// name equals the upper-cased procedure name.
void markDocumentedImports(Document& document);

}  // namespace inkwright
