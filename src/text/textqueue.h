// A stage of work on a thread of its own: named texts go in, one after the other, and each is
// handed to the stage's handler in the order it came. Long runs use such stages so that the work
// on one page overlaps the work on the next (composing, linking, writing), while every page still
// meets every step in the same order as in a plain loop.
#pragma once

#include <condition_variable>
#include <cstddef>
#include <deque>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <utility>

namespace inkwright {

class TextQueue {
 public:
  using Handler = std::function<void(std::string name, std::string text)>;

  // Starts the stage's thread; without one, push() hands each text over at once itself.
  explicit TextQueue(Handler handler);
  TextQueue(const TextQueue&) = delete;
  TextQueue& operator=(const TextQueue&) = delete;
  // Finishes: every text pushed has been handled when it returns.
  ~TextQueue();

  // Queues a text for the handler; waits while much is still unhandled.
  void push(std::string name, std::string text);

  // Returns once every text pushed has been handled.
  void finish();

 private:
  void handleQueued();

  Handler handler_;
  std::mutex mutex_;
  std::condition_variable changed_;
  std::deque<std::pair<std::string, std::string>> queued_;
  std::size_t queuedBytes_ = 0;
  bool handling_ = false;
  bool stopping_ = false;
  std::thread thread_;
};

// Creates the file at path (emptying an existing one) with text as its bytes; a file that cannot
// be created is skipped, without a word. The handler of a stage that writes files.
void writeWholeFile(std::string path, std::string text);

}  // namespace inkwright
