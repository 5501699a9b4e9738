// Starting a thread where the system may have none to give.
#pragma once

#include <functional>
#include <thread>

namespace inkwright {

// A thread running a copy of work; an empty (not joinable) thread when the system cannot start
// one, in which case the caller does the work itself. A run then takes longer, but gives the
// same output.
std::thread startThreadOrNone(const std::function<void()>& work);

}  // namespace inkwright
