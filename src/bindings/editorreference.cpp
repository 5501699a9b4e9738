#include "bindings/editorreference.h"

namespace inkwright {

void editorReferenceWriter(const std::string&) {}

}  // namespace inkwright
