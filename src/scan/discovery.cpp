#include "scan/discovery.h"

namespace inkwright {

void scanSourcePaths() {}

}  // namespace inkwright
