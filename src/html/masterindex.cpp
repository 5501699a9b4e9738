#include "html/masterindex.h"

namespace inkwright {

void masterIndexWriter(const std::string&) {}

}  // namespace inkwright
