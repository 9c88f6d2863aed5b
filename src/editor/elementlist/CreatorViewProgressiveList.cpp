// The progressive build of the element list: one top-level row per step behind the loading
// indicator, scheduled from a worker.
#include "editor/CreatorView.h"
#include "editor/elementlist/ElementRowText.h"
#include "editor/elementlist/ElementRowViews.h"
#include "platform/foundation/queues/MainQueue.h"
#include "platform/foundation/queues/WorkerQueue.h"
#include "platform/ui/controls/StackView.h"
#include "platform/ui/input/ActivityIndicatorView.h"
#include "platform/ui/views/ScrollView.h"

namespace vantile {

namespace {

namespace graphics = platform::graphics;
using platform::foundation::MainQueue;

constexpr double kProgressiveStep = 0.005;

}  // namespace

void CreatorView::createScrollviewFromChildrenAsync(const platform::Value& children, const platform::Value& order) {
  if (!menu) return;
  if (isLoadingElements) {
    elementListRefreshPending = true;
    return;
  }
  showLoadingIndicator();
  isLoadingElements = true;
  const std::uint64_t generation = ++elementListGeneration;
  makeEmptyElementList();
  installElementList();

  auto sharedChildren = std::make_shared<const platform::Value>(children);
  auto sharedOrder = std::make_shared<const platform::Value>(order);
  const double start = MainQueue::shared().now();
  platform::foundation::WorkerQueue::shared().perform(
      [canvas = weakCanvas(), sharedChildren, sharedOrder, start, generation]() -> platform::foundation::Task {
        loadElementsProgressively(canvas, sharedChildren, sharedOrder, start, generation);
        return {};
      });
}

void CreatorView::loadElementsProgressively(std::weak_ptr<CreatorView> canvas,
                                            std::shared_ptr<const platform::Value> children,
                                            std::shared_ptr<const platform::Value> order, double start,
                                            std::uint64_t generation) {
  const std::vector<std::string> names = ElementRowText::orderedNames(*children, order.get());
  MainQueue& queue = MainQueue::shared();
  if (names.empty()) {
    queue.post([canvas, generation] {
      const auto strong = canvas.lock();
      if (strong && strong->elementListGeneration == generation) strong->completeAsyncLoading();
    });
    return;
  }
  auto finishedRows = std::make_shared<std::size_t>(0);
  for (std::size_t index = 0; index < names.size(); ++index) {
    const double due = start + static_cast<double>(index) * kProgressiveStep;
    queue.postAfter(due - queue.now(),
                    [canvas, children, name = names[index], generation, finishedRows, total = names.size()] {
                      const auto strong = canvas.lock();
                      if (!strong || strong->elementListGeneration != generation) return;
                      strong->createLabelForElement(name, *children, *strong->elementStackView, false);
                      ElementRowViews::fitListToStack(*strong->elementScrollView, *strong->elementStackView);
                      if (++*finishedRows == total) strong->completeAsyncLoading();
                    });
  }
}

void CreatorView::completeAsyncLoading() {
  isLoadingElements = false;
  hideLoadingIndicator();
  restoreExpandedState();
  if (elementScrollView) {
    if (savedElementScrollPosition != graphics::Point{}) {
      elementScrollView->setContentOffset(savedElementScrollPosition, false);
    }
    ElementRowViews::fadeListIn(elementScrollView);
  }
  if (elementListRefreshPending) {
    elementListRefreshPending = false;
    refreshScrollview();
  }
}

void CreatorView::showLoadingIndicator() {
  if (!menu) return;
  if (!loadingIndicator) loadingIndicator = platform::ui::ActivityIndicatorView::make();
  const graphics::Size panel = menu->bounds().size;
  loadingIndicator->setCenter({panel.width / 2, panel.height / 2});
  menu->addSubview(loadingIndicator);
  loadingIndicator->startAnimating();
}

void CreatorView::hideLoadingIndicator() {
  if (!loadingIndicator) return;
  loadingIndicator->stopAnimating();
  loadingIndicator->removeFromSuperview();
}

}  // namespace vantile
