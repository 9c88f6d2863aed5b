#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/foundation/queues/MainQueue.h"

namespace platform::services {

// One interval of a statistics collection and its cumulative sum (nothing without samples).
struct Statistics {
  foundation::TimeStamp startDate = 0;
  foundation::TimeStamp endDate = 0;
  std::optional<double> sumQuantity;
};

// The step counts of consecutive intervals.
class StatisticsCollection {
 public:
  explicit StatisticsCollection(std::vector<Statistics> statistics) : statistics_(std::move(statistics)) {}

  // Each interval that overlaps [from, to], oldest first, also those without samples.
  void enumerateStatistics(foundation::TimeStamp from, foundation::TimeStamp to,
                           const std::function<void(const Statistics&)>& block) const;

 private:
  std::vector<Statistics> statistics_;
};

// The health store's step counts, read from the device state's daily samples. A query's
// results are delivered on a worker thread of the store, never on the main thread; on the
// manual clock the query waits for that delivery, so what the handler posts is queued when it returns.
class HealthStore {
 public:
  using ResultsHandler =
      std::function<void(std::optional<StatisticsCollection> results, std::optional<std::string> error)>;

  // The step-count sums per day from the day starting at `anchor` backwards and forwards over
  // every sample; the handler runs on a worker. Denied access answers with an error there.
  // Call on the main thread (the device state is read here).
  void executeDailyStepCountQuery(foundation::TimeStamp anchor, ResultsHandler initialResultsHandler);
};

}  // namespace platform::services
