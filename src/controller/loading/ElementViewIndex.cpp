#include "controller/loading/ElementViewIndex.h"

#include "platform/ui/views/View.h"

namespace vantile {

void ElementViewIndex::record(std::int32_t tag, const std::shared_ptr<platform::ui::View>& view) { views_[tag] = view; }

namespace {

bool isInside(const platform::ui::View& view, const platform::ui::View& root) {
  for (auto ancestor = view.superview(); ancestor; ancestor = ancestor->superview()) {
    if (ancestor.get() == &root) return true;
  }
  return false;
}

}  // namespace

std::shared_ptr<platform::ui::View> ElementViewIndex::find(std::int32_t tag, platform::ui::View& root) const {
  if (tag <= 0) return nullptr;
  if (const auto found = views_.find(tag); found != views_.end()) {
    if (auto view = found->second.lock(); view && view->tag() == tag && isInside(*view, root)) return view;
  }
  return root.viewWithTag(tag);
}

}  // namespace vantile
