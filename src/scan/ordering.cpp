#include "scan/ordering.h"

namespace inkwright {

void deriveEntryNames() {}

void sortEntries() {}

void collectGroups() {}

}  // namespace inkwright
