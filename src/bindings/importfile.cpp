#include "bindings/importfile.h"

namespace inkwright {

void importFileWriter(const std::string&) {}

}  // namespace inkwright
