// Procedure signatures: how an import directive's declaration is read and tied to the entries.
#pragma once

namespace inkwright {

// Sets `documented` on every import directive (1 when an entry's upper-cased name equals the
// upper-cased procedure name) and returns the number left undocumented.
int markDocumentedImports();

}  // namespace inkwright
