#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "editor/CreatorView.h"
#include "engine/ElementTemplateFactory.h"
#include "engine/testing/RecordingHost.h"
#include "platform/foundation/queues/MainQueue.h"
#include "platform/foundation/values/Value.h"
#include "testing/ManualMainQueue.h"
#include "testing/TemporaryDeviceRoot.h"

namespace vantile::testing {

// A canvas whose element views are built by the engine, as the canvas draws a theme: each
// element completed over its type's defaults, its view under creatorView, its tag registered.
class CanvasFixture : public ::testing::Test {
 protected:
  void build(const platform::Value& children) {
    const platform::Value completed =
        ElementTemplateFactory::sharedInstance().validateAndCompleteElementsRecursively(children).value_or(children);
    canvas->creatorPreset = {{"PresetView", {{"children", completed}}}};
    canvas->creatorView = platform::ui::View::make({0, 0, 375, 667});
    builder = RecordingHost::make("creator");
    builder->build(completed, canvas->creatorView);
    canvas->creatorTags.clear();
    for (const auto& [name, tag] : builder->tags) canvas->creatorTags[name] = tag;
  }

  // The style pass over the theme's top level, with its deferred container steps.
  void style() {
    canvas->updateChildren(*canvas->getPresetChildren(), "creator");
    platform::foundation::MainQueue::shared().runPending();
  }

  void buildAndStyle(const platform::Value& children) {
    build(children);
    style();
  }

  std::shared_ptr<platform::ui::View> view(const std::string& name) const {
    const auto tag = canvas->creatorTags.find(name);
    return tag == canvas->creatorTags.end() ? nullptr : canvas->creatorView->viewWithTag(tag->second);
  }

  template <typename T>
  std::shared_ptr<T> viewAs(const std::string& name) const {
    return std::dynamic_pointer_cast<T>(view(name));
  }

  ManualMainQueue manualQueue;
  TemporaryDeviceRoot root;
  std::shared_ptr<CreatorView> canvas = CreatorView::make();
  std::shared_ptr<RecordingHost> builder;
};

// A frame dictionary of four numbers.
inline platform::Value frame(double x, double y, double width, double height) {
  return {{"x", x}, {"y", y}, {"width", width}, {"height", height}};
}

}  // namespace vantile::testing
