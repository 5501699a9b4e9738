// Procedure signatures: how an import directive's declaration is read and tied to the entries.
#pragma once

#include <string>
#include <string_view>

namespace inkwright {

// The part of the declaration before its first "(", or all of it when it has none; not trimmed.
// The result points into `declaration`.
std::string_view procedureNameOf(std::string_view declaration);

// Sets `documented` on every import directive (true when an entry's upper-cased name equals the
// upper-cased procedure name) and returns the number left undocumented.
int markDocumentedImports();

// The two descriptor lines of the declared procedure, each ended by CR LF: its name and parameter
// types, its parameter names and the description; then "Long".
std::string libraryFunctionLines(std::string_view declaration, std::string_view description);

}  // namespace inkwright
