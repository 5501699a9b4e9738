#pragma once

#include <string>

namespace inkwright {

// Writes the editor reference file into the output directory.
void editorReferenceWriter(const std::string& outputDirectory);

}  // namespace inkwright
