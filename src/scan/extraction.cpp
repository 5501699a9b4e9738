#include "scan/extraction.h"

namespace inkwright {

void extractBlocks(const std::string&, const MarkerSet&) {}

}  // namespace inkwright
