#include "platform/services/HealthStore.h"

#include <future>
#include <map>
#include <memory>

#include "platform/foundation/locale/DateFormatting.h"
#include "platform/foundation/locale/LocalDateTime.h"
#include "platform/foundation/queues/WorkerQueue.h"
#include "platform/springboard/device/DeviceModel.h"

namespace platform::services {

namespace {

// The local midnight starting the "YYYY-MM-DD" day.
std::optional<foundation::TimeStamp> dayStart(const std::string& date) {
  const auto reading = foundation::parseLocalDateTime(date + "T00:00:00");
  return reading ? foundation::timeStampInProcessZone(*reading) : std::nullopt;
}

}  // namespace

void StatisticsCollection::enumerateStatistics(foundation::TimeStamp from, foundation::TimeStamp to,
                                               const std::function<void(const Statistics&)>& block) const {
  for (const Statistics& statistics : statistics_) {
    if (statistics.endDate > from && statistics.startDate <= to) block(statistics);
  }
}

void HealthStore::executeDailyStepCountQuery(foundation::TimeStamp anchor, ResultsHandler initialResultsHandler) {
  if (!initialResultsHandler) return;
  const auto& steps = springboard::DeviceModel::shared().state().steps;
  std::optional<StatisticsCollection> results;
  std::optional<std::string> error;
  if (!steps.access) {
    error = "Authorization not determined";
  } else {
    // Sums by day start; the intervals run from the anchor's midnight in whole days.
    std::map<foundation::TimeStamp, double> sums;
    for (const auto& sample : steps.samples) {
      if (const auto start = dayStart(sample.date)) sums[*start] += sample.count;
    }
    std::vector<Statistics> statistics;
    if (!sums.empty()) {
      foundation::TimeStamp day = std::min(sums.begin()->first, anchor);
      const foundation::TimeStamp last = std::max(sums.rbegin()->first, anchor);
      while (day <= last) {
        const auto next = foundation::addingDays(day, 1);
        if (!next) break;
        const auto found = sums.find(day);
        statistics.push_back({day, *next, found == sums.end() ? std::nullopt : std::optional(found->second)});
        day = *next;
      }
    }
    results.emplace(std::move(statistics));
  }
  auto answered = std::make_shared<std::promise<void>>();
  std::future<void> done = answered->get_future();
  foundation::WorkerQueue::shared().perform([handler = std::move(initialResultsHandler), results = std::move(results),
                                             error = std::move(error), answered] {
    handler(results, error);
    answered->set_value();
    return foundation::Task{};
  });
  // On the manual clock the answer is in before the query returns, so simulated runs repeat exactly.
  if (foundation::MainQueue::shared().usesManualClock()) done.wait();
}

}  // namespace platform::services
