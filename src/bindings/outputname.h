// Where the binding writers put their files.
#pragma once

#include <string>
#include <string_view>

#include "config/settings.h"

namespace inkwright {

// The names of the binding files when the configuration gives none. Each begins with a blank.
inline constexpr std::string_view kImportFileName = " _inkWright_importfile_out.pbi";
inline constexpr std::string_view kEditorReferenceName = " _inkWright_japbefile_out.txt";
inline constexpr std::string_view kUserLibraryName = " _inkWright_userlib_out.desc";

// The name of a binding file in the output directory: the first line of the configuration value
// of `key`, trimmed of blanks; `defaultName` when that line is empty.
std::string bindingFileName(const Configuration& config, const std::string& key,
                            std::string_view defaultName);

// The output directory (given a "/" when it ends in no separator) followed by bindingFileName.
std::string bindingFilePath(const Configuration& config, const std::string& outputDirectory,
                            const std::string& key, std::string_view defaultName);

}  // namespace inkwright
