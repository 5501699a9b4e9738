// Import directives: the "#PBIMPORT:" lines of the source files.
#pragma once

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

}  // namespace inkwright
