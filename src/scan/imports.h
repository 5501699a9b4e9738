// Import directives: the "#PBIMPORT:" lines of the source files into importList.
#pragma once

#include <string>
#include <string_view>

namespace inkwright {

// When line begins with "#PBIMPORT:", appends a directive from the file at path to importList,
// its declaration being the text after that up to the next ":"; any other line adds nothing.
void readImportDirective(std::string_view line, const std::string& path);

}  // namespace inkwright
