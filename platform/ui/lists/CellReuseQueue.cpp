#include "platform/ui/lists/CellReuseQueue.h"

#include "platform/foundation/files/SystemLog.h"
#include "platform/ui/lists/ReusableCell.h"

namespace platform::ui {

void CellReuseQueue::registerFactory(const std::string& identifier, Factory factory) {
  if (!factory) {
    foundation::systemLog("CellReuseQueue: refused an empty cell factory for \"" + identifier + "\"");
    return;
  }
  factories_[identifier] = std::move(factory);
}

std::shared_ptr<ReusableCell> CellReuseQueue::dequeue(const std::string& identifier) {
  if (const auto found = waiting_.find(identifier); found != waiting_.end() && !found->second.empty()) {
    std::shared_ptr<ReusableCell> cell = std::move(found->second.back());
    found->second.pop_back();
    cell->prepareForReuse();
    return cell;
  }
  const auto registration = factories_.find(identifier);
  if (registration == factories_.end()) {
    return nullptr;
  }
  std::shared_ptr<ReusableCell> cell = registration->second();
  if (!cell) {
    foundation::systemLog("CellReuseQueue: the cell registered for \"" + identifier + "\" could not be made");
    return nullptr;
  }
  cell->reuseIdentifier_ = identifier;
  return cell;
}

void CellReuseQueue::enqueue(std::shared_ptr<ReusableCell> cell) {
  if (!cell || cell->reuseIdentifier().empty()) {
    return;
  }
  auto& queue = waiting_[cell->reuseIdentifier()];
  queue.push_back(std::move(cell));
}

}  // namespace platform::ui
