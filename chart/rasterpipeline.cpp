#include "rasterpipeline.h"

#include "strokeraster.h"

#include <algorithm>
#include <atomic>
#include <exception>
#include <memory>
#include <thread>

namespace {

std::atomic<std::size_t> threadLimit{0};

std::size_t cores() {
  const std::size_t machine = std::max(1u, std::thread::hardware_concurrency());
  const std::size_t limit = threadLimit.load();
  return limit ? std::min(limit, machine * 4) : machine;
}

// What the threads share while the jobs run.
class Progress {
 public:
  Progress(std::vector<StrokeRaster> &workspaces, const std::vector<RasterPipeline::Job> &jobs)
      : workspaces_(workspaces),
        jobs_(jobs),
        done_(std::make_unique<std::atomic<bool>[]>(jobs.size())),
        errors_(jobs.size()) {}

  std::size_t window() const { return workspaces_.size(); }

  // Job j may run once the picture last made on its workspace has been painted.
  void waitForWorkspace(std::size_t j) {
    for (std::size_t painted = painted_.load(); j >= painted + window(); painted = painted_.load())
      painted_.wait(painted);
  }

  bool mayRunNow(std::size_t j) const { return j < painted_.load() + window(); }

  void runJob(std::size_t j) {
    try {
      jobs_[j](workspaces_[j % window()]);
    } catch (...) {
      errors_[j] = std::current_exception();
    }
    done_[j].store(true);
    done_[j].notify_all();
  }

  bool isDone(std::size_t j) const { return done_[j].load(); }
  void waitDone(std::size_t j) const { done_[j].wait(false); }

  void paint(std::size_t i, const RasterPipeline::Paint &paint) {
    if (!errors_[i]) paint(workspaces_[i % window()]);
    painted_.store(i + 1);
    painted_.notify_all();
  }

  void rethrowFirstError() const {
    for (const std::exception_ptr &error : errors_)
      if (error) std::rethrow_exception(error);
  }

 private:
  std::vector<StrokeRaster> &workspaces_;
  const std::vector<RasterPipeline::Job> &jobs_;
  std::unique_ptr<std::atomic<bool>[]> done_;
  std::vector<std::exception_ptr> errors_;
  std::atomic<std::size_t> painted_{0};
};

}  // namespace

std::size_t RasterPipeline::WorkspacesWanted() { return cores() + 1; }

void RasterPipeline::SetThreadLimit(std::size_t threads) { threadLimit.store(threads); }

// Thread t takes jobs t, t + threads, ...; the calling thread is thread 0 and also paints, in
// order, whatever is done, rastering its own next job whenever the next picture is not ready.
void RasterPipeline::Run(std::vector<StrokeRaster> &workspaces, const std::vector<Job> &jobs, const Paint &paint) {
  const std::size_t count = jobs.size();
  if (count == 0 || workspaces.empty()) return;
  const std::size_t threads = std::min({cores(), count, std::max<std::size_t>(workspaces.size() - 1, 1)});
  Progress progress(workspaces, jobs);
  {
    std::vector<std::jthread> helpers;
    for (std::size_t t = 1; t < threads; ++t)
      helpers.emplace_back([&progress, t, threads, count] {
        for (std::size_t j = t; j < count; j += threads) {
          progress.waitForWorkspace(j);
          progress.runJob(j);
        }
      });
    std::size_t own = 0;
    for (std::size_t i = 0; i < count;) {
      if (progress.isDone(i)) {
        progress.paint(i++, paint);
      } else if (own < count && progress.mayRunNow(own)) {
        progress.runJob(own);
        own += threads;
      } else {
        progress.waitDone(i);
      }
    }
  }
  progress.rethrowFirstError();
}
