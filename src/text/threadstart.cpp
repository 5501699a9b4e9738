#include "text/threadstart.h"

#include <atomic>
#include <system_error>

namespace inkwright {

std::thread startThreadOrNone(const std::function<void()>& work) {
  try {
    return std::thread(work);
  } catch (const std::system_error&) {
    return std::thread();
  }
}

void forEachIndexOnTwoThreads(std::size_t count, const std::function<void(std::size_t)>& work) {
  std::atomic<std::size_t> next = 0;
  const auto takeIndexes = [count, &work, &next] {
    for (std::size_t k = next++; k < count; k = next++) {
      work(k);
    }
  };
  std::thread second = startThreadOrNone(takeIndexes);
  takeIndexes();
  if (second.joinable()) {
    second.join();
  }
}

}  // namespace inkwright
