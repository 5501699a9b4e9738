#include "text/threadstart.h"

#include <system_error>

namespace inkwright {

std::thread startThreadOrNone(const std::function<void()>& work) {
  try {
    return std::thread(work);
  } catch (const std::system_error&) {
    return std::thread();
  }
}

}  // namespace inkwright
