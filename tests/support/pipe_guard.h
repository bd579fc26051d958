#pragma once
// A named pipe that nothing is ever sent through, for a test of a reader that must refuse it at
// once. With no writer a reader that opens it waiting would wait for ever; with a writer that
// holds it open and stays silent, a reader that reads it would. After 30 seconds the guard gives
// up: it lets go of the silent writer and from then on gives every reader a writer that goes at
// once, so the test ends, and tells the test that it had to.

// Windows has no named pipes of this kind: there the tests that need one skip themselves.
#ifndef _WIN32
#include <fcntl.h>
#include <unistd.h>

#include <chrono>
#include <condition_variable>
#include <filesystem>
#include <mutex>
#include <thread>

class PipeGuard {
 public:
  enum class Writer { None, Silent };

  // The pipe must exist. Opened for reading and writing, it opens without waiting for a reader.
  PipeGuard(const std::filesystem::path& pipe, Writer writer)
      : pipe_(pipe),
        writer_(writer),
        held_(writer == Writer::Silent ? ::open(pipe.c_str(), O_RDWR | O_NONBLOCK) : -1),
        guard_([this] {
          std::unique_lock<std::mutex> lock(mutex_);
          const auto done = [this] { return done_; };
          gaveUp_ = !finished_.wait_for(lock, std::chrono::seconds(30), done);
          if (held_ >= 0) ::close(held_);
          // Given up: each reader waiting now or later meets a writer that goes at once.
          while (!finished_.wait_for(lock, std::chrono::milliseconds(10), done)) {
            const int passing = ::open(pipe_.c_str(), O_RDWR | O_NONBLOCK);
            if (passing >= 0) ::close(passing);
          }
        }) {}
  ~PipeGuard() { finish(); }
  PipeGuard(const PipeGuard&) = delete;
  PipeGuard& operator=(const PipeGuard&) = delete;

  // False when a silent writer was asked for and the pipe could not be opened.
  bool ready() const { return writer_ == Writer::None || held_ >= 0; }

  // The test is done with the pipe. True when a reader kept the test waiting until the guard
  // gave up.
  bool finish() {
    {
      const std::lock_guard<std::mutex> lock(mutex_);
      done_ = true;
    }
    finished_.notify_one();
    if (guard_.joinable()) guard_.join();
    return gaveUp_;
  }

 private:
  const std::filesystem::path pipe_;
  const Writer writer_;
  const int held_;  // the silent writer's end, or -1
  std::mutex mutex_;
  std::condition_variable finished_;
  bool done_ = false;
  bool gaveUp_ = false;
  std::thread guard_;  // last: it starts once everything it uses is there
};
#endif
