#pragma once

#include <atomic>
#include <exception>
#include <functional>
#include <memory>
#include <vector>

// Jobs that other threads run while the calling thread goes on; whoever needs a job's result
// first finds it done, waits for it, or runs it itself, so the caller never waits for a job
// that nobody has started and no job runs twice.
class JobBatch {
public:
  using Job = std::function<void()>;

  // Starts helper threads on the jobs, in order.
  static std::shared_ptr<JobBatch> start(std::vector<Job> jobs);

  explicit JobBatch(std::vector<Job> jobs);

  // Returns once job i has run; rethrows what it threw.
  void complete(size_t i);
  // Returns once job i will never run or has run.
  void cancel(size_t i);

private:
  enum State : int { Queued, Running, Done };
  struct Slot {
    Job job;
    std::atomic<int> state{Queued};
    std::exception_ptr error;
  };

  void runQueued();
  // Runs the next job in order that nobody has started; false when there is none.
  bool runNextQueued();
  bool claim(Slot &slot);
  static void run(Slot &slot);
  static void waitDone(Slot &slot);

  std::unique_ptr<Slot[]> mSlots;
  size_t mCount;
  std::atomic<size_t> mNext{0};
};
