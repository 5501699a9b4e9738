#include "html/pagewriter.h"

namespace inkwright {

void pageWriter(const std::string&) {}

}  // namespace inkwright
