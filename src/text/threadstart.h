// Starting a thread where the system may have none to give.
#pragma once

#include <cstddef>
#include <functional>
#include <thread>

namespace inkwright {

// A thread running a copy of work; an empty (not joinable) thread when the system cannot start
// one, in which case the caller does the work itself. A run then takes longer, but gives the
// same output.
std::thread startThreadOrNone(const std::function<void()>& work);

// Calls work(k) once for every k below count, on this thread and one more, taking the indexes in
// turn as each thread is free, so a long item does not hold the others up; where no thread can be
// started, this thread does them all. Returns when every call has returned.
void forEachIndexOnTwoThreads(std::size_t count, const std::function<void(std::size_t)>& work);

}  // namespace inkwright
