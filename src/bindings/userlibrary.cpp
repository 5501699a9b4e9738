#include "bindings/userlibrary.h"

namespace inkwright {

void userLibraryWriter(const std::string&) {}

}  // namespace inkwright
