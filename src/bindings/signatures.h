// Procedure signatures: the parameter types and names of an import directive's declaration.
#pragma once

#include <string>
#include <string_view>

namespace inkwright {

// The two descriptor lines of the declared procedure, each ended by CR LF: its name and parameter
// types, its parameter names and the description; then "Long".
std::string libraryFunctionLines(std::string_view declaration, std::string_view description);

}  // namespace inkwright
