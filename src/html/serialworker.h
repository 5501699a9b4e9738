// A stage of work on a thread of its own: tasks run one after the other, in the order they were
// handed over. Long runs chain such stages so that the work on one page overlaps the work on the
// next (composing, linking, writing), while every page still meets every step in the same order as
// in a plain loop.
#pragma once

#include <condition_variable>
#include <cstddef>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>
#include <utility>

namespace inkwright {

class SerialWorker {
 public:
  // Starts the stage's thread; without one, run() runs each task at once itself.
  SerialWorker();
  SerialWorker(const SerialWorker&) = delete;
  SerialWorker& operator=(const SerialWorker&) = delete;
  // Finishes: every task handed over has run when it returns.
  ~SerialWorker();

  // Queues task behind the others. weight is what it holds (the bytes of its texts): while much
  // is waiting, run() waits for room.
  void run(std::function<void()> task, std::size_t weight);

  // Returns once every task handed over has run.
  void finish();

 private:
  struct Queued {
    std::function<void()> task;
    std::size_t weight;
  };

  void runQueued();

  std::mutex mutex_;
  std::condition_variable changed_;
  std::deque<Queued> queued_;
  std::size_t queuedWeight_ = 0;
  bool running_ = false;
  bool stopping_ = false;
  // Last, so that the thread starts once everything it uses has been made.
  std::thread thread_;
};

}  // namespace inkwright
