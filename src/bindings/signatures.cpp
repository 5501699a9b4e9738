#include "bindings/signatures.h"

namespace inkwright {

int markDocumentedImports() { return 0; }

}  // namespace inkwright
