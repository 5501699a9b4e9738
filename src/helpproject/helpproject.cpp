#include "helpproject/helpproject.h"

namespace inkwright {

void helpProjectWriter(const std::string&, const std::string&) {}

}  // namespace inkwright
