#include "jobbatch.h"

#include <gtest/gtest.h>

#include <QThreadPool>

#include <atomic>
#include <stdexcept>
#include <thread>

namespace {

// Jobs that count how often each ran.
struct CountedJobs {
  explicit CountedJobs(size_t count) : runs(count) {}

  std::vector<JobBatch::Job> jobs(std::chrono::microseconds work = {})
  {
    std::vector<JobBatch::Job> result;
    for (size_t i = 0; i < runs.size(); ++i)
      result.push_back([this, i, work] {
        std::this_thread::sleep_for(work);
        ++runs[i];
      });
    return result;
  }

  std::vector<std::atomic<int>> runs;
};

TEST(JobBatchTest, EveryJobRunsOnceWhateverOrderTheyAreCompletedIn)
{
  const std::vector<std::vector<size_t>> orders = {
      {0, 1, 2, 3, 4, 5, 6, 7}, {7, 6, 5, 4, 3, 2, 1, 0}, {3, 0, 7, 1, 6, 2, 5, 4}};
  for (const std::vector<size_t> &order : orders) {
    CountedJobs counted(order.size());
    const auto batch = JobBatch::start(counted.jobs(std::chrono::microseconds(200)));
    for (size_t i : order) {
      batch->complete(i);
      EXPECT_EQ(counted.runs[i], 1) << "job " << i << " not done when complete returned";
    }
    for (size_t i = 0; i < order.size(); ++i)
      EXPECT_EQ(counted.runs[i], 1) << "job " << i;
  }
}

TEST(JobBatchTest, ACancelledJobNeverRunsOrHasRunOnce)
{
  for (int attempt = 0; attempt < 20; ++attempt) {
    CountedJobs counted(6);
    const auto batch = JobBatch::start(counted.jobs(std::chrono::microseconds(100)));
    batch->complete(0);
    for (size_t i = 1; i < 6; ++i)
      batch->cancel(i);
    const int runs = counted.runs[1] + counted.runs[2] + counted.runs[3] + counted.runs[4] + counted.runs[5];
    QThreadPool::globalInstance()->waitForDone();
    const int later = counted.runs[1] + counted.runs[2] + counted.runs[3] + counted.runs[4] + counted.runs[5];
    EXPECT_EQ(later, runs) << "a job ran after it was cancelled";
    for (size_t i = 1; i < 6; ++i)
      EXPECT_LE(counted.runs[i], 1);
  }
}

TEST(JobBatchTest, WhatAJobThrowsReachesWhoCompletesIt)
{
  std::vector<JobBatch::Job> jobs = {[] {}, [] { throw std::runtime_error("no memory"); }, [] {}};
  const auto batch = JobBatch::start(std::move(jobs));
  EXPECT_NO_THROW(batch->complete(0));
  EXPECT_THROW(batch->complete(1), std::runtime_error);
  EXPECT_NO_THROW(batch->complete(2));
}

TEST(JobBatchTest, WithoutHelperThreadsTheCallerRunsEveryJob)
{
  QThreadPool &pool = *QThreadPool::globalInstance();
  const int threads = pool.maxThreadCount();
  pool.setMaxThreadCount(1);
  CountedJobs counted(4);
  const auto batch = JobBatch::start(counted.jobs());
  for (size_t i = 0; i < 4; ++i)
    batch->complete(i);
  pool.setMaxThreadCount(threads);
  for (size_t i = 0; i < 4; ++i)
    EXPECT_EQ(counted.runs[i], 1);
}

}  // namespace
